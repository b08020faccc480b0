// Two charts laid over each other: the palaces on each branch, each person's
// transformations in the other's chart, and where they meet.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "reading/BranchMath.h"
#include "reading/Overlay.h"
#include "tests/reading/ReadingCharts.h"

namespace velmora::reading {
namespace {

OverlaySide SideOf(const test::ChartedBirth& birth) { return {&birth.chart, birth.transformed}; }

// The branches where `chart` places the stars of `four`.
std::set<int> BranchesOf(const ChartState& chart, const Quartet& four) {
    std::set<int> branches;
    for (int s : four) branches.insert(chart.StarTable[s].branch);
    return branches;
}

// Each of `from`'s four stars, its branch in `into` and `into`'s palace there,
// and the meetings exactly where `into`'s own and `from`'s stars share a branch.
void ExpectCross(const std::array<CrossTransformation, kQuartet>& cross, const test::ChartedBirth& from,
                 const test::ChartedBirth& into, const std::vector<OverlayMeeting>& meetings,
                 const TransformationTable& four) {
    const Quartet stars = test::QuartetOf(four, from.input.YearStem);
    for (int k = 0; k < kQuartet; ++k) {
        const CrossTransformation& c = cross[k];
        EXPECT_EQ(c.kind, k + 1);
        EXPECT_EQ(c.star, stars[k]);
        EXPECT_EQ(c.branch, into.chart.StarTable[stars[k]].branch);
        ASSERT_GE(c.palace, 1);
        EXPECT_EQ(into.chart.PalaceTable[c.palace].branch, c.branch);
    }
    const std::set<int> own = BranchesOf(into.chart, into.transformed);
    std::set<int> expected;
    for (int b : BranchesOf(into.chart, stars)) {
        if (own.contains(b)) expected.insert(b);
    }
    std::set<int> found;
    for (const OverlayMeeting& m : meetings) {
        found.insert(m.branch);
        EXPECT_EQ(into.chart.PalaceTable[m.palace].branch, m.branch);
        for (int k : m.own) EXPECT_EQ(into.chart.StarTable[into.transformed[k - 1]].branch, m.branch);
        for (int k : m.other) EXPECT_EQ(into.chart.StarTable[stars[k - 1]].branch, m.branch);
    }
    EXPECT_EQ(found, expected);
}

TEST(Overlay, EachBranchCarriesBothChartsPalacesForEveryPairOfLifeBranches) {
    const TransformationTable four = test::LoadFour();
    test::ChartedBirth a, b;
    std::set<std::pair<int, int>> lifePairs;
    // Twelve periods of one day give twelve life branches, for each person.
    for (int pa = 1; pa <= 12; ++pa) {
        test::ChartBirth({1984, 3, 9, pa, 1}, four, a);
        for (int pb = 1; pb <= 12; ++pb) {
            test::ChartBirth({1991, 10, 27, pb, 0}, four, b);
            const int la = a.lifeBranch(), lb = b.lifeBranch();
            lifePairs.insert({la, lb});
            const Overlay overlay = OverlayCharts(SideOf(a), SideOf(b));
            for (int p = 1; p <= 12; ++p) {
                const OverlayPalace& row = overlay.palaces[p - 1];
                // Palaces run against the branches: palace p of a life palace
                // on L stands on L - (p - 1), so branch x is palace L - x + 1.
                EXPECT_EQ(row.branch, WrapBranch(la - (p - 1))) << la << " " << lb << " " << p;
                EXPECT_EQ(row.a, p);
                EXPECT_EQ(row.b, WrapBranch(lb - row.branch + 1)) << la << " " << lb << " " << p;
            }
        }
    }
    EXPECT_EQ(lifePairs.size(), 144u);
}

TEST(Overlay, TransformationsInBothDirectionsFollowTheFourTableOnRandomPairs) {
    const TransformationTable four = test::LoadFour();
    std::mt19937 random(33);
    const auto randomBirth = [&random] {
        return test::Birth{std::uniform_int_distribution(1901, 2099)(random), std::uniform_int_distribution(1, 12)(random),
                           std::uniform_int_distribution(1, 28)(random), std::uniform_int_distribution(1, 12)(random),
                           std::uniform_int_distribution(0, 1)(random)};
    };
    test::ChartedBirth a, b;
    for (int pair = 0; pair < 1000; ++pair) {
        test::ChartBirth(randomBirth(), four, a);
        test::ChartBirth(randomBirth(), four, b);
        const Overlay overlay = OverlayCharts(SideOf(a), SideOf(b));
        SCOPED_TRACE(pair);
        ExpectCross(overlay.aInB, a, b, overlay.meetInB, four);
        ExpectCross(overlay.bInA, b, a, overlay.meetInA, four);
    }
}

TEST(Overlay, TheSameBirthTwiceIsTheIdentity) {
    const TransformationTable four = test::LoadFour();
    test::ChartedBirth a, b;
    test::ChartBirth({1979, 12, 14, 1, 1}, four, a);  // 己: 武曲 貪狼 天梁 文曲
    test::ChartBirth({1979, 12, 14, 1, 1}, four, b);
    const Overlay overlay = OverlayCharts(SideOf(a), SideOf(b));
    for (const OverlayPalace& row : overlay.palaces) EXPECT_EQ(row.a, row.b) << row.branch;
    EXPECT_EQ(overlay.aInB, overlay.bInA);
    EXPECT_EQ(overlay.meetInA, overlay.meetInB);
    for (const CrossTransformation& c : overlay.aInB)
        EXPECT_EQ(c.branch, a.chart.StarTable[a.transformed[c.kind - 1]].branch);
    for (const OverlayMeeting& m : overlay.meetInA) EXPECT_EQ(m.own, m.other) << m.branch;
    // Every branch holding a transformation meets itself.
    EXPECT_EQ(overlay.meetInA.size(), BranchesOf(a.chart, a.transformed).size());
}

TEST(Overlay, APalaceOutsideTheChartHasNoNumber) {
    const TransformationTable four = test::LoadFour();
    test::ChartedBirth a;
    test::ChartBirth({2000, 1, 1, 7, 0}, four, a);
    // Columns: branch, its palace; the branches beside the range have none.
    const int life = a.lifeBranch();
    const std::array<std::pair<int, int>, 5> rows{{{0, 0}, {13, 0}, {life, 1}, {WrapBranch(life - 1), 2},
                                                   {WrapBranch(life + 1), 12}}};
    for (const auto& [branch, palace] : rows) EXPECT_EQ(PalaceOnBranch(a.chart, branch), palace) << branch;
}

}  // namespace
}  // namespace velmora::reading
