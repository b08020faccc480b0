#pragma once
// The natal chart's input: the birth moment copied from the calendar, the
// gender, and the values the star placement derives for display.

#include <cstdint>

namespace velmora {

struct BirthInput {
    std::int16_t SolarYear = 0;
    std::int16_t SolarMonth = 0;
    std::int16_t SolarDay = 0;
    std::int16_t ClockHour = 0;       // 0, 2, .., 22, or 23 for the late 子 period
    std::int16_t YinYang = 0;         // YearStem mod 2: 1 yang stem, 0 yin stem
    std::int16_t DouJunBranch = 0;    // branch of the Dou Jun of the 子 year
    std::int16_t LunarYear = 0;
    std::int16_t LunarMonth = 0;      // a leap month carries the number of the month it follows
    std::int16_t LunarDay = 0;
    std::int16_t HourBranch = 0;
    std::int16_t Gender = 0;          // 1 male, 0 female
    std::int16_t LifeMaster = 0;      // star number
    std::int16_t YearStem = 0;
    std::int16_t MonthStem = 0;
    std::int16_t DayStem = 0;
    std::int16_t HourStem = 0;
    std::int16_t BodyMaster = 0;      // star number
    std::int16_t YearBranch = 0;
    std::int16_t MonthBranch = 0;
    std::int16_t DayBranch = 0;
    std::int16_t HourPillarBranch = 0;
    friend bool operator==(const BirthInput&, const BirthInput&) = default;
};

}  // namespace velmora
