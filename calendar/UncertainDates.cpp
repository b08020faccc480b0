// Reading the table of civil days in doubt, and the Qing-almanac years.

#include <algorithm>
#include <chrono>

#include "calendar/CalendarDay.h"
#include "calendar/CivilDate.h"
#include "calendar/InputRanges.h"
#include "calendar/TableYears.h"
#include "calendar/UncertainDays.h"

namespace velmora {

bool IsUncertainDate(int year, int month, int dayOfMonth) {
    const std::chrono::sys_days date = CivilDate(year, month, dayOfMonth);
    return std::ranges::any_of(kUncertainSpans, [date](const UncertainSpan& span) {
        return date >= CivilDate(span.firstYear, span.firstMonth, span.firstDay) &&
               date <= CivilDate(span.lastYear, span.lastMonth, span.lastDay);
    });
}

bool IsUncertainCalendarDay(const CalendarDay& day) {
    if (!IsSupportedYear(day.SolarYear) || !MonthAndDayInRange(day.SolarMonth, day.SolarDay)) return false;
    const int lateZiShift = day.ClockHour == kLateZiClockHour ? 1 : 0;
    return IsUncertainDate(day.SolarYear, day.SolarMonth, day.SolarDay + lateZiShift);
}

bool FollowsQingAlmanac(int year) { return year < kFirstRepublicYear; }

}  // namespace velmora
