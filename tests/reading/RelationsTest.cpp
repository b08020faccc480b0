// A palace's relations by branch, and the stars an empty palace borrows.

#include <gtest/gtest.h>

#include "reading/Relations.h"

namespace velmora::reading {
namespace {

TEST(Relations, ByBranchAtAndAcrossTheWrap) {
    // Columns: branch, opposite, trines, flanks, hidden partner (子丑 寅亥 卯戌 辰酉 巳申 午未).
    struct Row {
        int branch, opposite;
        std::array<int, 2> trine, flanks;
        int hidden;
    };
    const Row rows[] = {
        {1, 7, {5, 9}, {12, 2}, 2},   {2, 8, {6, 10}, {1, 3}, 1},   {3, 9, {7, 11}, {2, 4}, 12},
        {4, 10, {8, 12}, {3, 5}, 11}, {5, 11, {9, 1}, {4, 6}, 10},  {6, 12, {10, 2}, {5, 7}, 9},
        {7, 1, {11, 3}, {6, 8}, 8},   {8, 2, {12, 4}, {7, 9}, 7},   {9, 3, {1, 5}, {8, 10}, 6},
        {11, 5, {3, 7}, {10, 12}, 4}, {12, 6, {4, 8}, {11, 1}, 3},  {13, 7, {5, 9}, {12, 2}, 2},
        {0, 6, {4, 8}, {11, 1}, 3},   {-10, 8, {6, 10}, {1, 3}, 1},  {10, 4, {2, 6}, {9, 11}, 5},
    };
    for (const Row& r : rows) {
        const PalaceRelations got = RelationsOf(r.branch);
        const int own = ((r.branch - 1) % 12 + 12) % 12 + 1;
        EXPECT_EQ(got.branch, own) << r.branch;
        EXPECT_EQ(got.opposite, r.opposite) << r.branch;
        EXPECT_EQ(got.trine, r.trine) << r.branch;
        EXPECT_EQ(got.flanks, r.flanks) << r.branch;
        EXPECT_EQ(got.hidden, r.hidden) << r.branch;
        EXPECT_EQ(RelationsOf(got.hidden).hidden, own) << "六合 pairs both ways: " << r.branch;
    }
}

TEST(Relations, AnEmptyPalaceBorrowsItsOppositesMajorStars) {
    ChartState chart;
    for (int s = 1; s <= 14; ++s) chart.StarTable[s].branch = 5;  // every major star on 辰
    chart.StarTable[14].branch = 6;                                  // but 破軍 on 巳
    chart.StarTable[15].branch = 11;                                 // 文昌 alone on 戌: not a major star
    // Columns: branch, stars it borrows.
    struct Row {
        int branch;
        std::vector<int> borrowed;
    };
    const std::vector<int> onChen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    const Row rows[] = {{11, onChen}, {12, {14}}, {10, {}}, {5, {}}, {6, {}}, {4, {}}};
    for (const Row& r : rows) EXPECT_EQ(BorrowedStars(chart, r.branch), r.borrowed) << r.branch;
    for (int palace = 1; palace <= 12; ++palace) chart.PalaceTable[palace].branch = static_cast<std::int16_t>(13 - palace);
    const auto all = ChartRelations(chart);
    EXPECT_EQ(all[0].branch, 12);  // palace order, from the life palace on
    EXPECT_EQ(all[0].borrowed, std::vector<int>{14});
    EXPECT_EQ(all[1].borrowed, onChen);
}

}  // namespace
}  // namespace velmora::reading
