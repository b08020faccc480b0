// The calendar's front operation: Gregorian date and clock hour in, lunar date,
// hour branch and pillars out.

#include <chrono>

#include "calendar/CalendarDay.h"
#include "calendar/CivilDate.h"
#include "calendar/InputRanges.h"
#include "calendar/LunarWalk.h"
#include "calendar/LunarYearRecord.h"
#include "calendar/TableYears.h"

namespace velmora {
namespace {

// Conversion serves every supported day and the day after the last one, which the
// late 子 period of the last supported day reaches.
constexpr std::chrono::sys_days kFirstConvertibleDate = CivilDate(kFirstSupportedYear, 1, 1);
constexpr std::chrono::sys_days kLastConvertibleDate = CivilDate(kLastSupportedYear + 1, 1, 1);

// hour / 2 rounded to the nearest integer, a half going to the even neighbour
// (1 -> 0, 3 -> 2, 5 -> 2); callers give even hours, for which this is hour / 2.
constexpr int HalfRoundedToEven(int hour) {
    int half = hour / 2;
    if (hour % 2 != 0 && half % 2 != 0) ++half;
    return half;
}

// Month, day and hour must lie in their ranges: the conversion indexes the tables with
// them. (The year has its own rule: outside the supported years the lunar fields stay.)
bool InputFieldsInRange(const CalendarDay& day) {
    return MonthAndDayInRange(day.SolarMonth, day.SolarDay) && day.ClockHour >= kFirstClockHour &&
           day.ClockHour <= kLateZiClockHour;
}

}  // namespace

int LeapMonthNumber(char digit) { return LeapMonthFromDigit(digit); }

void ConvertLunarDate(std::int16_t year, std::int16_t month, std::int16_t dayOfMonth, CalendarDay& day) {
    if (!IsSupportedYear(year)) return;
    const std::chrono::sys_days date = CivilDate(year, month, dayOfMonth);
    // A day number far outside its month would carry the date off the tables.
    if (date < kFirstConvertibleDate || date > kLastConvertibleDate) return;

    const LunarYearPosition position = FindLunarYear(year, date);
    const LunarDate lunar = WalkMonths(position.year, position.daysSinceNewYear);
    day.LunarYear = static_cast<std::int16_t>(lunar.year);
    day.LunarMonth = static_cast<std::int16_t>(lunar.month);
    day.LunarDay = static_cast<std::int16_t>(lunar.day);
    day.LeapKind = lunar.inLeapMonth ? kLeapKindLeapMonth : kLeapKindOrdinaryMonth;
    day.LeapMonthDigit = LunarYearRecord::Of(position.year).LeapDigit();
}

void CalcCalendar(CalendarDay& day) {
    if (!InputFieldsInRange(day)) return;
    int dayOfMonth = day.SolarDay;
    int hour = day.ClockHour;
    if (hour == kLateZiClockHour) {
        // The late 子 period belongs to the next day and is its 子 hour. Only the
        // conversion sees the shifted day; SolarDay and ClockHour stay as given.
        ++dayOfMonth;
        hour = kFirstClockHour;
    }
    day.HourBranch = static_cast<std::int16_t>(HalfRoundedToEven(hour) + 1);
    ConvertLunarDate(day.SolarYear, day.SolarMonth, static_cast<std::int16_t>(dayOfMonth), day);
    CalcPillars(day);
}

}  // namespace velmora
