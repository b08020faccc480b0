// Brightness levels from the rows of the brightness table.

#include "chart/NatalChart.h"

namespace velmora {

namespace {
constexpr int kHighestLevel = 7;
}

void ApplyStarLevels(const std::vector<StarLevelRow>& rows, ChartState& chart) {
    for (const StarLevelRow& row : rows) {
        if (row.star < 1 || row.star > kStarRows) continue;
        StarRow& star = chart.StarTable[row.star];
        // Stars 92..110 stand nowhere, so their rows set nothing.
        if (star.branch < 1 || star.branch > kBranches) continue;
        const int level = row.levels[star.branch - 1];
        if (level >= 0 && level <= kHighestLevel) star.level = static_cast<std::int16_t>(level);
    }
}

}  // namespace velmora
