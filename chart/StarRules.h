#pragma once
// Internal to the chart engine: the star placement rules split by group. Each
// writes the branches (reduced into 1..12) of its stars into the chart's star table.

#include "chart/BirthInput.h"
#include "chart/ChartState.h"
#include "chart/Conventions.h"
#include "chart/DigitTables.h"

namespace velmora {

// The birth values the placement rules read, taken once from the chart input
// and the palaces.
struct BirthFacts {
    int month = 0;        // lunar month as stored (a leap month carries the month it follows), or
                          // the life palace's month m' when the school splits the leap month everywhere
    int day = 0;          // lunar day
    int hourBranch = 0;   // h: branch of the birth period
    int hourPillar = 0;   // H: branch of the hour pillar (the same period)
    int yearStem = 0;     // of the year pillar counted from the lunar new year
    int yearBranch = 0;
    int lunarYear = 0;
    int lifeBranch = 0;   // L
    int bodyBranch = 0;
    int bureauIndex = 0;
    bool forward = false; // yang year and male, or yin year and female
    Conventions conventions;
};

BirthFacts GatherBirthFacts(const BirthInput& input, const ChartState& chart, const Conventions& conventions);

// Writes the reduced branch value as the branch of `star`.
inline void PutStar(ChartState& chart, int star, int value) {
    chart.StarTable[star].branch = static_cast<std::int16_t>(WrapBranch(value));
}
// Leaves `star` off the chart: no branch, no level.
inline void UnplaceStar(ChartState& chart, int star) { chart.StarTable[star] = StarRow{}; }
inline int StarBranch(const ChartState& chart, int star) { return chart.StarTable[star].branch; }

void PlaceZiWeiAndTianFu(const BirthFacts& facts, ChartState& chart);     // stars 1..14
void PlaceMinorStars(const BirthFacts& facts, ChartState& chart);         // stars 15..53
void PlaceCycleStars(const BirthFacts& facts, ChartState& chart);         // stars 54..91

}  // namespace velmora
