#pragma once
// The palaces a palace is read together with: its opposite (對宮), its two
// trines (三方), its flanks (夾), its hidden partner (暗合), and the major
// stars it borrows (借) from its opposite when it holds none of its own.

#include <array>
#include <vector>

#include "chart/ChartState.h"

namespace velmora::reading {

struct PalaceRelations {
    int branch = 0;                 // the palace's own branch 1..12
    int opposite = 0;               // b + 6
    std::array<int, 2> trine{};     // b + 4, b + 8
    std::array<int, 2> flanks{};    // b - 1, b + 1
    int hidden = 0;                 // the 六合 partner
    std::vector<int> borrowed;      // stars 1..14 of the opposite, ascending, when b holds none
    friend bool operator==(const PalaceRelations&, const PalaceRelations&) = default;
};

// The relations of the palace on `branch` (wrapped into 1..12); `borrowed`
// left empty, as it needs the stars.
PalaceRelations RelationsOf(int branch);

// The major stars (1..14) standing on `branch`, ascending.
std::vector<int> MajorStarsOn(const ChartState& chart, int branch);

// The stars the palace on `branch` borrows: none when it holds a major star
// of its own, else those of its opposite (possibly none either).
std::vector<int> BorrowedStars(const ChartState& chart, int branch);

// The twelve palaces' relations in palace order, from the life palace on.
std::array<PalaceRelations, 12> ChartRelations(const ChartState& chart);

}  // namespace velmora::reading
