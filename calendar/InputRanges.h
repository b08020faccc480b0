#pragma once
// The ranges of CalendarDay's input fields that the calendar accepts. Fields outside
// them would index the year tables out of bounds, so such input is left unconverted.

namespace velmora {

inline constexpr int kFirstMonth = 1;
inline constexpr int kLastMonth = 12;
inline constexpr int kFirstDayOfMonth = 1;
inline constexpr int kLastDayOfMonth = 31;  // day 31 of a shorter month carries into the next
inline constexpr int kFirstClockHour = 0;
inline constexpr int kLastClockHourOfDay = 22;  // 亥; 23 is the late 子 period of the next day

constexpr bool MonthAndDayInRange(int month, int dayOfMonth) {
    return month >= kFirstMonth && month <= kLastMonth && dayOfMonth >= kFirstDayOfMonth &&
           dayOfMonth <= kLastDayOfMonth;
}

}  // namespace velmora
