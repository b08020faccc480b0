#pragma once
// A search by chart, parsed: conditions that must all hold, each naming a
// palace of the natal chart (or the body palace) and terms that must all be
// there (有) or none of which may be (無).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "query/StarMask.h"

namespace velmora::query {

inline constexpr int kLifePalace = 1;   // palace rows as the chart numbers them:
inline constexpr int kLastPalace = 12;  // 1 命宮 .. 12 父母,
inline constexpr int kBodyPalace = 13;  // 13 the body palace (身宮)
inline constexpr int kTransformationKinds = 4;  // 祿 權 科 忌
inline constexpr std::size_t kPatternBits = 64;  // rows of the pattern table a query can name

enum class TermKind : std::uint8_t {
    Stars,           // any of a set of stars: a star's name (names shared by two stars name both), or 主星
    Transformation,  // the star the birth year transforms so (0 祿, 1 權, 2 科, 3 忌)
    Pattern,         // a named pattern read with this palace as the life palace
};

struct Term {
    TermKind kind = TermKind::Stars;
    StarMask stars;             // Stars
    int transformation = 0;     // Transformation
    std::uint64_t patterns = 0; // Pattern: bit i for row i of the pattern table (all variants of the name)
    std::string word;           // as the query wrote it, in Traditional (格局 NAME: the name alone)
    friend bool operator==(const Term&, const Term&) = default;
};

struct Condition {
    int palace = kLifePalace;  // 1..13
    bool present = true;       // 有: every term is there; 無: none is
    std::vector<Term> terms;
    friend bool operator==(const Condition&, const Condition&) = default;
};

struct ChartQuery {
    std::vector<Condition> conditions;
    friend bool operator==(const ChartQuery&, const ChartQuery&) = default;
};

}  // namespace velmora::query
