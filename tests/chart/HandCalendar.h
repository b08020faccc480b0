#pragma once
// Calendar records filled by hand for engine tests: the lunar date, the period
// and the pillars the engine reads, without running the calendar conversion.

#include "calendar/CalendarDay.h"

namespace velmora::test {

inline constexpr std::int16_t kOrdinaryMonth = 1;
inline constexpr std::int16_t kInLeapMonth = 2;

// The sixty-cycle pair of a lunar year (1864 and 1924 are 甲子 years).
inline Pillar YearPillarOf(int lunarYear) {
    const int place = ((lunarYear - 1864) % 60 + 60) % 60;  // 0 = 甲子
    return {static_cast<std::int16_t>(place % 10 + 1), static_cast<std::int16_t>(place % 12 + 1)};
}

struct LunarMoment {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hourBranch = 1;
    std::int16_t leapKind = kOrdinaryMonth;
    char leapDigit = '0';
};

inline CalendarDay HandDay(const LunarMoment& m) {
    CalendarDay day;
    day.LunarYear = static_cast<std::int16_t>(m.year);
    day.LunarMonth = static_cast<std::int16_t>(m.month);
    day.LunarDay = static_cast<std::int16_t>(m.day);
    day.HourBranch = static_cast<std::int16_t>(m.hourBranch);
    day.ClockHour = static_cast<std::int16_t>(2 * (m.hourBranch - 1));
    day.LeapKind = m.leapKind;
    day.LeapMonthDigit = m.leapDigit;
    day.Pillars.YearPillar = YearPillarOf(m.year);
    day.Pillars.HourPillar.branch = static_cast<std::int16_t>(m.hourBranch);
    return day;
}

}  // namespace velmora::test
