// The years the calendar gained on either side of 1901..2099: anchors from the issued
// Qing calendar and from astronomy, the rule checks against every principal term of
// the reference, and the days the calendar flags as uncertain or as the Qing almanac's.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "calendar/CalendarDay.h"
#include "calendar/CivilDate.h"
#include "calendar/LunarToSolar.h"
#include "calendar/LunarYearRecord.h"
#include "calendar/TableYears.h"
#include "tests/ReferenceCsv.h"
#include "tests/calendar/CalendarTestSupport.h"

namespace velmora {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

TEST(WideRange, AnchorMonthsOpenOnTheirDays) {
    // Columns: lunar year, month, leap, Gregorian first day; the year's leap digit.
    struct Row { int year, month; bool leap; int solarYear, solarMonth, solarDay; char leapDigit; };
    const Row rows[] = {
        {1805, 6, true, 1805, 7, 26, '6'},  {1805, 7, false, 1805, 8, 24, '6'},
        {1813, 1, false, 1813, 2, 1, '0'},  {1814, 2, true, 1814, 3, 22, '2'},
        {1890, 2, true, 1890, 3, 21, '2'},  {1906, 4, false, 1906, 4, 24, '4'},
        {2033, 11, true, 2033, 12, 22, 'B'}, {2185, 1, false, 2185, 1, 31, '0'},
    };
    for (const Row& row : rows) {
        const sys_days first = CivilDate(row.solarYear, row.solarMonth, row.solarDay);
        EXPECT_EQ(SolarDateOfLunar({row.year, row.month, 1, row.leap}), first) << row.year << '-' << row.month;
        const year_month_day before{first - std::chrono::days{1}};
        const CalendarDay dayBefore =
            test::Calculate(int(before.year()), int(unsigned(before.month())), int(unsigned(before.day())), 12);
        EXPECT_GE(dayBefore.LunarDay, 29) << row.year << '-' << row.month << ": the day before ends a month";
        EXPECT_EQ(LunarYearRecord::Of(row.year).LeapDigit(), row.leapDigit) << row.year;
    }
}

// Every principal term (中氣) of the reference, or the issued calendar's day for it:
// never inside a leap month, and 冬至 (term 11) inside month 11. A term in a month flagged
// uncertain may sit a day off, so those are left out.
TEST(WideRange, NoLeapMonthHoldsAPrincipalTermAndWinterSolsticeIsInMonth11) {
    const test::ReferenceList reference =
        test::ReadReference(std::string(VELMORA_CALENDAR_REFERENCE_DIR) + "/principal_terms.csv", 2);
    ASSERT_EQ(reference.rows.size(), kTableYearCount * 12) << "principal_terms.csv missing or short";
    int checked = 0;
    for (const test::CsvRow& row : reference.rows) {
        const std::string key = row[0] + "," + row[1];
        const std::string text = reference.kept.contains(key) ? reference.kept.at(key)[0] : row[2];
        const int y = std::stoi(text.substr(0, 4)), m = std::stoi(text.substr(5, 2)), d = std::stoi(text.substr(8, 2));
        if (y < kFirstSupportedYear || y > kLastSupportedYear || IsUncertainDate(y, m, d)) continue;
        const CalendarDay day = test::Calculate(y, m, d, 12);
        EXPECT_EQ(day.LeapKind, kLeapKindOrdinaryMonth) << "principal term in a leap month on " << text;
        if (row[1] == "11") {
            EXPECT_EQ(day.LunarMonth, 11) << "冬至 on " << text;
        }
        ++checked;
    }
    EXPECT_GT(checked, 4700);  // all but the terms outside 1800..2200 and those in doubt
}

TEST(WideRange, UncertainDaysStartAndEndWithTheirMonthsOrTerms) {
    // Columns: Gregorian date, clock hour; whether the day is uncertain.
    struct Row { int year, month, day, hour; bool uncertain; };
    const Row rows[] = {
        {2057, 9, 27, 12, false}, {2057, 9, 27, 23, true}, {2057, 9, 28, 0, true}, {2057, 10, 27, 12, true},
        {2057, 10, 28, 0, false}, {2097, 8, 6, 12, false}, {2097, 8, 7, 12, true}, {2097, 9, 5, 12, true},
        {2097, 9, 6, 12, false},  {2133, 9, 28, 12, true}, {2165, 12, 3, 12, true}, {2172, 10, 17, 12, true},
        {2103, 7, 6, 12, false},  {2103, 7, 7, 12, true},  {2103, 7, 8, 12, false}, {1914, 11, 17, 12, false},
        {2200, 12, 31, 23, false}, {1800, 1, 1, 0, false}, {2024, 2, 10, 12, false},
    };
    for (const Row& row : rows) {
        const CalendarDay day = test::Calculate(row.year, row.month, row.day, row.hour);
        EXPECT_EQ(IsUncertainCalendarDay(day), row.uncertain) << row.year << '-' << row.month << '-' << row.day
                                                              << ' ' << row.hour;
    }
}

TEST(WideRange, TheRangeEndsConvertAndTheQingAlmanacEndsWith1911) {
    // Columns: Gregorian date, clock hour; lunar year, month, day.
    struct Row { int year, month, day, hour, lunarYear, lunarMonth, lunarDay; };
    const Row rows[] = {
        {1800, 1, 1, 0, 1799, 12, 7}, {1800, 1, 25, 12, 1800, 1, 1}, {1866, 11, 12, 2, 1866, 10, 6},
        {1893, 12, 26, 16, 1893, 11, 19}, {2200, 12, 31, 12, 2200, 11, 25}, {2200, 12, 31, 23, 2200, 11, 26},
    };
    for (const Row& row : rows) {
        const CalendarDay day = test::Calculate(row.year, row.month, row.day, row.hour);
        EXPECT_EQ(LunarDate(day.LunarYear, day.LunarMonth, day.LunarDay, false),
                  LunarDate(row.lunarYear, row.lunarMonth, row.lunarDay, false)) << row.year << '-' << row.month;
    }
    EXPECT_TRUE(FollowsQingAlmanac(1800));
    EXPECT_TRUE(FollowsQingAlmanac(1911));
    EXPECT_FALSE(FollowsQingAlmanac(1912));
}

}  // namespace
}  // namespace velmora
