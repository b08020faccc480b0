#pragma once
// A started main window with scripted export dialogs, an output folder, the
// two charts the export tests hand on (a chart by date and a record on a
// time layer), and readers of what was written: PDF pages and title, and
// the dark pixels of a picture.

#include <QByteArray>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

#include "tests/ui/MainWindowFixture.h"
#include "ui/chartio/ExportDialogs.h"

namespace velmora::testing {

enum class ShownChart { None, ByDate, RecordOnLayer };

class ExportTest : public MainWindowTest {
public:
    // Charts 1984-02-02 午 (a man) by date, or as the record 王小明 shown on
    // 2024-05-14 午 on the flowing-year layer.
    void show(ShownChart chart);
    // A key pressed on the main window, as the user would.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);

protected:
    void SetUp() override;
    QString output(const QString& name) const { return outputs_.filePath(name); }

    std::shared_ptr<ScriptedExportDialogs> dialogs;

private:
    QTemporaryDir outputs_;
};

// The file's bytes; empty when it cannot be read.
QByteArray ReadAll(const QString& path);
// The number of page objects of a PDF.
int PdfPageCount(const QByteArray& pdf);
// The document title of a PDF written by Qt (a UTF-16 literal string).
QString PdfTitle(const QByteArray& pdf);
// True when a pixel within `radius` of `at` is dark (all channels below 96).
bool DarkNear(const QImage& image, const QPoint& at, int radius);

}  // namespace velmora::testing
