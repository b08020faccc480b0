// Dates whose lunar reading is widely known, and the months and solar terms that the
// mended year records put right.

#include <gtest/gtest.h>

#include <ostream>

#include "calendar/CalendarDay.h"
#include "tests/calendar/CalendarTestSupport.h"

namespace velmora {
namespace {

using test::Calculate;

struct KnownLunarRow {
    int year, month, day;
    int lunarYear, lunarMonth, lunarDay, leapKind;
};

std::ostream& operator<<(std::ostream& out, const KnownLunarRow& row) {
    return out << row.year << '-' << row.month << '-' << row.day;
}

class KnownLunarDates : public ::testing::TestWithParam<KnownLunarRow> {};

TEST_P(KnownLunarDates, ConvertAsTheCalendarReads) {
    const KnownLunarRow& row = GetParam();
    const CalendarDay result = Calculate(row.year, row.month, row.day, 0);
    EXPECT_EQ(result.LunarYear, row.lunarYear);
    EXPECT_EQ(result.LunarMonth, row.lunarMonth);
    EXPECT_EQ(result.LunarDay, row.lunarDay);
    EXPECT_EQ(result.LeapKind, row.leapKind);
}

// date -> lunar year, month, day, LeapKind (1 ordinary, 2 leap)
INSTANTIATE_TEST_SUITE_P(NewYearsAndLeapMonths, KnownLunarDates, ::testing::Values(
    KnownLunarRow{1949, 1, 29, 1949, 1, 1, 1},
    KnownLunarRow{1949, 1, 28, 1948, 12, 30, 1},
    KnownLunarRow{2000, 2, 5, 2000, 1, 1, 1},
    KnownLunarRow{2024, 2, 10, 2024, 1, 1, 1},
    KnownLunarRow{2024, 9, 17, 2024, 8, 15, 1},     // mid-autumn 2024
    KnownLunarRow{2023, 3, 21, 2023, 2, 30, 1},     // 2023: leap month after month 2
    KnownLunarRow{2020, 5, 23, 2020, 4, 1, 2},      // 2020: leap month after month 4
    KnownLunarRow{2020, 6, 21, 2020, 5, 1, 1}));

// The months of 1914, 1920 and 2033-08..2034-01 as the mended records give them.
INSTANTIATE_TEST_SUITE_P(MendedMonths, KnownLunarDates, ::testing::Values(
    KnownLunarRow{1914, 11, 16, 1914, 9, 29, 1},    // month 9 of 1914 has 29 days
    KnownLunarRow{1914, 11, 17, 1914, 10, 1, 1},
    KnownLunarRow{1914, 12, 16, 1914, 10, 30, 1},   // and month 10 has 30
    KnownLunarRow{1920, 11, 9, 1920, 9, 29, 1},
    KnownLunarRow{1920, 11, 10, 1920, 10, 1, 1},
    KnownLunarRow{1920, 12, 9, 1920, 10, 30, 1},
    KnownLunarRow{2033, 8, 25, 2033, 8, 1, 1},      // no leap month after month 7
    KnownLunarRow{2033, 9, 23, 2033, 9, 1, 1},
    KnownLunarRow{2033, 10, 23, 2033, 10, 1, 1},
    KnownLunarRow{2033, 11, 22, 2033, 11, 1, 1},
    KnownLunarRow{2033, 12, 21, 2033, 11, 30, 1},   // winter solstice in month 11
    KnownLunarRow{2033, 12, 22, 2033, 11, 1, 2},    // the leap month follows month 11
    KnownLunarRow{2034, 1, 19, 2033, 11, 29, 2},
    KnownLunarRow{2034, 1, 20, 2033, 12, 1, 1},
    KnownLunarRow{2034, 2, 19, 2034, 1, 1, 1}));

TEST(MendedMonths, The2033LeapDigitIsHexadecimalB) {
    const CalendarDay day = Calculate(2033, 12, 22, 0);
    EXPECT_EQ(day.LeapMonthDigit, 'B');
    EXPECT_EQ(LeapMonthNumber(day.LeapMonthDigit), 11);
}

struct SolarTermRow {
    int year, month, day;
    int monthBranch;           // branch of the month pillar
    const char* solarYear;     // the year pillar counted from 立春
};

std::ostream& operator<<(std::ostream& out, const SolarTermRow& row) {
    return out << row.year << '-' << row.month << '-' << row.day;
}

class MendedSolarTerms : public ::testing::TestWithParam<SolarTermRow> {};

TEST_P(MendedSolarTerms, OpenTheirMonthOnTheRightDay) {
    const SolarTermRow& row = GetParam();
    const PillarTable pillars = Calculate(row.year, row.month, row.day, 0).Pillars;
    EXPECT_EQ(pillars.MonthPillar.branch, row.monthBranch);
    EXPECT_EQ(pillars.SolarYearPillar, test::PillarOf(row.solarYear));
}

// date -> month branch (1 子 .. 12 亥), 立春-year pillar; each pair straddles a mended term
INSTANTIATE_TEST_SUITE_P(Rows, MendedSolarTerms, ::testing::Values(
    SolarTermRow{1997, 8, 6, 8, "丁丑"},   // 立秋 1997-08-07
    SolarTermRow{1997, 8, 7, 9, "丁丑"},
    SolarTermRow{1907, 8, 8, 8, "丁未"},   // 立秋 1907-08-09
    SolarTermRow{1907, 8, 9, 9, "丁未"},
    SolarTermRow{1930, 10, 8, 10, "庚午"}, // 寒露 1930-10-09
    SolarTermRow{1930, 10, 9, 11, "庚午"},
    SolarTermRow{1930, 11, 8, 12, "庚午"}, // 立冬 1930-11-08
    SolarTermRow{1931, 1, 5, 1, "庚午"},   // 小寒 1931-01-06
    SolarTermRow{1931, 1, 6, 2, "庚午"},
    SolarTermRow{2071, 2, 3, 2, "庚寅"},   // 立春 2071-02-04
    SolarTermRow{2071, 2, 4, 3, "辛卯"},
    SolarTermRow{2080, 3, 4, 3, "庚子"},   // 驚蟄 2080-03-05
    SolarTermRow{2080, 3, 5, 4, "庚子"},
    SolarTermRow{2081, 1, 4, 1, "庚子"},   // 小寒 2081-01-05
    SolarTermRow{2081, 1, 5, 2, "庚子"}));

}  // namespace
}  // namespace velmora
