#include "ui/board/BoardGeometry.h"

#include <cmath>

#include "chart/NatalChart.h"

namespace velmora::board {

namespace {

constexpr int X0 = kBoardLeft;
constexpr int Y0 = kBoardTop;
constexpr int W = kBoxWidth;
constexpr int H = kBoxHeight;

// Columns: column and row of the box (0..3 from the board's top-left box), by branch index 子..亥.
struct BoxPlace {
    int column;
    int row;
};
constexpr std::array<BoxPlace, kPalaceCount> kBoxPlaces{{
    {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}, {0, 0},
    {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3},
}};

// Columns: the anchor's x and y as multiples of the box width and height from
// the board's corner, by branch index 子..亥.
struct AnchorPlace {
    double columns;
    double rows;
};
constexpr std::array<AnchorPlace, kPalaceCount> kAnchorPlaces{{
    {2.5, 3}, {1.5, 3}, {1, 3}, {1, 2.5}, {1, 1.5}, {1, 1},
    {1.5, 1}, {2.5, 1}, {3, 1}, {3, 1.5}, {3, 2.5}, {3, 3},
}};

std::size_t At(int b) { return static_cast<std::size_t>(b); }

int Round(double twips) { return static_cast<int>(std::lround(twips)); }

}  // namespace

Point BoxCorner(int b) {
    const BoxPlace place = kBoxPlaces[At(b)];
    return {X0 + place.column * W, Y0 + place.row * H};
}

Point PalaceAnchor(int b) {
    const AnchorPlace place = kAnchorPlaces[At(b)];
    return {Round(X0 + place.columns * W), Round(Y0 + place.rows * H)};
}

std::array<Segment, 6> Line1Segments() {
    return {{
        {{X0, Y0}, {X0 + 4 * W, Y0}},
        {{X0, Y0 + H}, {X0 + 4 * W, Y0 + H}},
        {{X0, Y0 + 2 * H}, {X0 + W, Y0 + 2 * H}},
        {{X0, Y0 + 3 * H}, {X0 + 4 * W, Y0 + 3 * H}},
        {{X0, Y0 + 4 * H}, {X0 + 4 * W, Y0 + 4 * H}},
        {{X0 + 3 * W, Y0 + 2 * H}, {X0 + 4 * W, Y0 + 2 * H}},
    }};
}

std::array<Segment, 6> Line2Segments() {
    return {{
        {{X0, Y0}, {X0, Y0 + 4 * H}},
        {{X0 + W, Y0}, {X0 + W, Y0 + 4 * H}},
        {{X0 + 2 * W, Y0}, {X0 + 2 * W, Y0 + H}},
        {{X0 + 3 * W, Y0}, {X0 + 3 * W, Y0 + 4 * H}},
        {{X0 + 4 * W, Y0}, {X0 + 4 * W, Y0 + 4 * H}},
        {{X0 + 2 * W, Y0 + 3 * H}, {X0 + 2 * W, Y0 + 4 * H}},
    }};
}

std::array<Segment, 4> FocusSegments(int p) {
    const int focus = ReduceBranch(p);
    const int q4 = ReduceBranch(focus + 4);
    const int q8 = ReduceBranch(focus + 8);
    const int q6 = ReduceBranch(focus + 6);
    auto anchor = [](int branch) { return PalaceAnchor(branch - 1); };
    return {{
        {anchor(focus), anchor(q6)},
        {anchor(focus), anchor(q8)},
        {anchor(focus), anchor(q4)},
        {anchor(q4), anchor(q8)},
    }};
}

}  // namespace velmora::board
