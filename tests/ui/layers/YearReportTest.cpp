// The 流年報告 window against velmora-chart --years: the same rows and the
// same CSV for the same birth; a chosen row moves the date to its year's turn
// on the 流年 layer; the PDF is A4 portrait.

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "output/ReferenceLoad.h"
#include "script/CachedConverter.h"
#include "ui/chartio/ScriptCommand.h"
#include "output/YearReport.h"
#include "tests/ui/layers/LayersFixture.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ExportDialogs.h"
#include "ui/reading/YearReportView.h"

namespace velmora::testing {
namespace {

constexpr int kYearLayer = 3;
constexpr double kA4WidthPoints = 595.3;
constexpr double kA4HeightPoints = 841.9;

// Columns: birth, record hour (0 子 .. 11 亥), male, span typed ("" for birth to age 100).
struct ReportCase {
    QDate birth;
    int hour;
    bool male;
    const char* span;
};
const std::vector<ReportCase> kBirths{
    {QDate(1990, 1, 27), 0, true, ""},             // on 正月初一
    {QDate(1990, 2, 4), 11, false, "1990-2030"},   // on 立春
    {QDate(2020, 5, 23), 6, true, "2020-2099"},    // in a leap month, to the calendar's last year
};

class YearReportTest : public LayersTest {
protected:
    YearReportView& view() { return form->yearReportView(); }

    void open(const ReportCase& c) {
        chart({c.birth, c.hour, c.male});
        view().spanField()->setText(QString::fromUtf8(c.span));
        view().toggleAction()->setChecked(true);
        view().refresh();
    }

    // velmora-chart --years for the same birth and span.
    std::vector<YearRow> commandLineRows(const ReportCase& c, tool::ChartResult& natal) {
        EXPECT_FALSE(tool::LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), true, tables_).error);
        const tool::Query birth{{c.birth.year(), c.birth.month(), c.birth.day()}, c.hour + 1,
                                c.male ? tool::kMale : tool::kFemale, std::nullopt};
        const tool::YearSpan span{view().report().rows.front().year, view().report().rows.back().year};
        std::vector<YearRow> rows;
        EXPECT_FALSE(tool::ComputeYearReport(birth, span, tables_, form->session().conventions, natal, rows));
        return rows;
    }

    tool::ReferenceTables tables_;
};

TEST_F(YearReportTest, RowsAndCsvEqualTheCommandLines) {
    for (const ReportCase& c : kBirths) {
        SCOPED_TRACE(c.birth.toString(Qt::ISODate).toStdString());
        open(c);
        const std::vector<YearRow>& shown = view().report().rows;
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.front().year, std::string_view(c.span).empty() ? c.birth.year() : std::stoi(c.span));
        if (std::string_view(c.span).empty()) {
            EXPECT_EQ(shown.back().nominalAge, 100);
        }
        tool::ChartResult natal;
        const std::vector<YearRow> expected = commandLineRows(c, natal);
        ASSERT_EQ(shown.size(), expected.size());
        const tool::YearReportWords words(tables_.names);
        std::string csv;
        tool::AppendYearCsvHeader(csv);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(tool::YearRowFields(shown[i], view().report().natal, words),
                      tool::YearRowFields(expected[i], natal, words)) << expected[i].year;
            const auto cells = YearRowCells(expected[i], natal, words);
            EXPECT_EQ(view().cells(static_cast<int>(i)).join(u'|').toStdString(),
                      QStringList(cells.begin(), cells.end()).join(u'|').toStdString());
            tool::AppendYearRowCsv(expected[i], natal, words, csv);
        }
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("years.csv"));
        auto dialogs = std::make_shared<ScriptedExportDialogs>();
        dialogs->queueFileName(path);
        form->chartCommands().setDialogs(dialogs);
        view().exportCsv();
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll().toStdString(), csv);
    }
}

// Columns: row, chosen by Enter (else by a click).
TEST_F(YearReportTest, AChosenRowMovesTheDateToItsTurnOnTheYearLayer) {
    open(kBirths[0]);
    const std::vector<std::pair<int, bool>> rows{{0, false}, {1, true}, {34, false}, {98, true}, {99, false}};
    for (const auto& [row, byEnter] : rows) {
        QTreeWidget* table = view().table();
        QTreeWidgetItem* item = table->topLevelItem(row);
        ASSERT_NE(item, nullptr);
        if (byEnter) {
            table->setCurrentItem(item);
            QTest::keyClick(table->viewport(), Qt::Key_Return);
        } else {
            table->scrollToItem(item);
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(item).center());
        }
        const YearRow& expected = view().report().rows[static_cast<std::size_t>(row)];
        EXPECT_EQ(shownDate(), QDate(expected.shown.SolarYear, expected.shown.SolarMonth, expected.shown.SolarDay)
                                   .toString(Qt::ISODate)) << row;
        EXPECT_EQ(form->session().LayerIndex, kYearLayer) << row;
        EXPECT_EQ(form->session().FocusBranch, expected.annual.focusBranch) << row;
        EXPECT_EQ(table->indexOfTopLevelItem(table->currentItem()), row);
    }
}

// In 简体 every cell reads as the command line's --script simplified writes it.
TEST_F(YearReportTest, CellsFollowTheShownScript) {
    open(kBirths[0]);
    const QStringList traditional = view().cells(0);
    form->scriptCommand().setScript(Script::Simplified);  // the view follows without being told
    CachedConverter converter;
    const tool::YearReportWords words(form->session().names);  // the names as 简体 shows them
    QStringList expected;
    for (const QString& cell : YearRowCells(view().report().rows[0], view().report().natal, words))
        expected << QString::fromStdString(converter.convert(cell.toStdString()));
    EXPECT_EQ(view().cells(0).join(u'|').toStdString(), expected.join(u'|').toStdString());
    EXPECT_NE(view().cells(0), traditional);
    QString all;
    for (int row = 0; row < view().table()->topLevelItemCount(); ++row) all += view().cells(row).join(QString());
    EXPECT_TRUE(all.contains(QStringLiteral("廉贞")));  // a star name a converter alone keeps Traditional
    EXPECT_FALSE(all.contains(QStringLiteral("廉貞")));
}

TEST_F(YearReportTest, ThePdfIsATableOnA4PortraitPages) {
    open(kBirths[0]);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("years.pdf"));
    auto dialogs = std::make_shared<ScriptedExportDialogs>();
    dialogs->queueFileName(path);
    form->chartCommands().setDialogs(dialogs);
    view().exportPdf();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(written.readAll());
    EXPECT_TRUE(pdf.startsWith(QStringLiteral("%PDF")));
    const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    int pages = 0;
    for (auto it = mediaBox.globalMatch(pdf); it.hasNext(); ++pages) {
        const QRegularExpressionMatch box = it.next();
        EXPECT_NEAR(box.captured(1).toDouble(), kA4WidthPoints, 1);
        EXPECT_NEAR(box.captured(2).toDouble(), kA4HeightPoints, 1);
    }
    EXPECT_GE(pages, 2);  // a hundred years do not fit on one page
}

}  // namespace
}  // namespace velmora::testing
