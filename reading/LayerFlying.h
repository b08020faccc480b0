#pragma once
// Flying transformations in a time layer. A layer names the twelve palaces
// from its own life palace (the branch it points at: 大命, 大兄 .. for the
// decade, 年命 .. for the year) and gives each palace a stem; each stem makes
// four stars transform (祿 權 科 忌, by the transformation table), and the
// transformation flies to the branch holding the star. The palace opposite
// that branch is the one a 化忌 strikes (沖).
//
// A transformation that stays in its palace is 自化, of two kinds: 離心, the
// palace's own stem transforming a star inside it, and 向心, the stem of the
// opposite palace transforming a star inside it.

#include <array>
#include <vector>

#include "calendar/CalendarDay.h"
#include "chart/ChartState.h"
#include "chart/Conventions.h"
#include "chart/ReferenceData.h"

namespace velmora {

// [branch 1..12]: the stem a palace standing there has in one layer; [0] unused.
using BranchStems = std::array<int, kBranches + 1>;

// The palace stems a layer flies from:
//   本命, 大限        the natal palaces' stems
//   小限              the natal stems under layerStems=palace, else as 流年
//   流年, 流月        五虎遁 from the stem of the year the layers count
//   流日, 流時        五虎遁 from the shown day's stem
BranchStems LayerPalaceStems(int layerIndex, const ChartState& chart, const CalendarDay& shown,
                             const Conventions& conventions);

// The natal stems alone (layer 0), needing no shown day.
BranchStems NatalPalaceStems(const ChartState& chart);

// The branch across the board from `branch` (子 <-> 午).
int OppositeBranch(int branch);

// The palace 1..12 that `branch` is in a layer whose life palace stands on
// `lifeBranch`: the natal order of palaces started there; 0 when no chart.
int LayerPalaceOn(int branch, int lifeBranch, const ChartState& chart);

struct LayerFlight {
    int palace = 0;    // 1..12, named from the layer's life palace
    int from = 0;      // branch of that palace
    int stem = 0;      // the stem the layer gives it
    int kind = 0;      // 1 祿, 2 權, 3 科, 4 忌
    int star = 0;      // the transformed star
    int to = 0;        // branch holding the star
    int opposite = 0;  // the branch across from `to`, what a 化忌 沖
    friend bool operator==(const LayerFlight&, const LayerFlight&) = default;
};

// Every flight of the twelve palaces from the layer's life palace on, 祿 first
// in each; a table pair naming no star on the board gives no flight.
std::vector<LayerFlight> LayerFlights(int lifeBranch, const BranchStems& stems, const ChartState& chart,
                                      const TransformationTable& table);

// A 自化: the palace on `branch` has star `star` transformed (`kind`) by the
// stem of the palace on `by` (the same branch for 離心, the opposite for 向心).
struct SelfTransformation {
    int branch = 0;
    int kind = 0;
    int star = 0;
    int by = 0;
    friend bool operator==(const SelfTransformation&, const SelfTransformation&) = default;
};
struct SelfTransformations {
    std::vector<SelfTransformation> outward;  // 離心
    std::vector<SelfTransformation> inward;   // 向心
};
// Taken from the flights of one layer, in their order.
SelfTransformations SplitSelfTransformations(const std::vector<LayerFlight>& flights);

}  // namespace velmora
