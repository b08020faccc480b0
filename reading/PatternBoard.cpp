#include "reading/PatternBoard.h"

#include <string_view>

namespace velmora::reading {

namespace {

// Columns: the flowing star's name, the natal star it is counted as.
struct FlowingNamesake {
    std::string_view name;
    int natal;
};
constexpr std::array<FlowingNamesake, 5> kFlowingNamesakes{{
    {"流祿", star::kLuCun},
    {"流羊", star::kQingYang},
    {"流陀", star::kTuoLuo},
    {"流昌", star::kWenChang},
    {"流曲", star::kWenQu},
}};

bool IsBranch(int branch) { return branch >= 1 && branch <= kBranchCount; }

}  // namespace

PatternBoard MakePatternBoard(const ChartState& chart, int focus, const Quartet& transformed) {
    PatternBoard board;
    board.focus = focus;
    board.transformed = transformed;
    for (int s = 1; s <= star::kLastRead; ++s) {
        const int branch = chart.StarTable[s].branch;
        // A star a convention leaves off the chart stands nowhere.
        board.at[s] = IsBranch(branch) ? BranchBit(branch) : BranchMask{0};
    }
    return board;
}

void AddFlowingStars(PatternBoard& board, const std::vector<FlowingStar>& flowing) {
    for (const FlowingStar& f : flowing) {
        if (!IsBranch(f.branch)) continue;
        for (const FlowingNamesake& namesake : kFlowingNamesakes)
            if (f.name == namesake.name) board.at[namesake.natal] |= BranchBit(f.branch);
    }
}

}  // namespace velmora::reading
