#include "calendar/LunarText.h"

#include <array>
#include <cstddef>

namespace velmora {
namespace {

// Month text by month number - 1 (UTF-8).
constexpr std::array<std::string_view, 12> kMonthTexts = {
    "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二",
};

// Day text by day number - 1 (UTF-8).
constexpr std::array<std::string_view, 30> kDayTexts = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十",
};

template <std::size_t Count>
std::string_view TextOfNumber(const std::array<std::string_view, Count>& texts, int number) {
    if (number < 1 || static_cast<std::size_t>(number) > Count) return {};
    return texts[static_cast<std::size_t>(number - 1)];
}

}  // namespace

std::string_view LunarMonthText(int month) { return TextOfNumber(kMonthTexts, month); }

std::string_view LunarDayText(int day) { return TextOfNumber(kDayTexts, day); }

}  // namespace velmora
