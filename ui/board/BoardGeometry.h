#pragma once
// Where the palace board's parts lie, in twips of the main window. The board
// is four by four boxes; the twelve outer boxes are the palaces, one per
// branch, clockwise from 子 right of the bottom centre; the inner two by two
// holds the chart's summary.

#include <array>

namespace velmora::board {

inline constexpr int kBoardLeft = 240;   // BoardLeft
inline constexpr int kBoardTop = 750;    // BoardTop
inline constexpr int kBoxWidth = 2960;   // BoxWidth
inline constexpr int kBoxHeight = 1935;  // BoxHeight
inline constexpr int kBoxesPerSide = 4;
inline constexpr int kPalaceCount = 12;

// The main window: the board, the margins beside it, and the date row below.
inline constexpr int kDateRowAllowance = 1200;
inline constexpr int kFormWidth = kBoxesPerSide * kBoxWidth + 2 * kBoardLeft;                // 12320
inline constexpr int kFormHeight = kBoxesPerSide * kBoxHeight + kBoardTop + kDateRowAllowance;  // 9690

// The date row sits under the board.
inline constexpr int kFrame3Left = kBoardLeft + 100;
inline constexpr int kFrame3Top = kBoardTop + kBoxesPerSide * kBoxHeight + 200;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Segment {
    Point from;
    Point to;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// Top-left corner of the box of branch index b (0 子 .. 11 亥).
Point BoxCorner(int b);

// The point of the inner square that faces branch index b: the inner corner
// for the corner palaces, the middle of the facing edge for the others.
Point PalaceAnchor(int b);

// The board's frame and grid: Line1 (horizontal) and Line2 (vertical).
std::array<Segment, 6> Line1Segments();
std::array<Segment, 6> Line2Segments();

// The four focus lines from branch number p (1..12): to the opposite palace,
// to the two trine palaces, and between the trines.
std::array<Segment, 4> FocusSegments(int p);

}  // namespace velmora::board
