#pragma once
// Reading one LunarYearTable record, and the new-year dates of all table years.

#include <array>
#include <chrono>
#include <cstddef>
#include <string_view>

#include "calendar/CivilDate.h"
#include "calendar/LunarYearTable.h"
#include "calendar/TableYears.h"

namespace velmora {

inline constexpr int kMonthsPerYear = 12;
inline constexpr int kShortMonthDays = 29;  // a month flagged "0"; the flag "1" adds one day

// Character positions in a record, counted from 0.
inline constexpr std::size_t kLeapLengthPos = 12;
inline constexpr std::size_t kLeapMonthPos = 13;
inline constexpr std::size_t kNewYearMonthPos = 14;
inline constexpr std::size_t kNewYearDayPos = 16;

constexpr int DecimalDigit(char digit) { return digit - '0'; }

constexpr int TwoDecimalDigits(std::string_view text, std::size_t pos) {
    return DecimalDigit(text[pos]) * 10 + DecimalDigit(text[pos + 1]);
}

// The month a leap month follows, from its hexadecimal digit: '0'..'9' and 'A'..'C'
// (either case) read as 0..12; anything else reads as 0 (no leap month).
constexpr int LeapMonthFromDigit(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'C') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'c') return digit - 'a' + 10;
    return 0;
}

// One lunar year's record together with the year it belongs to.
struct LunarYearRecord {
    int year;
    std::string_view text;

    static constexpr LunarYearRecord Of(int lunarYear) { return {lunarYear, LunarYearTable[TableIndex(lunarYear)]}; }

    constexpr int MonthLength(int month) const { return kShortMonthDays + DecimalDigit(text[month - 1]); }
    constexpr int LeapMonthLength() const { return kShortMonthDays + DecimalDigit(text[kLeapLengthPos]); }
    constexpr char LeapDigit() const { return text[kLeapMonthPos]; }
    constexpr int LeapMonth() const { return LeapMonthFromDigit(LeapDigit()); }

    constexpr std::chrono::sys_days NewYear() const {
        return CivilDate(year, TwoDecimalDigits(text, kNewYearMonthPos), TwoDecimalDigits(text, kNewYearDayPos));
    }

    // All days of the year: twelve ordinary months and the leap month if there is one.
    constexpr int DayCount() const {
        int days = LeapMonth() != 0 ? LeapMonthLength() : 0;
        for (int month = 1; month <= kMonthsPerYear; ++month) days += MonthLength(month);
        return days;
    }
};

// The new-year date of every table year, worked out once at compile time so that
// finding a date's lunar year costs two comparisons.
inline constexpr std::array<std::chrono::sys_days, kTableYearCount> kNewYearDates = [] {
    std::array<std::chrono::sys_days, kTableYearCount> dates{};
    for (int year = kFirstTableYear; year <= kLastTableYear; ++year) {
        dates[TableIndex(year)] = LunarYearRecord::Of(year).NewYear();
    }
    return dates;
}();

constexpr std::chrono::sys_days NewYearDate(int lunarYear) { return kNewYearDates[TableIndex(lunarYear)]; }

}  // namespace velmora
