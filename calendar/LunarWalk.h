#pragma once
// Counting a lunar date from the days since a lunar new year, two ways: the month
// walk the calendar uses, and the plain day-by-day walk it must always agree with
// (kept as the reference the tests compare against).

#include <chrono>

namespace velmora {

struct LunarDate {
    int year = 0;   // named by the Gregorian year in which it begins
    int month = 0;  // 1..12; a leap month carries the number of the month it follows
    int day = 0;    // 1..30
    bool inLeapMonth = false;
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

struct LunarYearPosition {
    int year = 0;              // the lunar year holding the date
    int daysSinceNewYear = 0;  // 0 on the new-year day itself
};

// Finds the lunar year of `date`, starting from `startYear` (the Gregorian year the
// date was given in): a date before that year's new year belongs to the year before.
// The date must lie within the table, from the first table year's new year to the day before the last one's.
LunarYearPosition FindLunarYear(int startYear, std::chrono::sys_days date);

// Both walks need 0 <= daysSinceNewYear < the day count of lunarYear.
// Skips whole months: the calendar's conversion.
LunarDate WalkMonths(int lunarYear, int daysSinceNewYear);
// Steps one day at a time, ending a month on the day past its length: the reference.
LunarDate WalkDays(int lunarYear, int daysSinceNewYear);

}  // namespace velmora
