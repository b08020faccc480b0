#include "calendar/LunarWalk.h"

#include "calendar/LunarYearRecord.h"
#include "calendar/TableYears.h"

namespace velmora {

LunarYearPosition FindLunarYear(int startYear, std::chrono::sys_days date) {
    int year = startYear;
    while (year > kFirstTableYear && date < NewYearDate(year)) --year;
    while (year < kLastTableYear && date >= NewYearDate(year + 1)) ++year;
    return {year, DaysBetween(NewYearDate(year), date)};
}

LunarDate WalkMonths(int lunarYear, int daysSinceNewYear) {
    const LunarYearRecord record = LunarYearRecord::Of(lunarYear);
    const int leapMonth = record.LeapMonth();
    int remaining = daysSinceNewYear;
    for (int month = 1; month <= kMonthsPerYear; ++month) {
        const int length = record.MonthLength(month);
        if (remaining < length) return {lunarYear, month, remaining + 1, false};
        remaining -= length;
        if (month != leapMonth) continue;
        const int leapLength = record.LeapMonthLength();
        if (remaining < leapLength) return {lunarYear, month, remaining + 1, true};
        remaining -= leapLength;
    }
    // Past the year's last day, which callers never ask for: stay on that last day.
    return {lunarYear, kMonthsPerYear, record.MonthLength(kMonthsPerYear), false};
}

LunarDate WalkDays(int lunarYear, int daysSinceNewYear) {
    const LunarYearRecord record = LunarYearRecord::Of(lunarYear);
    LunarDate date{lunarYear, 1, 1, false};
    for (int step = 0; step < daysSinceNewYear; ++step) {
        ++date.day;
        if (date.inLeapMonth) {
            if (date.day > record.LeapMonthLength()) {
                date.inLeapMonth = false;
                ++date.month;
                date.day = 1;
            }
        } else if (date.day > record.MonthLength(date.month)) {
            date.day = 1;
            if (record.LeapMonth() == date.month) {
                date.inLeapMonth = true;
            } else {
                ++date.month;
            }
        }
    }
    return date;
}

}  // namespace velmora
