#pragma once
// The "流年報告" window of a charted record (Ctrl+Y and the board menu): a
// row for each year from the birth to age 100, or for a span typed as
// "1990-2030" — the year's stem-branch and nominal age, the decade and minor
// limit, the year palace with the natal and decade palaces it falls on, the
// decade's and the year's transformations with where they land, where each
// 化忌 strikes and the year's patterns. Choosing a row moves the shown date
// to the day that year turns and selects 流年. The rows go to a CSV file (the
// command line's --csv) and to a PDF table.

#include <QObject>
#include <QString>

#include <vector>

#include "ui/reading/YearReportTable.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace velmora {

class ChartHost;

class YearReportView : public QObject {
    Q_OBJECT
public:
    explicit YearReportView(ChartHost& form);

    QAction* toggleAction() const { return toggle_; }
    QWidget* window() const { return window_; }
    QTreeWidget* table() const { return table_; }
    QLineEdit* spanField() const { return span_; }
    const YearReport& report() const { return report_; }
    // The cells of row `row` as shown.
    QStringList cells(int row) const;

    // Follows the board: the charted person and the shown date.
    void refresh();
    // Moves the shown date to the turn of row `row`'s year and selects 流年.
    void choose(int row);
    // Ask for a file through the window's export dialogs and write it whole.
    void exportCsv();
    void exportPdf();

private:
    void createWindow();
    // The span typed, or the life span when the field is empty; false when unreadable.
    bool span(tool::YearSpan& span) const;
    void fill(const tool::YearSpan& span);
    void chooseShownYear();
    QString askFile(const QString& title, const QString& suffix, const QString& filter);
    void write(const QString& path, const QByteArray& bytes);
    QString documentTitle() const;

    ChartHost& form_;
    QAction* toggle_ = nullptr;
    QWidget* window_ = nullptr;
    QLineEdit* span_ = nullptr;
    QLabel* problem_ = nullptr;
    QTreeWidget* table_ = nullptr;
    QPushButton* csvButton_ = nullptr;
    QPushButton* pdfButton_ = nullptr;
    YearReport report_;
    bool filledSimplified_ = false;  // the script the rows were filled in
    bool moving_ = false;  // a chosen row is moving the date: refresh once at the end
};

}  // namespace velmora
