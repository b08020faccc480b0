// Stars 54..91: the twelve growth stages, the void pair of the year's decade,
// the twelve 博士 stars and the twelve 歲建 stars.

#include <string_view>

#include "chart/DigitTables.h"
#include "chart/StarRules.h"

namespace velmora {

namespace {

constexpr int kGrowthFirst = 54;   // 長生 .. 養: stars 54..65
constexpr int kVoidFirst = 66;     // 旬空 pair: stars 66, 67
constexpr int kBoShiFirst = 68;    // 博士 .. 官府: stars 68..79
constexpr int kSuiJianFirst = 80;  // 歲建 .. 病符: stars 80..91
constexpr int kLuCun = 21;
constexpr int kCycleEpochYear = 1864;  // a 甲子 year: place 1 of the sixty-cycle
constexpr int kSixty = 60;
constexpr int kDecade = 10;

// Branch of 長生 by bureau index 1..5: 木 亥, 火 寅, 土 申, 金 巳, 水 申.
constexpr std::string_view kGrowthStartByBureau = "1203090609";

// Twelve stars on consecutive branches from `start`, forward or backward.
// The direction is taken once: a choice made inside the loop was guessed
// wrong in one chart of two.
void PlaceRing(ChartState& chart, int firstStar, int start, bool forward) {
    const int step = forward ? 1 : -1;
    for (int k = 0; k < kBranches; ++k) PutStar(chart, firstStar + k, start + step * k);
}

// The two branches left void by the year's decade of the sixty-cycle: the 甲子
// decade leaves 戌 亥, each later decade the pair two branches earlier.
// The year's place 1..60 in the sixty-cycle: of the lunar year, or, when the
// year is counted from 立春, of that year's pillar (stem and branch advance
// together from 甲子, so the place is 6 (stem - 1) - 5 (branch - 1) mod 60, plus 1).
int YearCyclePlace(const BirthFacts& f) {
    if (f.conventions.yearPillar() == YearPillarRule::lichun)
        return PositiveMod(6 * (f.yearStem - 1) - 5 * (f.yearBranch - 1), kSixty) + 1;
    return PositiveMod(f.lunarYear - kCycleEpochYear, kSixty) + 1;
}

void PlaceVoidPair(const BirthFacts& f, ChartState& chart) {
    const int place = YearCyclePlace(f);
    const int decade = (place - 1) / kDecade;  // 0..5
    PutStar(chart, kVoidFirst, 11 - 2 * decade);
    PutStar(chart, kVoidFirst + 1, 12 - 2 * decade);
    // Schools that keep one 旬空 star keep the first in a yang year, the second in a yin one.
    if (f.conventions.xunKong() == XunKongRule::yearPolarity)
        UnplaceStar(chart, f.yearBranch % 2 == 1 ? kVoidFirst + 1 : kVoidFirst);
}

}  // namespace

void PlaceCycleStars(const BirthFacts& facts, ChartState& chart) {
    PlaceRing(chart, kGrowthFirst, DigitPair(kGrowthStartByBureau, facts.bureauIndex), facts.forward);
    PlaceVoidPair(facts, chart);
    PlaceRing(chart, kBoShiFirst, StarBranch(chart, kLuCun), facts.forward);
    PlaceRing(chart, kSuiJianFirst, facts.yearBranch, true);
}

}  // namespace velmora
