// Each pattern rule on hand-placed boards: where it holds, and where one
// condition is off (a star one palace over, the wrong palace read, a star
// missing). Branches: 子 1 丑 2 寅 3 卯 4 辰 5 巳 6 午 7 未 8 申 9 酉 10 戌 11 亥 12.

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "reading/Patterns.h"

namespace velmora::reading {
namespace {

const PatternRule& RuleNamed(std::string_view name, std::string_view variant = "strict") {
    for (const PatternRule& rule : PatternRules())
        if (rule.name == name && rule.variant == variant) return rule;
    ADD_FAILURE() << "no rule " << name << " " << variant;
    return PatternRules().front();
}

using Placements = std::vector<std::pair<int, int>>;  // (star, branch)

PatternBoard Board(int focus, Quartet transformed, const Placements& placed) {
    PatternBoard board;
    board.focus = focus;
    board.transformed = transformed;
    for (const auto& [s, branch] : placed) board.at[s] |= BranchBit(branch);
    return board;
}

TEST(PatternRules, HoldAndJustFail) {
    // Columns: name, variant, L, T (祿 權 科 忌), stars placed, holds.
    struct Row {
        std::string_view name, variant;
        int focus;
        Quartet t;
        Placements placed;
        bool holds;
    };
    const Quartet noT{};
    const Row rows[] = {
        {"紫府同宮", "strict", 3, noT, {{1, 3}, {7, 3}}, true},
        {"紫府同宮", "strict", 3, noT, {{1, 3}, {7, 9}}, false},
        {"機月同梁", "strict", 3, noT, {{2, 3}, {8, 7}, {5, 9}, {12, 11}}, true},
        {"機月同梁", "strict", 3, noT, {{2, 3}, {8, 7}, {5, 9}, {12, 12}}, false},
        {"殺破狼", "strict", 5, noT, {{13, 5}}, true},
        {"殺破狼", "strict", 5, noT, {{9, 5}}, true},
        {"殺破狼", "strict", 5, noT, {{14, 5}}, true},
        {"殺破狼", "strict", 5, noT, {{13, 6}, {9, 4}, {14, 11}}, false},
        {"昌曲夾命", "strict", 1, noT, {{15, 12}, {16, 2}}, true},
        {"昌曲夾命", "strict", 1, noT, {{15, 2}, {16, 12}}, true},
        {"昌曲夾命", "strict", 1, noT, {{15, 12}, {16, 12}}, false},
        {"昌曲夾命", "strict", 1, noT, {{15, 12}, {16, 3}}, false},
        {"左右夾命", "strict", 12, noT, {{17, 11}, {18, 1}}, true},
        {"左右夾命", "strict", 12, noT, {{17, 11}, {18, 2}}, false},
        {"空劫夾命", "strict", 6, noT, {{27, 5}, {28, 7}}, true},
        {"空劫夾命", "strict", 6, noT, {{27, 5}, {28, 6}}, false},
        {"火鈴夾命", "strict", 7, noT, {{23, 8}, {24, 6}}, true},
        {"火鈴夾命", "strict", 7, noT, {{23, 8}}, false},
        {"羊陀夾忌", "strict", 3, {0, 0, 0, 3}, {{25, 4}, {26, 2}, {3, 3}}, true},
        {"羊陀夾忌", "strict", 3, {0, 0, 0, 3}, {{25, 4}, {26, 2}, {3, 4}}, false},
        {"羊陀夾忌", "strict", 3, noT, {{25, 4}, {26, 2}, {3, 3}}, false},
        {"三奇嘉會", "strict", 1, {5, 2, 8, 0}, {{5, 1}, {2, 5}, {8, 9}}, true},
        {"三奇嘉會", "strict", 1, {5, 2, 8, 0}, {{5, 1}, {2, 5}, {8, 10}}, false},
        {"雙祿朝垣", "strict", 1, {4, 0, 0, 0}, {{21, 7}, {4, 9}}, true},
        {"雙祿朝垣", "strict", 1, {4, 0, 0, 0}, {{21, 8}, {4, 9}}, false},
        {"祿馬交馳", "strict", 3, noT, {{22, 7}, {21, 7}}, true},
        {"祿馬交馳", "strict", 3, {9, 0, 0, 0}, {{22, 7}, {9, 7}}, true},
        {"祿馬交馳", "strict", 3, noT, {{22, 7}, {21, 8}}, false},
        {"祿馬交馳", "strict", 3, noT, {{22, 6}, {21, 6}}, false},
        {"火貪格", "strict", 5, noT, {{9, 5}, {23, 5}}, true},
        {"火貪格", "strict", 5, noT, {{9, 5}, {23, 6}}, false},
        {"鈴貪格", "strict", 11, noT, {{9, 11}, {24, 11}}, true},
        {"鈴貪格", "strict", 11, noT, {{9, 11}, {23, 11}}, false},
        {"刑囚夾印", "strict", 1, noT, {{6, 1}, {11, 1}, {25, 1}}, true},
        {"刑囚夾印", "strict", 1, noT, {{6, 1}, {11, 1}, {25, 2}}, false},
        {"刑囚夾印", "天刑", 7, noT, {{33, 7}, {6, 7}}, true},
        {"刑囚夾印", "天刑", 7, noT, {{33, 8}, {6, 7}}, false},
        {"馬頭帶箭", "strict", 7, noT, {{25, 7}}, true},
        {"馬頭帶箭", "strict", 1, noT, {{25, 1}}, false},
        {"馬頭帶箭", "馬刃", 3, noT, {{22, 3}, {25, 3}}, true},
        {"馬頭帶箭", "馬刃", 3, noT, {{22, 3}, {25, 4}}, false},
        {"明珠出海", "strict", 8, noT, {{3, 4}, {8, 12}}, true},
        {"明珠出海", "strict", 8, noT, {{3, 4}, {8, 12}, {13, 8}}, false},
        {"明珠出海", "strict", 2, noT, {{3, 4}, {8, 12}}, false},
        {"明珠出海", "strict", 8, noT, {{3, 5}, {8, 12}}, false},
        {"日照雷門", "strict", 4, noT, {{3, 4}}, true},
        {"日照雷門", "strict", 5, noT, {{3, 5}}, false},
        {"月朗天門", "strict", 12, noT, {{8, 12}}, true},
        {"月朗天門", "strict", 11, noT, {{8, 11}}, false},
        {"英星入廟", "strict", 1, noT, {{14, 1}}, true},
        {"英星入廟", "strict", 7, noT, {{14, 7}}, true},
        {"英星入廟", "strict", 2, noT, {{14, 2}}, false},
        {"日月同宮", "strict", 2, noT, {{3, 2}, {8, 2}}, true},
        {"日月同宮", "strict", 2, noT, {{3, 2}, {8, 8}}, false},
        {"金燦光輝", "strict", 7, noT, {{3, 7}}, true},
        {"金燦光輝", "strict", 7, noT, {{3, 7}, {12, 7}}, false},
        {"金燦光輝", "strict", 6, noT, {{3, 6}}, false},
        {"日月夾財", "strict", 6, noT, {{4, 6}, {3, 7}, {8, 5}}, true},
        {"日月夾財", "strict", 6, noT, {{4, 6}, {3, 7}, {8, 4}}, false},
        {"七殺朝鬥", "strict", 9, noT, {{13, 9}}, true},
        {"七殺朝鬥", "strict", 10, noT, {{13, 10}}, false},
        {"武曲守垣", "strict", 4, noT, {{4, 4}}, true},
        {"武曲守垣", "strict", 10, noT, {{4, 10}}, false},
        {"巨機居卯", "strict", 4, noT, {{2, 4}, {10, 4}}, true},
        {"巨機居卯", "strict", 10, noT, {{2, 10}, {10, 10}}, false},
        {"明祿暗祿", "strict", 3, {9, 0, 0, 0}, {{21, 3}, {9, 12}}, true},
        {"明祿暗祿", "strict", 3, {9, 0, 0, 0}, {{9, 3}, {21, 12}}, true},
        {"明祿暗祿", "strict", 3, {9, 0, 0, 0}, {{21, 3}, {9, 11}}, false},
    };
    for (const Row& r : rows) {
        PatternStars stars;
        EXPECT_EQ(RuleNamed(r.name, r.variant).holds(Board(r.focus, r.t, r.placed), stars), r.holds)
            << r.name << " " << r.variant << " L " << r.focus;
    }
}

TEST(PatternRules, FoundWithTheirStarsAndBreaks) {
    // 機月同梁 on 寅 with 太陰 化忌 in 四正 (broken), 紫府 elsewhere: one find.
    const PatternBoard board =
        Board(3, {0, 0, 0, 8}, {{2, 3}, {8, 7}, {5, 9}, {12, 11}, {1, 4}, {7, 4}});
    std::vector<FoundPattern> found;
    FindPatterns(board, found);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].rule->name, "機月同梁");
    EXPECT_EQ(found[0].palace, 3);
    EXPECT_EQ(std::vector<int>(found[0].stars.view().begin(), found[0].stars.view().end()),
              (std::vector<int>{2, 8, 5, 12}));
    EXPECT_TRUE(found[0].broken);
    // Columns: name, extra placement, broken. A breaker counts in 四正 only.
    struct Row {
        std::string_view name;
        Placements placed;
        bool broken;
    };
    const Placements jiYue{{2, 3}, {8, 7}, {5, 9}, {12, 11}};
    const Placements luMa{{22, 7}, {21, 7}};
    const Row rows[] = {
        {"機月同梁", {}, false}, {"機月同梁", {{25, 11}}, true}, {"機月同梁", {{25, 12}}, false},
        {"機月同梁", {{28, 3}}, true}, {"祿馬交馳", {}, false}, {"祿馬交馳", {{13, 9}}, true},
        {"祿馬交馳", {{13, 10}}, false}, {"祿馬交馳", {{30, 3}}, true},
    };
    for (const Row& r : rows) {
        Placements placed = r.name == "機月同梁" ? jiYue : luMa;
        placed.insert(placed.end(), r.placed.begin(), r.placed.end());
        EXPECT_EQ(RuleNamed(r.name).breaks(Board(3, {}, placed)), r.broken) << r.name << " " << r.placed.size();
    }
}

TEST(PatternRules, FlowingStarsCountAsTheirNamesakes) {
    // 羊陀夾忌 on 寅 made by the layer's 流羊 and 流陀; 流魁 is not read.
    PatternBoard board = Board(3, {0, 0, 0, 3}, {{3, 3}, {25, 8}, {26, 6}});
    PatternStars stars;
    EXPECT_FALSE(RuleNamed("羊陀夾忌").holds(board, stars));
    AddFlowingStars(board, {{"流羊", 4}, {"流陀", 2}, {"流魁", 5}, {"流祿", 0}});
    EXPECT_TRUE(RuleNamed("羊陀夾忌").holds(board, stars));
    EXPECT_EQ(board.at[25], BranchBit(8) | BranchBit(4));
    EXPECT_EQ(board.at[21], 0);  // a flowing star off the board adds nothing
}

}  // namespace
}  // namespace velmora::reading
