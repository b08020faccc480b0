#pragma once
// Placement rules kept as short texts of two-digit numbers: the value for
// index x (from 1) is the number formed by characters 2x - 1 and 2x. Reading
// outside a text, or a pair that is not two digits, gives 0, so a bad index can
// never read past a table.

#include <string_view>

namespace velmora {

inline constexpr int kDigitPairWidth = 2;

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

constexpr int DigitPair(std::string_view table, int index) {
    if (index < 1) return 0;
    const auto first = static_cast<std::size_t>(index - 1) * kDigitPairWidth;
    if (first + 1 >= table.size()) return 0;
    const char tens = table[first];
    const char ones = table[first + 1];
    if (!IsAsciiDigit(tens) || !IsAsciiDigit(ones)) return 0;
    return (tens - '0') * 10 + (ones - '0');
}

// The remainder of value / divisor brought into 0..divisor-1 for any sign.
constexpr int PositiveMod(int value, int divisor) {
    const int r = value % divisor;
    return r < 0 ? r + divisor : r;
}

// A branch value brought into 1..12 by adding or subtracting 12.
constexpr int WrapBranch(int value) { return PositiveMod(value - 1, 12) + 1; }

// Tables shared by the natal placement and the flowing stars, indexed by stem 1..10.
inline constexpr std::string_view kLuCunByStem = "03040607060709101201";      // 祿存: 甲..癸 -> 寅 卯 巳 午 巳 午 申 酉 亥 子
inline constexpr std::string_view kTianKuiByStem = "02011212020102070404";    // 天魁 (流魁)
inline constexpr std::string_view kTianYueByStem = "08091010080908030606";    // 天鉞 (流鉞)

}  // namespace velmora
