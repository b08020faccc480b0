#pragma once
// The computed natal chart. Tables are indexed from 1 as the chart's numbering
// is (palace 1..13, star 1..110, branch 1..12, stem 1..10); slot 0 is unused.

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

inline constexpr int kPalaceRows = 13;    // palaces 1..12, then the body palace
inline constexpr int kBodyPalaceRow = 13;
inline constexpr int kStarRows = 110;     // star numbers a table may name
inline constexpr int kPlacedStars = 91;   // stars the engine places
inline constexpr int kBranches = 12;
inline constexpr int kStems = 10;

struct PalaceRow {
    std::int16_t stem = 0;
    std::int16_t branch = 0;
    friend bool operator==(const PalaceRow&, const PalaceRow&) = default;
};

struct StarRow {
    std::int16_t branch = 0;  // 1..12 for stars 1..91; 0 for 92..110
    std::int16_t level = 0;   // brightness 0..7 in that branch, from the brightness table
    friend bool operator==(const StarRow&, const StarRow&) = default;
};

struct ChartState {
    std::array<PalaceRow, kPalaceRows + 1> PalaceTable{};  // [1..12] palaces, [13] body palace
    std::int16_t BureauIndex = 0;                          // 1 木3, 2 火6, 3 土5, 4 金4, 5 水2
    std::array<StarRow, kStarRows + 1> StarTable{};        // [star number]
    // [branch]: three-digit star numbers in ascending order joined by one blank.
    std::array<std::string, kBranches + 1> BranchStarList{};
    // [stem][branch]: place 1..60 in the sixty-cycle; 0 for pairs of unlike parity.
    std::array<std::array<std::int16_t, kBranches + 1>, kStems + 1> SexagenaryTable{};
    friend bool operator==(const ChartState&, const ChartState&) = default;
};

}  // namespace velmora
