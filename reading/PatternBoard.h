#pragma once
// What the pattern rules look at: where each star stands, as a set of
// branches (a flowing star counted as its natal namesake adds a second
// branch), the palace read as the life palace, and the four transformed stars.

#include <array>
#include <vector>

#include "chart/ChartState.h"
#include "chart/TimeLayers.h"
#include "reading/BranchMath.h"
#include "reading/StarNumbers.h"

namespace velmora::reading {

inline constexpr int kQuartet = 4;  // 祿 權 科 忌
using Quartet = std::array<int, kQuartet>;

struct PatternBoard {
    std::array<BranchMask, star::kLastRead + 1> at{};  // [star]: the branches it stands on
    int focus = 0;                                     // L, the palace read (1..12)
    Quartet transformed{};                             // T: the stars of 祿 權 科 忌, 0 for none

    bool starAt(int s, int branch) const { return (at[s] & BranchBit(branch)) != 0; }
    bool starIn(int s, BranchMask branches) const { return (at[s] & branches) != 0; }
    // A transformed star (T[k]) counts only when it is a star the board holds.
    bool transformedIn(int k, BranchMask branches) const {
        const int s = transformed[k];
        return s >= 1 && s <= star::kLastRead && starIn(s, branches);
    }
};

// The natal positions of stars 1..33, read from palace `focus` with the
// transformations `transformed`.
PatternBoard MakePatternBoard(const ChartState& chart, int focus, const Quartet& transformed);

// Counts a layer's 流祿 流羊 流陀 流昌 流曲 as 祿存 擎羊 陀羅 文昌 文曲 as
// well, on their own branches; the other flowing stars are not read.
void AddFlowingStars(PatternBoard& board, const std::vector<FlowingStar>& flowing);

}  // namespace velmora::reading
