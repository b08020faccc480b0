// Flying transformations in every layer over random births, shown days and
// schools, checked against the Four file read here and against the stems
// each layer gives its palaces, worked out here by 五虎遁 on their own.

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "output/ChartRun.h"
#include "output/FlyingTransformations.h"
#include "output/ReferenceLoad.h"
#include "reading/LayerFlying.h"

namespace velmora::tool {
namespace {

constexpr int kRandomCharts = 300;
constexpr int kPairWidth = 2;

std::vector<std::string> FourLines() {
    std::ifstream file(VELMORA_DATA_DIR "/Four", std::ios::binary);
    std::vector<std::string> lines{""};
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

int StarOfFour(const std::vector<std::string>& four, int stem, int kind) {
    return std::stoi(four.at(stem).substr((kind - 1) * kPairWidth, kPairWidth));
}

// 五虎遁: 寅 gets 丙 戊 庚 壬 甲 in 甲己, 乙庚, 丙辛, 丁壬, 戊癸 years, each branch on the next stem.
int TigerStem(int yearStem, int branch) {
    const int tiger = 2 * ((yearStem - 1) % 5) + 3;
    return (tiger - 1 + (branch - 3 + 12) % 12) % 10 + 1;
}

int NatalStemOn(const ChartState& chart, int branch) {
    for (int palace = 1; palace <= kBranches; ++palace)
        if (chart.PalaceTable[palace].branch == branch) return chart.PalaceTable[palace].stem;
    return 0;
}

// The stem the layer gives the palace on `branch`, as LayerPalaceStems documents it.
int ExpectedStem(int layer, const ChartResult& r, const CalendarDay& shown, int branch) {
    const bool palaceRule = r.conventions.layerStems() == LayerStemsRule::palace;
    const bool lichun = r.conventions.flowingYear() == FlowingYearRule::lichun;
    const int yearStem = lichun ? shown.Pillars.SolarYearPillar.stem : shown.Pillars.YearPillar.stem;
    if (layer <= 1 || (layer == 2 && palaceRule)) return NatalStemOn(r.chart, branch);
    if (layer <= 4) return TigerStem(yearStem, branch);
    return TigerStem(shown.Pillars.DayPillar.stem, branch);
}

Conventions RandomConventions(std::mt19937& random) {
    Conventions conventions;
    for (const ConventionSwitch& s : ConventionSwitches())
        conventions.set(s.key, std::uniform_int_distribution<int>(0, s.valueCount - 1)(random));
    return conventions;
}

TEST(LayerFlying, EveryFlightOfEveryLayerIsItsPalaceStemsFourStarOnTheStarsBranch) {
    ReferenceTables tables;
    ASSERT_FALSE(LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables).error);
    const std::vector<std::string> four = FourLines();
    std::mt19937 random(29);
    std::uniform_int_distribution<int> year(1901, 2049), month(1, 12), day(1, 28), period(1, 13), gender(0, 1);
    for (int n = 0; n < kRandomCharts; ++n) {
        const QueryDate birth{year(random), month(random), day(random)};
        const QueryDate shown{birth.year + std::uniform_int_distribution<int>(0, 50)(random), month(random), day(random)};
        const Conventions conventions = RandomConventions(random);
        for (int layer = 0; layer <= 6; ++layer) {
            const Query query{birth, period(random), gender(random), LayerQuery{shown, period(random), layer}};
            ChartResult r;
            ASSERT_FALSE(ComputeQuery(query, tables, r, conventions));
            const int life = r.layer->focusBranch;
            const auto flights = LayerFlights(life, LayerPalaceStems(layer, r.chart, r.layer->shown, conventions),
                                              r.chart, tables.transformations);
            ASSERT_EQ(flights.size(), 48u) << "layer " << layer;
            for (std::size_t i = 0; i < flights.size(); ++i) {
                const LayerFlight& f = flights[i];
                const int palace = static_cast<int>(i) / 4 + 1;
                const int natalBranch = r.chart.PalaceTable[palace].branch;
                EXPECT_EQ(f.palace, palace);
                EXPECT_EQ(f.from, (natalBranch - r.chart.PalaceTable[1].branch + life + 23) % 12 + 1);
                EXPECT_EQ(f.stem, ExpectedStem(layer, r, r.layer->shown, f.from)) << "layer " << layer;
                EXPECT_EQ(f.kind, static_cast<int>(i) % 4 + 1);
                EXPECT_EQ(f.star, StarOfFour(four, f.stem, f.kind));
                EXPECT_EQ(f.to, r.chart.StarTable[f.star].branch);
                EXPECT_EQ(f.opposite, (f.to + 5) % 12 + 1);
            }
            const SelfTransformations split = SplitSelfTransformations(flights);
            std::size_t outward = 0, inward = 0;
            for (const LayerFlight& f : flights) {
                outward += f.from == f.to ? 1 : 0;
                inward += f.from == f.opposite ? 1 : 0;
            }
            EXPECT_EQ(split.outward.size(), outward);
            EXPECT_EQ(split.inward.size(), inward);
            for (const SelfTransformation& s : split.inward) EXPECT_EQ(OppositeBranch(s.branch), s.by);
            if (layer != 0) continue;
            // The natal layer flies as the natal --flying does.
            const auto natal = AllFlights(r.chart, tables.transformations);
            ASSERT_EQ(natal.size(), flights.size());
            for (std::size_t i = 0; i < natal.size(); ++i)
                EXPECT_EQ((std::array{natal[i].from, natal[i].stem, natal[i].kind, natal[i].star, natal[i].to}),
                          (std::array{flights[i].from, flights[i].stem, flights[i].kind, flights[i].star, flights[i].to}));
        }
    }
}

}  // namespace
}  // namespace velmora::tool
