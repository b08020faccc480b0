// "複製文字" (Ctrl+C): the clipboard holds what velmora-chart --text prints
// for the chart on the board, with all twelve palaces; with a second birth
// laid over the board (對照), what --text --with prints, the overlay's blocks
// among it.

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>

#include "tests/ui/export/ExportFixture.h"
#include "ui/chartio/ChartCopy.h"
#include "ui/board/ChartFill.h"
#include "ui/reading/OverlayView.h"

namespace velmora::testing {
namespace {

constexpr int kPalaceLine = 3;  // name-list line of the palace names
constexpr int kPalaces = 12;

// Columns: chart, velmora-chart's query arguments for it, the second birth
// laid over it (DATE PERIOD GENDER, none when empty).
struct CopyRow {
    ShownChart chart;
    QStringList query;
    QStringList with = {};
};

// The birth of `with` (as --with takes it) laid over the board.
void LayOver(Form1& form, const QStringList& with) {
    const QDate date = QDate::fromString(with[0], Qt::ISODate);
    PairPerson person;
    person.birthDay.SolarYear = static_cast<std::int16_t>(date.year());
    person.birthDay.SolarMonth = static_cast<std::int16_t>(date.month());
    person.birthDay.SolarDay = static_cast<std::int16_t>(date.day());
    person.birthDay.ClockHour = static_cast<std::int16_t>((with[1].toInt() - 1) * 2);
    CalcCalendar(person.birthDay);
    person.gender = with[2] == QStringLiteral("M") ? 1 : 0;
    person.conventions = form.session().conventions;
    form.findChild<OverlayView*>()->layOver(person);
}

class CopyText : public ExportTest, public ::testing::WithParamInterface<CopyRow> {
protected:
    // velmora-chart --text on the window's program folder.
    QString toolText(const QStringList& query) const {
        QProcess tool;
        tool.start(QStringLiteral(VELMORA_CHART_EXE),
                   QStringList{QStringLiteral("--data"), folder_.path(), QStringLiteral("--text")} + query);
        EXPECT_TRUE(tool.waitForFinished());
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        return QString::fromUtf8(tool.readAllStandardOutput());
    }
};

TEST_P(CopyText, TheClipboardHoldsTheToolsTextWithEveryPalace) {
    show(GetParam().chart);
    const QStringList& with = GetParam().with;
    if (!with.isEmpty()) LayOver(*form, with);
    QGuiApplication::clipboard()->clear();
    press(Qt::Key_C);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, toolText(with.isEmpty() ? GetParam().query : GetParam().query + QStringList{"--with"} + with));
    EXPECT_EQ(copied.contains(QStringLiteral("疊盤:")), !with.isEmpty());
    for (int palace = 1; palace <= kPalaces; ++palace) {
        const QString name = NameOf(form->session().names, kPalaceLine, palace);
        ASSERT_FALSE(name.isEmpty());
        EXPECT_TRUE(copied.contains(name)) << name.toStdString();
    }
}

const CopyRow kCopyRows[] = {
    {ShownChart::ByDate, {"1984-02-02", "7", "M"}},
    {ShownChart::RecordOnLayer, {"1984-02-02", "7", "M", "2024-05-14", "7", "3"}},
    {ShownChart::ByDate, {"1984-02-02", "7", "M"}, {"1990-03-05", "3", "F"}},
    {ShownChart::RecordOnLayer, {"1984-02-02", "7", "M", "2024-05-14", "7", "3"}, {"1972-11-08", "12", "M"}},
};
INSTANTIATE_TEST_SUITE_P(Charts, CopyText, ::testing::ValuesIn(kCopyRows));

TEST_F(ExportTest, WithoutAChartNothingIsCopied) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    press(Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    EXPECT_FALSE(ShownQuery(*form).has_value());
}

// The copy follows the layer and the shown date of a charted record.
TEST_F(ExportTest, TheCopiedQueryFollowsTheLayer) {
    show(ShownChart::RecordOnLayer);
    form->layerChosen(5);
    const auto query = ShownQuery(*form);
    ASSERT_TRUE(query && query->at);
    EXPECT_EQ(query->at->layer, 5);
    EXPECT_EQ(query->at->date, (tool::QueryDate{2024, 5, 14}));
    EXPECT_EQ(query->period, 7);
    EXPECT_EQ(query->gender, tool::kMale);
}

}  // namespace
}  // namespace velmora::testing
