#pragma once
// The dialogs of the chart commands: where to save an exported file, and the
// print dialog. Commands ask through this interface, as they ask message
// boxes through MessageBoxes, so tests can answer without a dialog on screen.

#include <QString>
#include <QStringList>

#include <deque>

class QPrinter;
class QWidget;

namespace velmora {

class ExportDialogs {
public:
    virtual ~ExportDialogs() = default;
    // The file to write, starting from `suggestedPath`; empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                                 const QString& filter) = 0;
    // The file to read, starting in `folder`; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // Lets the user set up `printer`; false when printing was cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The toolkit's file and print dialogs, modal to `parent`.
class QtExportDialogs final : public ExportDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
};

// For tests: records the suggested paths and answers from queues (files to
// save and to open alike). An empty file queue answers "cancelled"; the
// printer is accepted unless told not to.
class ScriptedExportDialogs final : public ExportDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;

    void queueFileName(const QString& path) { fileNames_.push_back(path); }
    const QStringList& suggestedPaths() const { return suggested_; }
    int printerSetUps() const { return printerSetUps_; }

    bool acceptPrinter = true;
    QString printerOutputFile;  // when set, the printer writes a PDF file here

private:
    std::deque<QString> fileNames_;
    QStringList suggested_;
    int printerSetUps_ = 0;
};

}  // namespace velmora
