#pragma once
// Two charts laid one over the other on the same earthly branch (疊盤): for
// each branch the palace each chart has there, where each person's four
// birth-year transformed stars stand in the other's chart (跨盤四化), and the
// palaces where one chart's own transformations meet the other's.
// Each chart comes cast already, under its own person's school and birth.

#include <array>
#include <vector>

#include "chart/ChartState.h"
#include "reading/PatternBoard.h"

namespace velmora::reading {

// One branch of the overlay: the palace number 1..12 each chart has there.
struct OverlayPalace {
    int branch = 0;
    int a = 0;
    int b = 0;
    friend bool operator==(const OverlayPalace&, const OverlayPalace&) = default;
};

// One of a person's transformed stars as it stands in the other's chart:
// kind 1 祿 .. 4 忌; branch and palace 0 when that chart does not place it.
struct CrossTransformation {
    int kind = 0;
    int star = 0;
    int branch = 0;
    int palace = 0;
    friend bool operator==(const CrossTransformation&, const CrossTransformation&) = default;
};

// A palace of one chart holding both its own birth-year transformations
// (`own`, kinds 1..4) and the other person's as they fall there (`other`).
struct OverlayMeeting {
    int branch = 0;
    int palace = 0;
    std::vector<int> own;
    std::vector<int> other;
    friend bool operator==(const OverlayMeeting&, const OverlayMeeting&) = default;
};

struct Overlay {
    std::array<OverlayPalace, 12> palaces{};  // from A's life palace on, in A's palace order
    std::array<CrossTransformation, kQuartet> aInB{};
    std::array<CrossTransformation, kQuartet> bInA{};
    std::vector<OverlayMeeting> meetInA;  // in A's chart, branch ascending
    std::vector<OverlayMeeting> meetInB;  // in B's chart, branch ascending
    friend bool operator==(const Overlay&, const Overlay&) = default;
};

// One person's chart with the four stars its birth year transforms.
struct OverlaySide {
    const ChartState* chart = nullptr;
    Quartet transformed{};
};

// The palace number (1..12) `chart` has on `branch`, 0 when none.
int PalaceOnBranch(const ChartState& chart, int branch);

Overlay OverlayCharts(const OverlaySide& a, const OverlaySide& b);

}  // namespace velmora::reading
