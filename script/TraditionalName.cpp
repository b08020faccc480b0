#include "script/TraditionalName.h"

#include <array>

#include "script/ChineseConverter.h"

namespace velmora {

namespace {

// Surnames written alike in both scripts that s2t, reading them as words,
// turns into another character: 范 (not 範, "model"), 余 (not 餘, "rest"),
// 于 (not 於, "at"), 朴 (not 樸, "plain"; the Korean surname), 郁 (not 鬱,
// "gloomy"), 种 (not 種, "seed"), 占 (not 佔, "occupy").
constexpr std::array<std::string_view, 7> kSurnamesKept = {
    "范", "余", "于", "朴", "郁", "种", "占",
};

// Bytes of the UTF-8 character `lead` begins.
std::size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::string TraditionalNameOf(std::string_view simplifiedName) {
    std::string traditional = ChineseConverter::SimplifiedToTraditional().convert(simplifiedName);
    if (simplifiedName.empty() || traditional.empty()) return traditional;
    const std::string_view surname = simplifiedName.substr(0, CharacterLength(static_cast<unsigned char>(simplifiedName.front())));
    for (std::string_view kept : kSurnamesKept) {
        if (surname != kept) continue;
        traditional.replace(0, CharacterLength(static_cast<unsigned char>(traditional.front())), surname);
        break;
    }
    return traditional;
}

}  // namespace velmora
