#pragma once
// The texts of lunar months and days as the date line and the command-line tool show them.

#include <string_view>

namespace velmora {

// "正", "二", .. "十", "十一", "十二" for months 1..12; "" for any other number.
std::string_view LunarMonthText(int month);

// "初一" .. "初十", "十一" .. "二十", "廿一" .. "廿九", "三十" for days 1..30; "" for any other number.
std::string_view LunarDayText(int day);

// The notice a day in an uncertain month or at an uncertain 節 carries (IsUncertainDate),
// and the quiet note on a date before 1912 (FollowsQingAlmanac).
inline constexpr std::string_view kUncertainDayNotice =
    "注意：此日的朔或節氣時刻距午夜僅數分鐘，農曆日期或月柱可能相差一日；命盤依曆表排出。";
inline constexpr std::string_view kQingAlmanacNote = "農曆日期依清朝頒行的時憲曆。";

}  // namespace velmora
