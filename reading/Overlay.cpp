#include "reading/Overlay.h"

namespace velmora::reading {

namespace {

int StarBranch(const ChartState& chart, int star) {
    if (star < 1 || star >= static_cast<int>(chart.StarTable.size())) return 0;
    return chart.StarTable[star].branch;
}

// `from`'s four transformed stars where `into` places them.
std::array<CrossTransformation, kQuartet> Cross(const Quartet& from, const ChartState& into) {
    std::array<CrossTransformation, kQuartet> cross{};
    for (int k = 0; k < kQuartet; ++k) {
        const int branch = StarBranch(into, from[k]);
        cross[k] = {k + 1, from[k], branch, branch ? PalaceOnBranch(into, branch) : 0};
    }
    return cross;
}

// In `side`'s chart, the palaces where its own transformations and `other`'s
// (as `side`'s chart places them) stand together.
std::vector<OverlayMeeting> Meetings(const OverlaySide& side, const std::array<CrossTransformation, kQuartet>& other) {
    // [branch]: the kinds standing there, of the chart's own and of the other's.
    std::array<OverlayMeeting, kBranches + 1> at{};
    for (int k = 0; k < kQuartet; ++k) {
        if (const int own = StarBranch(*side.chart, side.transformed[k])) at[own].own.push_back(k + 1);
        if (other[k].branch) at[other[k].branch].other.push_back(k + 1);
    }
    std::vector<OverlayMeeting> meetings;
    for (int branch = 1; branch <= kBranches; ++branch) {
        OverlayMeeting& m = at[branch];
        if (m.own.empty() || m.other.empty()) continue;
        m.branch = branch;
        m.palace = PalaceOnBranch(*side.chart, branch);
        meetings.push_back(std::move(m));
    }
    return meetings;
}

}  // namespace

int PalaceOnBranch(const ChartState& chart, int branch) {
    for (int palace = 1; palace <= kBranches; ++palace) {
        if (chart.PalaceTable[palace].branch == branch) return palace;
    }
    return 0;
}

Overlay OverlayCharts(const OverlaySide& a, const OverlaySide& b) {
    Overlay overlay;
    for (int palace = 1; palace <= kBranches; ++palace) {
        const int branch = a.chart->PalaceTable[palace].branch;
        overlay.palaces[palace - 1] = {branch, palace, PalaceOnBranch(*b.chart, branch)};
    }
    overlay.aInB = Cross(a.transformed, *b.chart);
    overlay.bInA = Cross(b.transformed, *a.chart);
    overlay.meetInA = Meetings(a, overlay.bInA);
    overlay.meetInB = Meetings(b, overlay.aInB);
    return overlay;
}

}  // namespace velmora::reading
