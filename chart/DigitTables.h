#pragma once
// Placement rules kept as short texts of two-digit numbers: the value for
// index x (from 1) is the number formed by characters 2x - 1 and 2x. Reading
// outside a text, or a pair that is not two digits, gives 0, so a bad index can
// never read past a table.

#include <array>
#include <cstdint>
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

// Branch values near 1..12 brought into it, from -64 on: placement adds to
// a branch offsets of a few dozen at most.
inline constexpr int kWrapTableFirst = -64;
inline constexpr std::array<std::int8_t, 192> kWrappedBranches = [] {
    std::array<std::int8_t, 192> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<std::int8_t>(PositiveMod(static_cast<int>(i) + kWrapTableFirst - 1, 12) + 1);
    return table;
}();

// A branch value brought into 1..12 by adding or subtracting 12. A chart
// wraps some hundred values; from the table each is one load where a
// remainder is a multiplication and a correction.
constexpr int WrapBranch(int value) {
    const unsigned slot = static_cast<unsigned>(value) - static_cast<unsigned>(kWrapTableFirst);
    if (slot < kWrappedBranches.size()) return kWrappedBranches[slot];
    return PositiveMod(value - 1, 12) + 1;
}

// Tables shared by the natal placement and the flowing stars, indexed by stem 1..10.
inline constexpr std::string_view kLuCunByStem = "03040607060709101201";      // 祿存: 甲..癸 -> 寅 卯 巳 午 巳 午 申 酉 亥 子
inline constexpr std::string_view kTianKuiByStem = "02011212020102070404";    // 天魁 (流魁)
inline constexpr std::string_view kTianYueByStem = "08091010080908030606";    // 天鉞 (流鉞)

}  // namespace velmora
