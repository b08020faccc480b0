// "匯出圖片…", "匯出 PDF…" and "列印…" through their shortcuts: what they
// write for a chart by date and for a record on a time layer, the names they
// suggest, and what they do without a chart, when cancelled and when the file
// cannot be written.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QMenu>
#include <QRegularExpression>

#include "tests/ui/export/ExportFixture.h"
#include "ui/common/Twips.h"
#include "ui/board/BoardGeometry.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartExport.h"
#include "ui/board/PalaceBoard.h"

namespace velmora::testing {
namespace {

constexpr int kDensity = 2;  // the offscreen screen has one pixel per logical pixel

// Columns: chart, suggested file stem, document title.
struct ChartRow {
    ShownChart chart;
    const char* stem;
    const char* title;
};
const ChartRow kCharts[] = {
    {ShownChart::ByDate, "1984-02-02 命盤", "1984-02-02 命盤"},
    {ShownChart::RecordOnLayer, "王小明 命盤", "王小明 1984-02-02 命盤（流年 2024-05-14）"},
};

class PictureExport : public ExportTest, public ::testing::WithParamInterface<ChartRow> {};

// A grid line's place in the picture's device pixels, from its place in the window's twips.
int DevicePixels(int twips, int origin) { return (twips - origin) * kDensity / kTwipsPerPixel; }

TEST_P(PictureExport, PngIsTwiceThePictureWithTheBoardLines) {
    show(GetParam().chart);
    dialogs->queueFileName(output(QStringLiteral("chart")));
    press(Qt::Key_S);
    ASSERT_EQ(dialogs->suggestedPaths().size(), 1);
    EXPECT_EQ(QFileInfo(dialogs->suggestedPaths()[0]).fileName(), QString::fromUtf8(GetParam().stem) + ".png");
    const QImage image(output(QStringLiteral("chart.png")));  // the suffix added
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), ChartPictureSize(*form) * kDensity);
    EXPECT_EQ(image.width(), form->board().width() * kDensity);
    const int middleRow = DevicePixels(board::kBoardTop + board::kBoxHeight / 2, PalaceBoard::kOriginY);
    const int middleColumn = DevicePixels(board::kBoardLeft + board::kBoxWidth / 2, PalaceBoard::kOriginX);
    for (int k = 0; k <= board::kBoxesPerSide; ++k) {
        const int x = DevicePixels(board::kBoardLeft + k * board::kBoxWidth, PalaceBoard::kOriginX);
        const int y = DevicePixels(board::kBoardTop + k * board::kBoxHeight, PalaceBoard::kOriginY);
        EXPECT_TRUE(DarkNear(image, {x, middleRow}, 1)) << "vertical line " << k;
        EXPECT_TRUE(DarkNear(image, {middleColumn, y}, 1)) << "horizontal line " << k;
    }
    EXPECT_TRUE(boxes->shown().empty());
}

