// velmora-chart --png and --pdf run as a script runs them, with no display:
// the picture's size and lines, one PDF page, the text beside a picture, and
// refused or failed runs that leave no file.

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/tools/PictureTestSupport.h"

namespace velmora::tool::testing {
namespace {

const QString kTool = QStringLiteral(VELMORA_CHART_EXE);

class PictureRun : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

TEST_F(PictureRun, PngIsDrawnWithoutADisplay) {
    const ToolRun run = RunWithoutDisplay(kTool, {"--png", path("chart.png"), "1984-02-02", "7", "M", "2024-05-14", "7", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QImage image(path("chart.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(kPictureWidth, kPictureHeight));
    // The board's left line runs down the whole board; the column left of it is blank.
    EXPECT_GT(DarkPixelsInColumn(image, kBoardLeftLine), 1000);
    EXPECT_EQ(DarkPixelsInColumn(image, kBoardLeftLine - 6), 0);
}

TEST_F(PictureRun, PdfIsOneTitledPage) {
    const ToolRun run = RunWithoutDisplay(kTool, {"--pdf", path("chart.pdf"), "--name", "王小明", "1984-02-02", "7", "M"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(path("chart.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_TRUE(pdf.contains("/Title ("));
}

TEST_F(PictureRun, TextIsPrintedBesideThePictures) {
    const QStringList query{"2000-01-01", "1", "F", "2024-02-10", "1", "4"};
    const ToolRun text = RunTool(QStringList{"--text"} + query);
    const ToolRun both = RunWithoutDisplay(kTool, QStringList{"--text", "--png", path("a.png"), "--pdf", path("a.pdf")} + query);
    ASSERT_EQ(both.exitCode, 0) << both.err.toStdString();
    EXPECT_EQ(both.out, text.out);
    EXPECT_TRUE(QFileInfo::exists(path("a.png")));
    EXPECT_TRUE(QFileInfo::exists(path("a.pdf")));
}

// Columns: arguments after the picture option's file, a text the message must hold.
struct RefusedRow {
    QStringList arguments;
    const char* messagePart;
};

TEST_F(PictureRun, RefusedAndFailedRunsLeaveNoFile) {
    const RefusedRow rows[] = {
        {{"--png", path("x.png"), "2000-02-30", "1", "M"}, "DATE \"2000-02-30\""},
        {{"--png", path("x.png"), "--batch"}, "cannot be used with --batch"},
        {{"--png", path("missing/x.png"), "2000-01-01", "1", "M"}, "無法寫入檔案"},
        {{"--pdf", path("missing/x.pdf"), "2000-01-01", "1", "M"}, "無法寫入檔案"},
        {{"--data", path("nowhere"), "--png", path("x.png"), "2000-01-01", "1", "M"}, "data folder not found"},
    };
    for (const RefusedRow& row : rows) {
        const ToolRun run = RunWithoutDisplay(kTool, row.arguments);
        EXPECT_EQ(run.exitCode, 2) << row.messagePart;
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(QString::fromUtf8(row.messagePart))) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(path("x.png")));
    }
}

// velmora-chart copied alone: its JSON still works, a picture says what is missing.
TEST_F(PictureRun, WithoutTheDrawingProgramAPictureIsRefused) {
    const QString alone = path("velmora-chart");
    ASSERT_TRUE(QFile::copy(kTool, alone));
    const ToolRun json = RunWithoutDisplay(alone, {"--data", VELMORA_DATA_DIR, "2000-01-01", "1", "M"});
    EXPECT_EQ(json.exitCode, 0) << json.err.toStdString();
    const ToolRun png = RunWithoutDisplay(alone, {"--data", VELMORA_DATA_DIR, "--png", path("x.png"), "2000-01-01", "1", "M"});
    EXPECT_EQ(png.exitCode, 2);
    EXPECT_TRUE(png.err.contains("cannot start")) << png.err.toStdString();
    EXPECT_TRUE(png.err.contains("velmora-chart-draw")) << png.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("x.png")));
}

}  // namespace
}  // namespace velmora::tool::testing
