#pragma once
// The named patterns (格局): a table of rules, each a small predicate over a
// PatternBoard with the passage it comes from, and the search that lists the
// rules a board fulfils. Finding them allocates nothing once `found` has room.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "reading/PatternBoard.h"

namespace velmora::reading {

// The stars a pattern was found with, in the rule's order.
struct PatternStars {
    static constexpr int kMost = 6;
    std::array<std::int8_t, kMost> list{};
    int count = 0;
    void add(int s) {
        if (count < kMost) list[count++] = static_cast<std::int8_t>(s);
    }
    std::span<const std::int8_t> view() const { return {list.data(), static_cast<std::size_t>(count)}; }
};

using PatternPredicate = bool (*)(const PatternBoard&, PatternStars&);
using BreakPredicate = bool (*)(const PatternBoard&);

struct PatternRule {
    std::string_view name;     // the pattern's name, as the sources write it
    std::string_view group;    // 富 貴 貧賤 雜 (the classic lists) or a modern family: 吉格 凶格 星系
    std::string_view variant;  // "strict", or the reading this row takes where readings differ
    std::string_view source;   // volume, section and line; secondary sources said to be so
    PatternPredicate holds;    // fills the stars it was found with
    BreakPredicate breaks;     // 破格 where the source names what breaks it; null otherwise
    std::string_view never;    // why the fixed star layout never lets it hold; empty when it can
};

struct FoundPattern {
    const PatternRule* rule = nullptr;
    int palace = 0;  // the branch read (L)
    PatternStars stars;
    bool broken = false;
};

// Every rule, strict readings first in the order of the list they come from,
// then the variants.
std::span<const PatternRule> PatternRules();

// Appends to `found` the rules `board` fulfils, in table order.
void FindPatterns(const PatternBoard& board, std::vector<FoundPattern>& found);

}  // namespace velmora::reading