TEST_P(PictureExport, PdfIsOneTitledA4LandscapePage) {
    show(GetParam().chart);
    dialogs->queueFileName(output(QStringLiteral("chart.pdf")));
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs->suggestedPaths().size(), 1);
    EXPECT_EQ(QFileInfo(dialogs->suggestedPaths()[0]).fileName(), QString::fromUtf8(GetParam().stem) + ".pdf");
    const QByteArray pdf = ReadAll(output(QStringLiteral("chart.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_EQ(PdfTitle(pdf), QString::fromUtf8(GetParam().title));
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "the page is drawn as text and lines, not as a picture";
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 842, 1);  // A4 landscape, in points
    EXPECT_NEAR(box.captured(2).toDouble(), 595, 1);
}

TEST_P(PictureExport, PrintingPaintsOnePageOnThePrinterSetUp) {
    show(GetParam().chart);
    dialogs->printerOutputFile = output(QStringLiteral("printed.pdf"));
    press(Qt::Key_P);
    EXPECT_EQ(dialogs->printerSetUps(), 1);
    const QByteArray pdf = ReadAll(dialogs->printerOutputFile);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_EQ(PdfTitle(pdf), QString::fromUtf8(GetParam().title));
    // Widgets rendered straight onto a printer become one page-sized picture.
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "the page is drawn as text and lines, not as a picture";
}

INSTANTIATE_TEST_SUITE_P(Charts, PictureExport, ::testing::ValuesIn(kCharts));

TEST_F(ExportTest, WithoutAChartTheCommandsAreGreyAndTheirKeysDoNothing) {
    press(Qt::Key_S);
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_P);
    EXPECT_TRUE(dialogs->suggestedPaths().isEmpty());
    EXPECT_EQ(dialogs->printerSetUps(), 0);
    ChartCommands& commands = form->chartCommands();
    commands.showMenuAtBoard();
    ASSERT_TRUE(commands.menu()->isVisible());
    for (int i = 0; i < ChartCommands::kCommandCount; ++i) {
        EXPECT_FALSE(commands.action(static_cast<ChartCommands::Command>(i))->isEnabled()) << i;
    }
    commands.menu()->hide();
    show(ShownChart::ByDate);
    commands.showMenuAtBoard();
    for (int i = 0; i < ChartCommands::kCommandCount; ++i) {
        EXPECT_TRUE(commands.action(static_cast<ChartCommands::Command>(i))->isEnabled()) << i;
    }
    commands.menu()->hide();
}

TEST_F(ExportTest, CancelledDialogsWriteNothing) {
    show(ShownChart::ByDate);
    press(Qt::Key_S);
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    dialogs->acceptPrinter = false;
    dialogs->printerOutputFile = output(QStringLiteral("printed.pdf"));
    press(Qt::Key_P);
    EXPECT_EQ(dialogs->suggestedPaths().size(), 2);
    EXPECT_TRUE(QDir(output(QString())).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(boxes->shown().empty());
}

// Columns: key modifiers, file name in a folder that does not exist.
struct FailedRow {
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReportedNotLeftHalf) {
    show(ShownChart::RecordOnLayer);
    const FailedRow rows[] = {{Qt::ControlModifier, "missing/chart.png"},
                              {Qt::ControlModifier | Qt::ShiftModifier, "missing/chart.pdf"}};
    for (const FailedRow& row : rows) {
        boxes->clear();
        const QString path = output(QString::fromUtf8(row.name));
        dialogs->queueFileName(path);
        press(Qt::Key_S, row.modifiers);
        ASSERT_EQ(boxes->shown().size(), 1u) << row.name;
        EXPECT_EQ(boxes->shown()[0].text, QStringLiteral("無法寫入檔案：") + path);
        EXPECT_FALSE(QFileInfo::exists(path));
    }
}

// velmora-chart --png builds the same board off screen and draws it the same way.
TEST_F(ExportTest, TheToolDrawsTheWindowsPicture) {
    show(ShownChart::RecordOnLayer);
    ASSERT_FALSE(WriteChartPng(*form, output(QStringLiteral("window.png")), kDensity));
    QProcess tool;
    tool.start(QStringLiteral(VELMORA_CHART_EXE),
               {"--data", folder_.path(), "--name", "王小明", "--png", output(QStringLiteral("tool.png")), "1984-02-02",
                "7", "M", "2024-05-14", "7", "3"});
    ASSERT_TRUE(tool.waitForFinished());
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QImage drawn(output(QStringLiteral("tool.png")));
    const QImage exported(output(QStringLiteral("window.png")));
    ASSERT_EQ(drawn.size(), exported.size());
    EXPECT_TRUE(drawn == exported);
}

TEST_F(ExportTest, TheNextDialogStartsInTheFolderLastWritten) {
    show(ShownChart::ByDate);
    ASSERT_TRUE(QDir(output(QString())).mkdir(QStringLiteral("charts")));
    dialogs->queueFileName(output(QStringLiteral("charts/first.png")));
    press(Qt::Key_S);
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs->suggestedPaths().size(), 2);
    EXPECT_EQ(QFileInfo(dialogs->suggestedPaths()[1]).absolutePath(), output(QStringLiteral("charts")));
}

}  // namespace
}  // namespace velmora::testing
