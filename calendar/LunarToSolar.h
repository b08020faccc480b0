#pragma once
// From a lunar date back to the Gregorian day it names: the inverse of
// ConvertLunarDate, for every lunar date of the table years 1799..2201.
// A date the calendar does not hold is refused with the reason, never moved
// to a neighbouring day.

#include <chrono>
#include <optional>
#include <vector>

#include "calendar/LunarWalk.h"

namespace velmora {

// One month of a lunar year as it stands in the year's order.
struct LunarMonthEntry {
    int month = 0;       // 1..12; a leap month carries the number of the month it follows
    bool leap = false;
    int length = 0;      // 29 or 30 days
    friend bool operator==(const LunarMonthEntry&, const LunarMonthEntry&) = default;
};

// Why a lunar date is not a day of the calendar.
enum class LunarDateFault {
    None,
    YearOutsideTables,  // the tables hold lunar years 1799..2201 only
    NoSuchMonth,        // the month lies outside 1..12
    NoSuchLeapMonth,    // the year has no leap month after that month
    NoSuchDay,          // the day lies outside 1..the month's length
};

// The twelve or thirteen months of `lunarYear`, the leap month directly after
// the month it follows; empty for a year outside the tables.
std::vector<LunarMonthEntry> LunarMonthsOf(int lunarYear);

// The length of one month, or nothing when the year does not have that month.
std::optional<int> LunarMonthLength(int lunarYear, int month, bool leap);

LunarDateFault CheckLunarDate(const LunarDate& date);

// The Gregorian day of `date`, or nothing when CheckLunarDate finds a fault.
std::optional<std::chrono::sys_days> SolarDateOfLunar(const LunarDate& date);

}  // namespace velmora
