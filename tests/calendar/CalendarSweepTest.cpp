// Invariants checked on every supported day, 1800-01-01 to 2200-12-31.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <set>

#include "calendar/CalendarDay.h"
#include "calendar/CivilDate.h"
#include "calendar/LunarWalk.h"
#include "calendar/TableYears.h"
#include "tests/calendar/CalendarTestSupport.h"

namespace velmora {
namespace {

constexpr std::chrono::sys_days kFirstDay = CivilDate(kFirstSupportedYear, 1, 1);
constexpr std::chrono::sys_days kLastDay = CivilDate(kLastSupportedYear, 12, 31);

CalendarDay CalculateAtMidnight(std::chrono::sys_days date) {
    const std::chrono::year_month_day ymd{date};
    return test::Calculate(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                           static_cast<int>(static_cast<unsigned>(ymd.day())), 0);
}

// Calls visit(previous, current) for every pair of neighbouring days of the range.
template <typename Visit>
void ForEachNeighbouringDays(Visit visit) {
    CalendarDay previous = CalculateAtMidnight(kFirstDay);
    for (std::chrono::sys_days date = kFirstDay + std::chrono::days{1}; date <= kLastDay; date += std::chrono::days{1}) {
        const CalendarDay current = CalculateAtMidnight(date);
        visit(previous, current);
        previous = current;
    }
}

bool SameMonth(const CalendarDay& a, const CalendarDay& b) {
    return a.LunarYear == b.LunarYear && a.LunarMonth == b.LunarMonth && a.LeapKind == b.LeapKind;
}

// The month after `previous`: its own leap month, or the next number (month 1 of the next year after 12).
bool IsNextMonth(const CalendarDay& previous, const CalendarDay& current) {
    const bool intoLeap = current.LeapKind == kLeapKindLeapMonth && previous.LeapKind == kLeapKindOrdinaryMonth &&
                          current.LunarMonth == previous.LunarMonth && current.LunarYear == previous.LunarYear;
    const bool nextInYear = current.LeapKind == kLeapKindOrdinaryMonth && current.LunarYear == previous.LunarYear &&
                            current.LunarMonth == previous.LunarMonth + 1;
    const bool nextYear = current.LeapKind == kLeapKindOrdinaryMonth && current.LunarYear == previous.LunarYear + 1 &&
                          current.LunarMonth == 1 && previous.LunarMonth == 12;
    return intoLeap || nextInYear || nextYear;
}

TEST(EveryDay, LunarDayAdvancesByOneOrOpensTheNextMonthAfter29Or30Days) {
    ForEachNeighbouringDays([](const CalendarDay& previous, const CalendarDay& current) {
        if (SameMonth(previous, current)) {
            ASSERT_EQ(current.LunarDay, previous.LunarDay + 1) << current.SolarYear << '-' << current.SolarMonth;
            return;
        }
        ASSERT_EQ(current.LunarDay, 1) << current.SolarYear << '-' << current.SolarMonth << '-' << current.SolarDay;
        ASSERT_TRUE(previous.LunarDay == 29 || previous.LunarDay == 30)
            << current.SolarYear << '-' << current.SolarMonth << '-' << current.SolarDay;
        ASSERT_TRUE(IsNextMonth(previous, current))
            << current.SolarYear << '-' << current.SolarMonth << '-' << current.SolarDay;
    });
}

TEST(EveryDay, AtMostOneLeapMonthAYearNumberedByItsDigit) {
    std::map<int, std::set<int>> leapMonthsByYear;
    for (std::chrono::sys_days date = kFirstDay; date <= kLastDay; date += std::chrono::days{1}) {
        const CalendarDay day = CalculateAtMidnight(date);
        if (day.LeapKind != kLeapKindLeapMonth) continue;
        leapMonthsByYear[day.LunarYear].insert(day.LunarMonth);
        ASSERT_EQ(day.LunarMonth, LeapMonthNumber(day.LeapMonthDigit)) << day.LunarYear;
    }
    for (const auto& [year, months] : leapMonthsByYear) EXPECT_EQ(months.size(), 1u) << year;
    EXPECT_GT(leapMonthsByYear.size(), 70u);  // about seven leap months in nineteen years
}

Pillar NextInCycle(Pillar pillar) {
    return {static_cast<std::int16_t>(pillar.stem % 10 + 1), static_cast<std::int16_t>(pillar.branch % 12 + 1)};
}

TEST(EveryDay, DayPillarAdvancesOneStepADay) {
    ForEachNeighbouringDays([](const CalendarDay& previous, const CalendarDay& current) {
        ASSERT_EQ(current.Pillars.DayPillar, NextInCycle(previous.Pillars.DayPillar))
            << current.SolarYear << '-' << current.SolarMonth << '-' << current.SolarDay;
    });
}

TEST(EveryDay, EveryPillarPairsStemAndBranchOfLikeParity) {
    for (std::chrono::sys_days date = kFirstDay; date <= kLastDay; date += std::chrono::days{1}) {
        const CalendarDay day = CalculateAtMidnight(date);
        const PillarTable& p = day.Pillars;
        for (const Pillar& pillar : {p.YearPillar, p.MonthPillar, p.DayPillar, p.HourPillar, p.SolarYearPillar}) {
            ASSERT_GE(pillar.stem, 1);
            ASSERT_LE(pillar.stem, 10);
            ASSERT_GE(pillar.branch, 1);
            ASSERT_LE(pillar.branch, 12);
            ASSERT_EQ(pillar.stem % 2, pillar.branch % 2) << day.SolarYear << '-' << day.SolarMonth;
        }
    }
}

TEST(EveryDay, YearPillarNamesTheLunarYear) {
    for (std::chrono::sys_days date = kFirstDay; date <= kLastDay; date += std::chrono::days{1}) {
        const CalendarDay day = CalculateAtMidnight(date);
        const int place = (day.LunarYear - 3) % 60;  // 1 = 甲子
        ASSERT_EQ(day.Pillars.YearPillar.stem, (place + 9) % 10 + 1) << day.SolarYear << '-' << day.SolarMonth;
        ASSERT_EQ(day.Pillars.YearPillar.branch, (place + 11) % 12 + 1) << day.SolarYear << '-' << day.SolarMonth;
    }
}

TEST(EveryDay, MonthWalkEqualsDayWalk) {
    const std::chrono::sys_days lateZiOfLastDay = kLastDay + std::chrono::days{1};
    for (std::chrono::sys_days date = kFirstDay; date <= lateZiOfLastDay; date += std::chrono::days{1}) {
        const int gregorianYear = static_cast<int>(std::chrono::year_month_day{date}.year());
        const int startYear = date == lateZiOfLastDay ? gregorianYear - 1 : gregorianYear;
        const LunarYearPosition position = FindLunarYear(startYear, date);
        ASSERT_EQ(WalkMonths(position.year, position.daysSinceNewYear),
                  WalkDays(position.year, position.daysSinceNewYear))
            << position.year << " +" << position.daysSinceNewYear;
    }
}

// Reads the lunar fields that ConvertLunarDate wrote.
LunarDate LunarFields(const CalendarDay& day) {
    return {day.LunarYear, day.LunarMonth, day.LunarDay, day.LeapKind == kLeapKindLeapMonth};
}

TEST(EveryDay, DayPastMonthEndConvertsAsTheNextDayByTheDayWalk) {
    for (std::chrono::sys_days date = kFirstDay; date <= kLastDay; date += std::chrono::days{1}) {
        const std::chrono::year_month_day ymd{date};
        if (ymd.day() != std::chrono::year_month_day_last{ymd.year(), ymd.month() / std::chrono::last}.day()) continue;
        const int year = static_cast<int>(ymd.year());
        const auto month = static_cast<std::int16_t>(static_cast<unsigned>(ymd.month()));
        const auto pastEnd = static_cast<std::int16_t>(static_cast<unsigned>(ymd.day()) + 1);
        CalendarDay converted;
        ConvertLunarDate(static_cast<std::int16_t>(year), month, pastEnd, converted);
        const LunarYearPosition next = FindLunarYear(year, date + std::chrono::days{1});
        ASSERT_EQ(LunarFields(converted), WalkDays(next.year, next.daysSinceNewYear)) << year << '-' << month;
    }
}

}  // namespace
}  // namespace velmora
