#pragma once
// The calendar record shared by the calendar, the chart engine and the windows.
// A caller writes the solar input fields, calls CalcCalendar, and reads the
// lunar result and the pillars back from the same record.

#include <cstdint>

namespace velmora {

// One stem-branch pair: stem 1 (甲) .. 10 (癸), branch 1 (子) .. 12 (亥); 0 = not computed.
struct Pillar {
    std::int16_t stem = 0;
    std::int16_t branch = 0;
    friend bool operator==(const Pillar&, const Pillar&) = default;
};

struct PillarTable {
    Pillar YearPillar;       // changes at the lunar new year
    Pillar MonthPillar;      // changes at each month-opening solar term
    Pillar DayPillar;        // changes at midnight; the late 子 period counts as the next day
    Pillar HourPillar;       // changes every two-hour period
    Pillar SolarYearPillar;  // changes at 立春
    // The month pillar of the 立春 year (五虎遁 from SolarYearPillar's stem): with
    // SolarYearPillar, DayPillar and HourPillar it reads as one 四柱.
    Pillar SolarMonthPillar;
    friend bool operator==(const PillarTable&, const PillarTable&) = default;
};

// LeapKind values.
inline constexpr std::int16_t kLeapKindNotComputed = 0;
inline constexpr std::int16_t kLeapKindOrdinaryMonth = 1;
inline constexpr std::int16_t kLeapKindLeapMonth = 2;

// ClockHour of the late 子 period, which counts as the next day.
inline constexpr std::int16_t kLateZiClockHour = 23;

struct CalendarDay {
    // Input, written by the caller.
    std::int16_t SolarYear = 0;   // 1800..2200
    std::int16_t SolarMonth = 0;  // 1..12
    std::int16_t SolarDay = 0;    // 1..31
    std::int16_t ClockHour = 0;   // 0, 2, .., 22 for 子 (early) .. 亥; 23 for the late 子 period
    // Results, written by CalcCalendar.
    std::int16_t LunarYear = 0;   // named by the Gregorian year in which it begins
    std::int16_t LunarMonth = 0;  // 1..12; a leap month carries the number of the month it follows
    std::int16_t LunarDay = 0;    // 1..30
    std::int16_t HourBranch = 0;  // 1 (子) .. 12 (亥)
    std::int16_t LeapKind = 0;    // 0 not computed, 1 ordinary month, 2 leap month
    char LeapMonthDigit = '\0';   // the year's leap-month digit as stored: '0' none, '1'..'9', 'A'..'C'
    PillarTable Pillars;
    friend bool operator==(const CalendarDay&, const CalendarDay&) = default;
};

// Converts the solar input of `day` into its lunar date, hour branch and pillars.
// A year outside 1800..2200 leaves the lunar fields and pillars as the previous call
// left them; a month, day or hour outside its range (1..12, 1..31, 0..23) leaves the
// whole record untouched.
void CalcCalendar(CalendarDay& day);

// Gregorian (year, month, day) to lunar: writes LunarYear, LunarMonth, LunarDay,
// LeapKind and LeapMonthDigit of `day`. The day may run one past the month's end
// (the late 子 period); it is carried into the next month. Years outside
// 1800..2200 write nothing, nor does a day that carries the date outside
// 1800-01-01..2201-01-01.
void ConvertLunarDate(std::int16_t year, std::int16_t month, std::int16_t dayOfMonth, CalendarDay& day);

// Fills day.Pillars from the solar input fields and HourBranch. Leaves them as they
// were when the year, month or day lies outside its range; the hour pillar is (0, 0)
// while HourBranch is not 1..12.
void CalcPillars(CalendarDay& day);

// The month a year's leap month follows, read from its hexadecimal digit:
// '0' -> 0 (no leap month), '1'..'9' -> 1..9, 'A'..'C' (or 'a'..'c') -> 10..12.
// Anything else reads as 0.
int LeapMonthNumber(char digit);

// Whether the lunar date or the month pillar of the civil date (year, month, dayOfMonth)
// hangs on an instant too near midnight to settle: the tables give one answer, a day's
// shift is possible. Callers show a notice; the chart still follows the tables.
bool IsUncertainDate(int year, int month, int dayOfMonth);
// The same for the day `day` converts: the late 子 period asks about the next day.
bool IsUncertainCalendarDay(const CalendarDay& day);

// Whether the lunar date of a civil year is the Qing almanac's as issued (before 1912).
bool FollowsQingAlmanac(int year);

}  // namespace velmora
