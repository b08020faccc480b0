// Flying transformations in a time layer, with the 自化 of each kind.

#include "reading/LayerFlying.h"

#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"

namespace velmora {

namespace {

constexpr int kHalfBoard = 6;
constexpr int kKinds = 4;  // 祿 權 科 忌

bool IsStem(int stem) { return stem >= 1 && stem <= kStems; }
bool StandsOnBoard(int star) { return star >= 1 && star <= kPlacedStars; }

// 五虎遁 from `yearStem` on every branch; all 0 when the stem is not one.
BranchStems TigerStems(int yearStem) {
    BranchStems stems{};
    if (!IsStem(yearStem)) return stems;
    for (int branch = 1; branch <= kBranches; ++branch) stems[branch] = PalaceStemOf(yearStem, branch);
    return stems;
}

}  // namespace

BranchStems NatalPalaceStems(const ChartState& chart) {
    BranchStems stems{};
    for (int palace = 1; palace <= kBranches; ++palace) {
        const PalaceRow& row = chart.PalaceTable[palace];
        if (row.branch >= 1 && row.branch <= kBranches) stems[row.branch] = row.stem;
    }
    return stems;
}

BranchStems LayerPalaceStems(int layerIndex, const ChartState& chart, const CalendarDay& shown,
                             const Conventions& conventions) {
    const bool ownStems = conventions.layerStems() == LayerStemsRule::palace;
    switch (static_cast<Layer>(layerIndex)) {
        case Layer::Natal:
        case Layer::Decade: return NatalPalaceStems(chart);
        case Layer::MinorLimit:
            if (ownStems) return NatalPalaceStems(chart);
            return TigerStems(FlowingYearPillar(shown, conventions).stem);
        case Layer::Year:
        case Layer::Month: return TigerStems(FlowingYearPillar(shown, conventions).stem);
        case Layer::Day:
        case Layer::Hour: return TigerStems(shown.Pillars.DayPillar.stem);
    }
    return {};
}

int OppositeBranch(int branch) { return ReduceBranch(branch + kHalfBoard); }

int LayerPalaceOn(int branch, int lifeBranch, const ChartState& chart) {
    const int natalLife = chart.PalaceTable[1].branch;
    for (int palace = 1; palace <= kBranches; ++palace)
        if (ReduceBranch(chart.PalaceTable[palace].branch - natalLife + lifeBranch) == branch) return palace;
    return 0;
}

std::vector<LayerFlight> LayerFlights(int lifeBranch, const BranchStems& stems, const ChartState& chart,
                                      const TransformationTable& table) {
    std::vector<LayerFlight> flights;
    flights.reserve(kBranches * kKinds);
    const int natalLife = chart.PalaceTable[1].branch;
    for (int palace = 1; palace <= kBranches; ++palace) {
        // The layer keeps the natal order of palaces, turned to start at its own life palace.
        const int from = ReduceBranch(chart.PalaceTable[palace].branch - natalLife + lifeBranch);
        const int stem = stems[from];
        if (!IsStem(stem)) continue;
        const std::array<int, 5> stars = ParseTransformations(table.lines[stem]);
        for (int kind = 1; kind <= kKinds; ++kind) {
            const int star = stars[kind];
            if (!StandsOnBoard(star)) continue;
            const int to = chart.StarTable[star].branch;
            flights.push_back({palace, from, stem, kind, star, to, to == 0 ? 0 : OppositeBranch(to)});
        }
    }
    return flights;
}

SelfTransformations SplitSelfTransformations(const std::vector<LayerFlight>& flights) {
    SelfTransformations split;
    for (const LayerFlight& f : flights) {
        if (f.to == f.from) split.outward.push_back({f.to, f.kind, f.star, f.from});
        else if (f.opposite == f.from) split.inward.push_back({f.to, f.kind, f.star, f.from});
    }
    return split;
}

}  // namespace velmora
