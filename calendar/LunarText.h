#pragma once
// The texts of lunar months and days as the date line and the command-line tool show them.

#include <string_view>

namespace velmora {

// "正", "二", .. "十", "十一", "十二" for months 1..12; "" for any other number.
std::string_view LunarMonthText(int month);

// "初一" .. "初十", "十一" .. "二十", "廿一" .. "廿九", "三十" for days 1..30; "" for any other number.
std::string_view LunarDayText(int day);

}  // namespace velmora
