// The time layers over a charted record: flowing stars, the decade and the
// minor limit by age, the flowing month around leap months, and the age.

#include <QLabel>

#include <map>

#include "calendar/CalendarDay.h"
#include "chart/NatalChart.h"
#include "tests/ui/layers/LayersFixture.h"
#include "ui/common/RowLabel.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"

namespace velmora::testing {
namespace {

constexpr int kZi = 1, kChou = 2, kYin = 3, kMao = 4, kSi = 6, kYou = 10, kXu = 11;

QString Names(std::initializer_list<const char*> names) {
    QString line;
    for (const char* name : names) {
        line += QString::fromUtf8(name) + QLatin1Char(' ');
    }
    return line;
}

TEST_F(LayersTest, JiaYearStarsOnTheFlowingYearLayer) {
    chart({QDate(1984, 6, 15), 6, true});
    ASSERT_TRUE(ShowDate(*form, QDate(2024, 5, 14)));  // 甲辰
    clickLayer(3);
    // Columns: branch, its flowing-star line.
    const std::map<int, QString> expected{
        {kChou, Names({"流陀", "直符"})}, {kYin, Names({"流祿"})},        {kMao, Names({"流羊"})},
        {kSi, Names({"流昌", "奏書"})},   {kYou, Names({"流曲", "將軍"})},
    };
    for (int branch = 1; branch <= 12; ++branch) {
        const auto row = expected.find(branch);
        EXPECT_EQ(flowingLine(branch - 1), row == expected.end() ? QString() : row->second) << branch;
        EXPECT_FALSE(form->board().palaceLabel(board::PalaceSet::LAB02, branch - 1)->isHidden());
    }
    EXPECT_EQ(form->session().FocusBranch, 5);  // 辰

    // The decade layer hides the lines and leaves them as they are.
    clickLayer(1);
    EXPECT_EQ(flowingLine(kYin - 1), Names({"流祿"}));
    EXPECT_TRUE(form->board().palaceLabel(board::PalaceSet::LAB02, kYin - 1)->isHidden());

    // The flowing day rebuilds them from empty, by the day stem.
    clickLayer(5);
    QString all;
    for (int b = 0; b < 12; ++b) {
        all += flowingLine(b);
    }
    EXPECT_FALSE(all.contains(QStringLiteral("直符")));
    EXPECT_TRUE(all.contains(QStringLiteral("流魁")));
    EXPECT_EQ(all.count(QLatin1Char(' ')), 5);
}

// A birth in a yang year whose life palace gives the water bureau (number 2),
// found by the engine.
Record WaterBureauBirth() {
    for (QDate date(1980, 6, 1);; date = date.addDays(1)) {
        for (int hour = 0; hour < 12; ++hour) {
            CalendarDay day;
            day.SolarYear = static_cast<std::int16_t>(date.year());
            day.SolarMonth = static_cast<std::int16_t>(date.month());
            day.SolarDay = static_cast<std::int16_t>(date.day());
            day.ClockHour = static_cast<std::int16_t>(2 * hour);
            CalcCalendar(day);
            BirthInput birth;
            ChartState chart;
            ComputeNatalChart(day, birth, chart);
            if (BureauNumberOf(chart.BureauIndex) == 2 && birth.YinYang == 1) {
                return {date, hour};
            }
        }
    }
}

// Columns: male (a yang year: forward), nominal age, focus palace's steps from the life palace.
struct DecadeCase {
    bool male;
    int age;
    int steps;
};

TEST_F(LayersTest, DecadeLayerByAgeInBothDirections) {
    Record record = WaterBureauBirth();
    const QDate birth = record.birth;
    const std::vector<DecadeCase> rows{
        {true, 1, -1}, {true, 11, 0}, {true, 12, 1},     // forward
        {false, 1, 1}, {false, 11, 0}, {false, 12, -1},  // backward
    };
    for (const DecadeCase& row : rows) {
        record.male = row.male;
        chart(record);
        ASSERT_EQ(form->session().BureauNumber, 2);
        ASSERT_EQ(form->session().birth.YinYang, 1);
        clickLayer(1);
        ASSERT_TRUE(ShowDate(*form, birth.addYears(row.age - 1).addDays(1)));
        EXPECT_EQ(form->session().NominalAge, row.age);
        EXPECT_EQ(find<QLabel>(QStringLiteral("Label6_1"))->text(), NumberText(row.age) + QStringLiteral(" 歲"));
        const int life = form->session().chart.PalaceTable[1].branch;
        EXPECT_EQ(form->session().FocusBranch, ReduceBranch(life + row.steps))
            << (row.male ? "male" : "female") << " age " << row.age;
        EXPECT_EQ(form->session().MarkStem, form->session().birth.YearStem);
    }
}

// Columns: male, nominal age, minor-limit branch.
struct MinorLimitCase {
    bool male;
    int age;
    int branch;
};

TEST_F(LayersTest, MinorLimitOfBirthsInAZiYear) {
    const QDate birth(1984, 6, 15);  // 甲子
    const std::vector<MinorLimitCase> rows{{true, 1, kXu}, {true, 12, kYou}, {false, 2, kYou}, {false, 1, kXu}};
    for (const MinorLimitCase& row : rows) {
        chart({birth, 3, row.male});
        clickLayer(2);
        ASSERT_TRUE(ShowDate(*form, birth.addYears(row.age - 1).addDays(1)));
        ASSERT_EQ(form->session().NominalAge, row.age);
        EXPECT_EQ(form->session().FocusBranch, row.branch) << (row.male ? "male" : "female") << " age " << row.age;
        EXPECT_EQ(form->session().MarkStem, form->session().calendar.Pillars.YearPillar.stem);
    }
}

// Columns: shown date, the months elapsed in its lunar year.
struct MonthCase {
    QDate date;
    int monthsElapsed;
};

TEST_F(LayersTest, FlowingMonthCountsLeapMonths) {
    chart({QDate(1980, 6, 10), 6, true});
    clickLayer(4);
    const std::vector<MonthCase> rows{
        {QDate(1984, 3, 15), 1},    // 1984 has a leap tenth month ("A"): the second month
        {QDate(1984, 10, 25), 9},   // the tenth month
        {QDate(1984, 11, 23), 10},  // the leap tenth month
        {QDate(1984, 12, 22), 11},  // the eleventh, after the leap month
        {QDate(1985, 1, 21), 0},    // the twelfth after a leap month counts as none
        {QDate(2033, 12, 21), 10},  // 2033 has a leap eleventh month ("B"): the eleventh
        {QDate(2033, 12, 22), 11},  // the leap eleventh month
        {QDate(2034, 1, 20), 0},    // the twelfth
    };
    for (const MonthCase& row : rows) {
        ASSERT_TRUE(ShowDate(*form, row.date));
        const CalendarDay& shown = form->session().calendar;
        ASSERT_EQ(shown.LeapMonthDigit, shown.LunarYear == 1984 ? 'A' : 'B');
        const int douJun = form->session().birth.DouJunBranch + shown.Pillars.YearPillar.branch - 1;
        EXPECT_EQ(form->session().FocusBranch, ReduceBranch(douJun + row.monthsElapsed))
            << row.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(form->session().MarkStem, shown.Pillars.YearPillar.stem);
    }
}

TEST_F(LayersTest, AgesPastTwoCyclesCountEveryYear) {
    start(QDateTime(QDate(2099, 6, 1), QTime(12, 0)));
    chart({QDate(1901, 3, 1), 6, true});
    ASSERT_TRUE(ShowDate(*form, QDate(2099, 6, 1)));
    EXPECT_EQ(form->session().NominalAge, 199);
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label6_1"))->text(), QStringLiteral(" 199 歲"));
}

TEST_F(LayersTest, DateStepsFollowTheLayer) {
    chart({QDate(1984, 6, 15), 6, true});
    clickLayer(5);
    ASSERT_TRUE(ShowDate(*form, QDate(2024, 5, 14)));
    const int dayStem = form->session().calendar.Pillars.DayPillar.stem;
    const int focus = form->session().FocusBranch;
    step(2, 1);
    EXPECT_EQ(form->session().calendar.Pillars.DayPillar.stem, dayStem % 10 + 1);
    EXPECT_EQ(form->session().MarkStem, dayStem % 10 + 1);
    EXPECT_EQ(form->session().FocusBranch, ReduceBranch(focus + 1));  // one lunar day on
    expectMarksOfStem(dayStem % 10 + 1);
}

TEST_F(LayersTest, FlowingStarsOfARecordDoNotShowOnAChartByDate) {
    chart({QDate(1984, 6, 15), 6, true});
    clickLayer(3);
    ASSERT_FALSE(flowingLine(kYin - 1).isEmpty());
    ChartByDate(*form, QDate(2024, 5, 14), 7);
    clickLayer(3);
    step(2, 1);  // the chart by date shows the layer's labels from now on
    for (int b = 0; b < 12; ++b) {
        EXPECT_FALSE(form->board().palaceLabel(board::PalaceSet::LAB02, b)->isHidden());
        EXPECT_TRUE(flowingLine(b).isEmpty()) << b;
    }
}

}  // namespace
}  // namespace velmora::testing
