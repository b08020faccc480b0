// Lunar dates back to Gregorian days: the round trip over every supported day,
// every lunar day of the tables in order, and the dates the calendar refuses.

#include <gtest/gtest.h>

#include <chrono>

#include "calendar/CalendarDay.h"
#include "calendar/CivilDate.h"
#include "calendar/LunarToSolar.h"
#include "calendar/TableYears.h"

namespace velmora {
namespace {

constexpr std::chrono::sys_days kFirstDay = CivilDate(kFirstSupportedYear, 1, 1);
constexpr std::chrono::sys_days kLastDay = CivilDate(kLastSupportedYear, 12, 31);

TEST(LunarToSolar, EverySupportedDayComesBackFromItsLunarDate) {
    for (std::chrono::sys_days date = kFirstDay; date <= kLastDay; date += std::chrono::days{1}) {
        const std::chrono::year_month_day ymd{date};
        CalendarDay day;
        ConvertLunarDate(static_cast<std::int16_t>(static_cast<int>(ymd.year())),
                         static_cast<std::int16_t>(static_cast<unsigned>(ymd.month())),
                         static_cast<std::int16_t>(static_cast<unsigned>(ymd.day())), day);
        const LunarDate lunar{day.LunarYear, day.LunarMonth, day.LunarDay, day.LeapKind == kLeapKindLeapMonth};
        ASSERT_EQ(SolarDateOfLunar(lunar), date) << static_cast<int>(ymd.year()) << '-'
                                                  << static_cast<unsigned>(ymd.month()) << '-'
                                                  << static_cast<unsigned>(ymd.day());
    }
}

// Beyond the supported Gregorian days too: lunar 1799-01-01 .. the last day of
// 2201 follow each other one day apart, with no day of the tables left out.
TEST(LunarToSolar, EveryLunarDayOfTheTablesFollowsTheOneBefore) {
    std::chrono::sys_days expected = CivilDate(1799, 2, 5);
    for (int year = kFirstTableYear; year <= kLastTableYear; ++year) {
        for (const LunarMonthEntry& month : LunarMonthsOf(year)) {
            for (int day = 1; day <= month.length; ++day) {
                ASSERT_EQ(SolarDateOfLunar({year, month.month, day, month.leap}), expected)
                    << year << '-' << month.month << (month.leap ? "L-" : "-") << day;
                expected += std::chrono::days{1};
            }
        }
    }
    EXPECT_EQ(expected, CivilDate(2202, 1, 25));  // lunar new year 2202
}

TEST(LunarToSolar, KnownDates) {
    // Columns: lunar year, month, leap, day; Gregorian year, month, day. Lunar
    // new-year days and leap months as the published Chinese calendar gives them.
    struct Row { int year, month; bool leap; int day; int solarYear, solarMonth, solarDay; };
    const Row rows[] = {
        {1900, 11, false, 11, 1901, 1, 1},  {1984, 10, true, 1, 1984, 11, 23}, {1984, 10, true, 29, 1984, 12, 21},
        {2023, 2, true, 1, 2023, 3, 22},    {2020, 4, true, 1, 2020, 5, 23},   {2033, 11, true, 1, 2033, 12, 22},
        {2024, 1, false, 1, 2024, 2, 10},   {2099, 11, false, 20, 2099, 12, 31},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SolarDateOfLunar({row.year, row.month, row.day, row.leap}),
                  CivilDate(row.solarYear, row.solarMonth, row.solarDay))
            << row.year << '-' << row.month << (row.leap ? "L-" : "-") << row.day;
    }
}

TEST(LunarToSolar, ImpossibleDatesAreRefusedWithTheirReason) {
    // Columns: lunar year, month, leap, day; the fault.
    struct Row { int year, month; bool leap; int day; LunarDateFault fault; };
    const Row rows[] = {
        {1798, 12, false, 1, LunarDateFault::YearOutsideTables},  // before the first table year
        {2202, 1, false, 1, LunarDateFault::YearOutsideTables},
        {2024, 0, false, 1, LunarDateFault::NoSuchMonth},
        {2024, 13, false, 1, LunarDateFault::NoSuchMonth},
        {2021, 4, true, 1, LunarDateFault::NoSuchLeapMonth},      // 2021 has no leap month
        {2020, 5, true, 1, LunarDateFault::NoSuchLeapMonth},      // 2020's leap month follows month 4
        {2024, 1, false, 30, LunarDateFault::NoSuchDay},          // 2024 month 1 has 29 days
        {2023, 2, true, 30, LunarDateFault::NoSuchDay},           // leap 2 of 2023 has 29 days
        {2024, 2, false, 0, LunarDateFault::NoSuchDay},
        {2024, 2, false, 31, LunarDateFault::NoSuchDay},
    };
    for (const Row& row : rows) {
        const LunarDate date{row.year, row.month, row.day, row.leap};
        EXPECT_EQ(CheckLunarDate(date), row.fault) << row.year << '-' << row.month << '-' << row.day;
        EXPECT_EQ(SolarDateOfLunar(date), std::nullopt) << row.year << '-' << row.month << '-' << row.day;
    }
}

}  // namespace
}  // namespace velmora
