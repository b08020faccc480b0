// The worked examples of the lunar conversion and the pillars, the late 子 period,
// the hour branch and what happens to inputs outside the calendar's range.

#include <gtest/gtest.h>

#include <ostream>

#include "calendar/CalendarDay.h"
#include "tests/calendar/CalendarTestSupport.h"

namespace velmora {
namespace {

using test::Calculate;
using test::PillarOf;

struct LunarRow {
    int year, month, day, clockHour;
    int lunarYear, lunarMonth, lunarDay, leapKind;
    char leapDigit;
};

std::ostream& operator<<(std::ostream& out, const LunarRow& row) {
    return out << row.year << '-' << row.month << '-' << row.day << " h" << row.clockHour;
}

class LunarConversion : public ::testing::TestWithParam<LunarRow> {};

TEST_P(LunarConversion, GivesLunarDateLeapKindAndDigit) {
    const LunarRow& row = GetParam();
    const CalendarDay result = Calculate(row.year, row.month, row.day, row.clockHour);
    EXPECT_EQ(result.LunarYear, row.lunarYear);
    EXPECT_EQ(result.LunarMonth, row.lunarMonth);
    EXPECT_EQ(result.LunarDay, row.lunarDay);
    EXPECT_EQ(result.LeapKind, row.leapKind);
    EXPECT_EQ(result.LeapMonthDigit, row.leapDigit);
    // The input fields are never rewritten, the late 子 period included.
    EXPECT_EQ(result.SolarDay, row.day);
    EXPECT_EQ(result.ClockHour, row.clockHour);
}

// year, month, day, clock hour -> lunar year, month, day, LeapKind, leap digit
INSTANTIATE_TEST_SUITE_P(WorkedExamples, LunarConversion, ::testing::Values(
    LunarRow{2000, 1, 1, 0, 1999, 11, 25, 1, '0'},
    LunarRow{1984, 2, 2, 0, 1984, 1, 1, 1, 'A'},      // the new-year day itself
    LunarRow{1984, 11, 23, 0, 1984, 10, 1, 2, 'A'},   // leap month after month 10
    LunarRow{1984, 12, 21, 0, 1984, 10, 29, 2, 'A'},
    LunarRow{1984, 12, 22, 0, 1984, 11, 1, 1, 'A'},
    LunarRow{2023, 3, 22, 0, 2023, 2, 1, 2, '2'},
    LunarRow{2023, 4, 19, 0, 2023, 2, 29, 2, '2'},
    LunarRow{2023, 4, 20, 0, 2023, 3, 1, 1, '2'},
    LunarRow{1901, 1, 1, 0, 1900, 11, 11, 1, '8'},    // served by the 1900 record
    LunarRow{1901, 2, 18, 0, 1900, 12, 30, 1, '8'},
    LunarRow{1901, 2, 19, 0, 1901, 1, 1, 1, '0'},
    LunarRow{1985, 2, 4, 23, 1984, 12, 16, 1, 'A'},   // late 子: converts 1985-02-05
    LunarRow{2099, 12, 31, 23, 2099, 11, 21, 1, '2'}, // late 子: converts 2100-01-01
    LunarRow{1990, 1, 31, 23, 1990, 1, 6, 1, '5'},    // late 子 at a month end: 1990-02-01
    LunarRow{2000, 12, 31, 23, 2000, 12, 7, 1, '0'}));// late 子 at a year end: 2001-01-01

TEST(LateZiPeriod, ConvertsTheNextDayAsItsZiHour) {
    const CalendarDay late = Calculate(1990, 1, 31, 23);
    const CalendarDay nextMorning = Calculate(1990, 2, 1, 0);
    EXPECT_EQ(late.LunarMonth, nextMorning.LunarMonth);
    EXPECT_EQ(late.LunarDay, nextMorning.LunarDay);
    EXPECT_EQ(late.HourBranch, 1);
    EXPECT_EQ(late.Pillars.DayPillar, nextMorning.Pillars.DayPillar);
    EXPECT_EQ(late.Pillars.HourPillar, nextMorning.Pillars.HourPillar);
}

struct PillarRow {
    int year, month, day, clockHour;
    const char* yearPillar;
    const char* monthPillar;
    const char* dayPillar;
    const char* hourPillar;
    const char* solarYearPillar;
};

std::ostream& operator<<(std::ostream& out, const PillarRow& row) {
    return out << row.year << '-' << row.month << '-' << row.day << " h" << row.clockHour;
}

class Pillars : public ::testing::TestWithParam<PillarRow> {};

TEST_P(Pillars, MatchTheBirthMoment) {
    const PillarRow& row = GetParam();
    const PillarTable pillars = Calculate(row.year, row.month, row.day, row.clockHour).Pillars;
    EXPECT_EQ(pillars.YearPillar, PillarOf(row.yearPillar));
    EXPECT_EQ(pillars.MonthPillar, PillarOf(row.monthPillar));
    EXPECT_EQ(pillars.DayPillar, PillarOf(row.dayPillar));
    EXPECT_EQ(pillars.HourPillar, PillarOf(row.hourPillar));
    EXPECT_EQ(pillars.SolarYearPillar, PillarOf(row.solarYearPillar));
}

// date, clock hour -> year, month, day, hour and 立春-year pillars
INSTANTIATE_TEST_SUITE_P(WorkedExamples, Pillars, ::testing::Values(
    PillarRow{2000, 1, 1, 0, "己卯", "丙子", "戊午", "壬子", "己卯"},
    PillarRow{1984, 2, 2, 12, "甲子", "丁丑", "丙寅", "甲午", "癸亥"},   // new year before 立春
    PillarRow{1990, 2, 3, 10, "庚午", "己丑", "己亥", "己巳", "己巳"},
    PillarRow{1985, 2, 4, 23, "甲子", "丙寅", "乙亥", "丙子", "乙丑"},   // late 子 on 立春 eve
    PillarRow{2023, 3, 22, 14, "癸卯", "乙卯", "己卯", "辛未", "癸卯"},
    PillarRow{1949, 10, 1, 0, "己丑", "癸酉", "甲子", "甲子", "己丑"},
    PillarRow{2000, 1, 6, 0, "己卯", "丁丑", "癸亥", "壬子", "己卯"},    // 小寒 2000-01-06 opens 丑
    PillarRow{2000, 1, 5, 22, "己卯", "丙子", "壬戌", "辛亥", "己卯"},   // the eve of 小寒 stays 子
    PillarRow{2000, 2, 4, 0, "己卯", "丙寅", "壬辰", "庚子", "庚辰"},    // 立春 before the new year:
                                                                     // stem from lunar year 1999
    PillarRow{2000, 2, 3, 0, "己卯", "丁丑", "辛卯", "戊子", "己卯"}));

struct HourRow {
    int clockHour;
    int hourBranch;
};

class HourBranch : public ::testing::TestWithParam<HourRow> {};

TEST_P(HourBranch, HalvesTheHourRoundingHalvesToEven) {
    EXPECT_EQ(Calculate(2000, 6, 15, GetParam().clockHour).HourBranch, GetParam().hourBranch);
}

// clock hour -> hour branch; odd hours are never given by the windows but still round
INSTANTIATE_TEST_SUITE_P(EveryHour, HourBranch, ::testing::Values(
    HourRow{0, 1}, HourRow{2, 2}, HourRow{4, 3}, HourRow{10, 6}, HourRow{12, 7}, HourRow{22, 12},
    HourRow{23, 1}, HourRow{1, 1}, HourRow{3, 3}, HourRow{5, 3}, HourRow{7, 5}, HourRow{21, 11}));

TEST(OutOfRange, YearsOutsideTheTablesLeaveLunarFieldsAndPillars) {
    for (const int year : {1799, 2201, 0, -5, 3000}) {
        CalendarDay day = Calculate(1984, 11, 23, 4);
        const CalendarDay previous = day;
        day.SolarYear = static_cast<std::int16_t>(year);
        day.ClockHour = 6;
        CalcCalendar(day);
        EXPECT_EQ(day.HourBranch, 4) << year;
        day.HourBranch = previous.HourBranch;
        day.SolarYear = previous.SolarYear;
        day.ClockHour = previous.ClockHour;
        EXPECT_EQ(day, previous) << year;
    }
}

struct BadInputRow {
    int month, day, clockHour;
};

class BadInput : public ::testing::TestWithParam<BadInputRow> {};

TEST_P(BadInput, MonthDayOrHourOutsideTheirRangesWriteNothing) {
    CalendarDay day = Calculate(2023, 3, 22, 14);
    day.SolarMonth = static_cast<std::int16_t>(GetParam().month);
    day.SolarDay = static_cast<std::int16_t>(GetParam().day);
    day.ClockHour = static_cast<std::int16_t>(GetParam().clockHour);
    const CalendarDay before = day;
    CalcCalendar(day);
    EXPECT_EQ(day, before);
}

// month, day, clock hour: each row has one field out of range
INSTANTIATE_TEST_SUITE_P(Rows, BadInput, ::testing::Values(
    BadInputRow{0, 1, 0}, BadInputRow{13, 1, 0}, BadInputRow{-1, 1, 0}, BadInputRow{6, 0, 0},
    BadInputRow{6, 32, 0}, BadInputRow{6, -400, 0}, BadInputRow{6, 1, -2}, BadInputRow{6, 1, 24}));

TEST(ConvertLunarDate, CarriesADayPastTheMonthEndIntoTheNextMonth) {
    CalendarDay carried;
    ConvertLunarDate(1990, 4, 31, carried);  // April has 30 days: 1 May
    CalendarDay direct;
    ConvertLunarDate(1990, 5, 1, direct);
    EXPECT_EQ(carried, direct);
    EXPECT_NE(carried.LunarDay, 0);
}

TEST(ConvertLunarDate, LeavesTheRecordWhenTheDayRunsOffTheTables) {
    CalendarDay day;
    ConvertLunarDate(2200, 12, 33, day);    // 2201-01-02, past the last convertible day
    ConvertLunarDate(1800, 1, 0, day);      // 1799-12-31
    ConvertLunarDate(1800, 1, -32000, day);
    EXPECT_EQ(day, CalendarDay{});
}

}  // namespace
}  // namespace velmora
