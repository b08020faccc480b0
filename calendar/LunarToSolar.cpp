#include "calendar/LunarToSolar.h"

#include "calendar/LunarYearRecord.h"
#include "calendar/TableYears.h"

namespace velmora {
namespace {

bool IsTableYear(int year) { return year >= kFirstTableYear && year <= kLastTableYear; }

// Days from the new year of `date`'s year to the first day of its month; the
// month must exist in that year.
int DaysBeforeMonth(const LunarDate& date) {
    int days = 0;
    for (const LunarMonthEntry& entry : LunarMonthsOf(date.year)) {
        if (entry.month == date.month && entry.leap == date.inLeapMonth) break;
        days += entry.length;
    }
    return days;
}

}  // namespace

std::vector<LunarMonthEntry> LunarMonthsOf(int lunarYear) {
    std::vector<LunarMonthEntry> months;
    if (!IsTableYear(lunarYear)) return months;
    const LunarYearRecord record = LunarYearRecord::Of(lunarYear);
    for (int month = 1; month <= kMonthsPerYear; ++month) {
        months.push_back({month, false, record.MonthLength(month)});
        if (month == record.LeapMonth()) months.push_back({month, true, record.LeapMonthLength()});
    }
    return months;
}

std::optional<int> LunarMonthLength(int lunarYear, int month, bool leap) {
    if (!IsTableYear(lunarYear) || month < 1 || month > kMonthsPerYear) return std::nullopt;
    const LunarYearRecord record = LunarYearRecord::Of(lunarYear);
    if (!leap) return record.MonthLength(month);
    if (record.LeapMonth() != month) return std::nullopt;
    return record.LeapMonthLength();
}

LunarDateFault CheckLunarDate(const LunarDate& date) {
    if (!IsTableYear(date.year)) return LunarDateFault::YearOutsideTables;
    if (date.month < 1 || date.month > kMonthsPerYear) return LunarDateFault::NoSuchMonth;
    const std::optional<int> length = LunarMonthLength(date.year, date.month, date.inLeapMonth);
    if (!length) return LunarDateFault::NoSuchLeapMonth;
    if (date.day < 1 || date.day > *length) return LunarDateFault::NoSuchDay;
    return LunarDateFault::None;
}

std::optional<std::chrono::sys_days> SolarDateOfLunar(const LunarDate& date) {
    if (CheckLunarDate(date) != LunarDateFault::None) return std::nullopt;
    return NewYearDate(date.year) + std::chrono::days{DaysBeforeMonth(date) + date.day - 1};
}

}  // namespace velmora
