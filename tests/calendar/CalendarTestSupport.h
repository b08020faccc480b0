#pragma once
// Helpers shared by the calendar tests: pillars written as two characters, and
// running CalcCalendar on one date.

#include <array>
#include <cstdint>
#include <ostream>
#include <string_view>

#include "calendar/CalendarDay.h"

namespace velmora {

// Shows a pillar in test failures as (stem, branch).
inline void PrintTo(const Pillar& pillar, std::ostream* out) { *out << '(' << pillar.stem << ", " << pillar.branch << ')'; }

}  // namespace velmora

namespace velmora::test {

// Stem names 1..10 and branch names 1..12 (UTF-8, three bytes each).
inline constexpr std::array<std::string_view, 10> kStemNames = {"甲", "乙", "丙", "丁", "戊",
                                                                 "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> kBranchNames = {"子", "丑", "寅", "卯", "辰", "巳",
                                                                   "午", "未", "申", "酉", "戌", "亥"};

template <std::size_t Count>
std::int16_t NumberOfName(const std::array<std::string_view, Count>& names, std::string_view name) {
    for (std::size_t i = 0; i < Count; ++i) {
        if (names[i] == name) return static_cast<std::int16_t>(i + 1);
    }
    return 0;
}

// "甲子" -> {1, 1}; an unknown name gives 0.
inline Pillar PillarOf(std::string_view text) {
    constexpr std::size_t kNameBytes = 3;
    return {NumberOfName(kStemNames, text.substr(0, kNameBytes)), NumberOfName(kBranchNames, text.substr(kNameBytes))};
}

// CalcCalendar on a record that the caller cleared as its callers do.
inline CalendarDay Calculate(int year, int month, int day, int clockHour) {
    CalendarDay result;
    result.SolarYear = static_cast<std::int16_t>(year);
    result.SolarMonth = static_cast<std::int16_t>(month);
    result.SolarDay = static_cast<std::int16_t>(day);
    result.ClockHour = static_cast<std::int16_t>(clockHour);
    CalcCalendar(result);
    return result;
}

}  // namespace velmora::test
