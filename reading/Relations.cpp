#include "reading/Relations.h"

#include "reading/BranchMath.h"
#include "reading/StarNumbers.h"

namespace velmora::reading {

PalaceRelations RelationsOf(int branch) {
    const int b = WrapBranch(branch);
    PalaceRelations r;
    r.branch = b;
    r.opposite = WrapBranch(b + 6);
    r.trine = {WrapBranch(b + 4), WrapBranch(b + 8)};
    r.flanks = {WrapBranch(b - 1), WrapBranch(b + 1)};
    r.hidden = HiddenPartner(b);
    return r;
}

std::vector<int> MajorStarsOn(const ChartState& chart, int branch) {
    std::vector<int> stars;
    for (int s = 1; s <= star::kLastMajor; ++s)
        if (chart.StarTable[s].branch == branch) stars.push_back(s);
    return stars;
}

namespace {

bool HoldsMajorStar(const ChartState& chart, int branch) {
    for (int s = 1; s <= star::kLastMajor; ++s)
        if (chart.StarTable[s].branch == branch) return true;
    return false;
}

}  // namespace

std::vector<int> BorrowedStars(const ChartState& chart, int branch) {
    const int b = WrapBranch(branch);
    if (HoldsMajorStar(chart, b)) return {};
    return MajorStarsOn(chart, WrapBranch(b + 6));
}

std::array<PalaceRelations, 12> ChartRelations(const ChartState& chart) {
    std::array<PalaceRelations, 12> all;
    for (int palace = 1; palace <= kBranchCount; ++palace) {
        PalaceRelations& r = all[palace - 1];
        r = RelationsOf(chart.PalaceTable[palace].branch);
        r.borrowed = BorrowedStars(chart, r.branch);
    }
    return all;
}

}  // namespace velmora::reading
