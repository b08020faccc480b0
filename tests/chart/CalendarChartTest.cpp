// Charts from Gregorian dates through the calendar: the worked chart, leap
// months, ages across cycles, and a sweep over every period and gender on
// 2,000 dates spread over 1901..2099.

#include <gtest/gtest.h>

#include <chrono>

#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"
#include "tests/chart/ChartInvariants.h"
#include "tests/chart/HandCalendar.h"

namespace velmora {
namespace {

constexpr int kLateZiClockHour = 23;

CalendarDay Calendar(int year, int month, int day, int clockHour = 0) {
    CalendarDay c;
    c.SolarYear = static_cast<std::int16_t>(year);
    c.SolarMonth = static_cast<std::int16_t>(month);
    c.SolarDay = static_cast<std::int16_t>(day);
    c.ClockHour = static_cast<std::int16_t>(clockHour);
    CalcCalendar(c);
    return c;
}

struct Natal {
    CalendarDay day;
    BirthInput input;
    ChartState chart;
};

Natal ChartOf(int year, int month, int day, int clockHour, int gender) {
    Natal n;
    n.day = Calendar(year, month, day, clockHour);
    n.input.Gender = static_cast<std::int16_t>(gender);
    ComputeNatalChart(n.day, n.input, n.chart);
    return n;
}

TEST(CalendarChart, TheWorkedChartFromItsGregorianDate) {
    const Natal n = ChartOf(2000, 1, 1, 0, 1);
    EXPECT_EQ(n.chart.PalaceTable[1], (PalaceRow{3, 1}));  // 丙子
    EXPECT_EQ(n.chart.BureauIndex, 5);
    EXPECT_EQ(n.chart.StarTable[1].branch, 2);
    EXPECT_EQ(n.input.DouJunBranch, 3);
    EXPECT_EQ(n.chart.BranchStarList[1], "002 018 019 035 041 047 062 074 089");
    EXPECT_EQ(n.chart.BranchStarList[12], "027 028 034 063 075 088");
}

TEST(CalendarChart, LeapMonthHalvesFromGregorianDates) {
    struct Row { int month, day, lunarDay, life, body; };
    // 2023 has a leap second month (2023-03-22 .. 2023-04-19); period 子.
    const Row rows[] = {{4, 4, 14, 4, 4}, {4, 5, 15, 5, 4}, {4, 19, 29, 5, 4}};
    for (const Row& r : rows) {
        const Natal n = ChartOf(2023, r.month, r.day, 0, 1);
        ASSERT_EQ(n.day.LeapKind, test::kInLeapMonth);
        ASSERT_EQ(n.day.LunarDay, r.lunarDay);
        EXPECT_EQ(n.chart.PalaceTable[1].branch, r.life) << "2023-" << r.month << "-" << r.day;
        EXPECT_EQ(n.chart.PalaceTable[kBodyPalaceRow].branch, r.body) << "2023-" << r.month << "-" << r.day;
    }
}

TEST(CalendarChart, MonthsElapsedInYearsWithLateLeapMonths) {
    struct Row { int year, month, day, elapsed; };
    // 1984 has a leap tenth month, 2033 a leap eleventh month (digit "B").
    const Row rows[] = {{1984, 11, 22, 9},  {1984, 11, 23, 10}, {1984, 12, 22, 11}, {1985, 1, 30, 0},
                        {2033, 12, 1, 10},  {2034, 1, 5, 11},   {2034, 2, 1, 0}};
    for (const Row& r : rows) {
        const CalendarDay shown = Calendar(r.year, r.month, r.day);
        EXPECT_EQ(ComputeLayerCommon(BirthInput{}, shown).monthsElapsed, r.elapsed)
            << r.year << "-" << r.month << "-" << r.day;
    }
}

TEST(CalendarChart, NominalAgeAcrossCycles) {
    struct Row { int year, month, day, age; };
    // Born 1924-03-01, lunar 1924, a 甲子 year.
    const Row rows[] = {{1924, 1, 15, 60}, {1924, 3, 1, 1},    {1925, 3, 1, 2},
                        {1984, 3, 1, 61},  {2044, 3, 1, 121}, {2099, 12, 31, 176}};
    const Natal birth = ChartOf(1924, 3, 1, 0, 1);
    for (const Row& r : rows) {
        std::int16_t age = 0;
        EXPECT_TRUE(oldx(birth.input, birth.chart, Calendar(r.year, r.month, r.day), age));
        EXPECT_EQ(age, r.age) << r.year << "-" << r.month << "-" << r.day;
    }
}

// Every layer, shown on the birth moment itself, points into the board and marks a stem.
void ExpectLayersOnTheBirthDay(const Natal& n) {
    std::int16_t age = 0;
    ASSERT_TRUE(oldx(n.input, n.chart, n.day, age));
    EXPECT_EQ(age, 1);
    for (int layer = 1; layer < kLayerCount; ++layer) {
        const LayerView view = ComputeLayer(layer, n.input, n.chart, n.day, age, BureauNumberOf(n.chart.BureauIndex));
        ASSERT_TRUE(view.FocusBranch && view.MarkStem) << "layer " << layer;
        EXPECT_GE(*view.FocusBranch, 1);
        EXPECT_LE(*view.FocusBranch, kBranches);
        EXPECT_GE(*view.MarkStem, 1);
        EXPECT_LE(*view.MarkStem, kStems);
    }
    // At age 1 the decade before the first one is shown, one palace back from the life palace.
    const int life = n.chart.PalaceTable[1].branch;
    const bool forward = n.input.YinYang == n.input.Gender;
    EXPECT_EQ(ComputeLayer(1, n.input, n.chart, n.day, 1, BureauNumberOf(n.chart.BureauIndex)).FocusBranch,
              ReduceBranch(forward ? life - 1 : life + 1));
}

TEST(CalendarChart, SweepOverDatesPeriodsAndGenders) {
    using namespace std::chrono;
    constexpr int kDates = 2000;
    const sys_days first = year{1901} / January / 1;
    const sys_days last = year{2099} / December / 31;
    const int span = static_cast<int>((last - first).count());
    const int clockHours[] = {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, kLateZiClockHour};
    for (int i = 0; i < kDates; ++i) {
        const year_month_day date{first + days{static_cast<long long>(i) * span / (kDates - 1)}};
        const int y = static_cast<int>(date.year());
        const int m = static_cast<int>(static_cast<unsigned>(date.month()));
        const int d = static_cast<int>(static_cast<unsigned>(date.day()));
        for (const int clockHour : clockHours) {
            for (const int gender : {0, 1}) {
                const Natal n = ChartOf(y, m, d, clockHour, gender);
                SCOPED_TRACE(testing::Message() << y << "-" << m << "-" << d << " clock hour " << clockHour
                                                << " gender " << gender);
                test::ExpectSoundChart(n.input, n.chart);
                ExpectLayersOnTheBirthDay(n);
                if (HasFailure()) return;  // one broken chart is enough to read
            }
        }
    }
}

}  // namespace
}  // namespace velmora
