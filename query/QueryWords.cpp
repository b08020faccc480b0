#include "query/QueryWords.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "chart/ChartState.h"
#include "query/ChartQuery.h"
#include "reading/Patterns.h"
#include "reading/StarNumbers.h"

namespace velmora::query {

namespace {

constexpr std::string_view kPalaceSuffix = "宮";  // 兄弟宮 as well as the board's 兄弟
constexpr std::string_view kListComma = "、";

// Columns: the word, what it is, its value (a transformation's kind).
struct FixedWord {
    std::string_view word;
    WordKind kind;
    int value;
};
constexpr std::array<FixedWord, 7> kFixedWords{{
    {"有", WordKind::Have, 0},
    {"無", WordKind::HaveNot, 0},
    {"化祿", WordKind::Transformation, 0},
    {"化權", WordKind::Transformation, 1},
    {"化科", WordKind::Transformation, 2},
    {"化忌", WordKind::Transformation, 3},
    {"格局", WordKind::PatternMark, 0},
}};
constexpr std::string_view kMajorStarsWord = "主星";  // any of 紫微 .. 破軍

}  // namespace

QueryWords::QueryWords(const NameList& names, const WordConverter& otherScript) {
    for (const FixedWord& fixed : kFixedWords)
        add(std::string(fixed.word), {fixed.kind, fixed.value, {}, 0, std::string(fixed.word)});
    WordMeaning major{WordKind::Stars, 0, {}, 0, std::string(kMajorStarsWord)};
    for (int s = 1; s <= reading::star::kLastMajor; ++s) major.stars.add(s);
    add(major.traditional, major);
    for (int palace = 1; palace <= kPalaceRows; ++palace) {
        const std::string& name = PalaceName(names, palace);
        if (name.empty()) continue;
        add(name, {WordKind::Palace, palace, {}, 0, name});
        if (!name.ends_with(kPalaceSuffix)) add(name + std::string(kPalaceSuffix), {WordKind::Palace, palace, {}, 0, name});
        palaceNames_ += (palaceNames_.empty() ? "" : std::string(kListComma)) + name;
    }
    for (int s = 1; s <= kPlacedStars; ++s) addStar(StarName(names, s), s);
    const std::span<const reading::PatternRule> rules = reading::PatternRules();
    for (std::size_t row = 0; row < rules.size() && row < kPatternBits; ++row) {
        const std::string name(rules[row].name);
        auto known = words_.find(name);
        if (known == words_.end()) add(name, {WordKind::PatternName, 0, {}, std::uint64_t{1} << row, name});
        else if (known->second.kind == WordKind::PatternName) known->second.patterns |= std::uint64_t{1} << row;
    }
    if (!otherScript) return;
    const std::vector<std::pair<std::string, WordMeaning>> traditional(words_.begin(), words_.end());
    for (const auto& [word, meaning] : traditional) add(otherScript(word), meaning);
}

const WordMeaning* QueryWords::find(std::string_view word) const {
    const auto known = words_.find(word);
    return known == words_.end() ? nullptr : &known->second;
}

// The first meaning a word is given stays: a converted word that happens to
// be another Traditional word keeps the Traditional meaning.
void QueryWords::add(std::string word, WordMeaning meaning) {
    if (word.empty()) return;
    longest_ = std::max(longest_, word.size());
    words_.emplace(std::move(word), std::move(meaning));
}

// Two stars may share a name (小耗, 大耗 and 病符 of two rings, the two 旬空):
// the name stands for both.
void QueryWords::addStar(const std::string& name, int star) {
    if (name.empty()) return;
    auto known = words_.find(name);
    if (known == words_.end()) {
        WordMeaning meaning{WordKind::Stars, 0, {}, 0, name};
        meaning.stars.add(star);
        add(name, std::move(meaning));
    } else if (known->second.kind == WordKind::Stars) {
        known->second.stars.add(star);
    }
}

}  // namespace velmora::query
