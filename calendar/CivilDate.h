#pragma once
// Civil (proleptic Gregorian) dates as day counts on std::chrono: a date is a
// std::chrono::sys_days value, so comparing dates and counting days between them
// is plain arithmetic.

#include <chrono>

namespace velmora {

// The date (yearNumber, monthNumber, dayNumber) with overflow carried forward, as
// sys_days{y/m/1} + days{d - 1}: day 32 of January is 1 February, day 32 of December
// is 1 January of the next year and day 0 is the last day of the month before.
// A month outside 1..12 carries into the neighbouring years the same way.
constexpr std::chrono::sys_days CivilDate(int yearNumber, int monthNumber, int dayNumber) {
    const std::chrono::year_month firstMonth = std::chrono::year{yearNumber} / std::chrono::January;
    const std::chrono::year_month month = firstMonth + std::chrono::months{monthNumber - 1};
    return std::chrono::sys_days{month / 1} + std::chrono::days{dayNumber - 1};
}

// Days from `from` to `to`: positive when `to` is later.
constexpr int DaysBetween(std::chrono::sys_days from, std::chrono::sys_days to) {
    return static_cast<int>((to - from).count());
}

}  // namespace velmora
