// The chart of a male born 2000-01-01 in the early 子 period (lunar 1999, month
// 11, day 25, year 己卯), worked by hand, and the reading of brightness rows.

#include <gtest/gtest.h>

#include "chart/NatalChart.h"
#include "tests/chart/HandCalendar.h"

namespace velmora {
namespace {

enum Branch : int { Zi = 1, Chou, Yin, Mao, Chen, Si, Wu, Wei, Shen, You, Xu, Hai };
enum Stem : int { Jia = 1, Yi, Bing, Ding, Wu_, Ji, Geng, Xin, Ren, Gui };

class WorkedChart : public ::testing::Test {
protected:
    void SetUp() override {
        day = test::HandDay({.year = 1999, .month = 11, .day = 25, .hourBranch = Zi});
        day.SolarYear = 2000;
        day.SolarMonth = 1;
        day.SolarDay = 1;
        input.Gender = 1;
        ComputeNatalChart(day, input, chart);
    }
    CalendarDay day;
    BirthInput input;
    ChartState chart;
};

TEST_F(WorkedChart, CopiesTheBirthMomentAndYinYang) {
    EXPECT_EQ(input.SolarYear, 2000);
    EXPECT_EQ(input.LunarYear, 1999);
    EXPECT_EQ(input.LunarMonth, 11);
    EXPECT_EQ(input.LunarDay, 25);
    EXPECT_EQ(input.YearStem, Ji);
    EXPECT_EQ(input.YearBranch, Mao);
    EXPECT_EQ(input.YinYang, 0);  // 己 is a yin stem
    EXPECT_EQ(input.Gender, 1);
}

TEST_F(WorkedChart, PalacesStartOnZiAndRunBackwardWithTheirStems) {
    // Columns: palace 1..12 -> (stem, branch); 寅 has 丙 in a 己 year, 子 and 丑 repeat 寅 and 卯.
    const PalaceRow expected[] = {{},           {Bing, Zi},  {Yi, Hai},   {Jia, Xu},  {Gui, You},
                                  {Ren, Shen},  {Xin, Wei},  {Geng, Wu},  {Ji, Si},   {Wu_, Chen},
                                  {Ding, Mao},  {Bing, Yin}, {Ding, Chou}};
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(chart.PalaceTable[k], expected[k]) << "palace " << k;
    EXPECT_EQ(chart.PalaceTable[kBodyPalaceRow], (PalaceRow{Bing, Zi}));
    EXPECT_EQ(chart.BureauIndex, 5);  // 水二局
    EXPECT_EQ(BureauNumberOf(chart.BureauIndex), 2);
}

TEST_F(WorkedChart, PlacesTheWorkedStars) {
    // Columns: star, branch. 66/67 from q = 16; growth stages from 申 backwards (male, yin year).
    const std::pair<int, int> rows[] = {{1, Chou}, {7, Mao},  {21, Wu},   {54, Shen}, {55, Wei},
                                        {65, You}, {66, Shen}, {67, You}, {68, Wu},   {69, Si},
                                        {80, Mao}, {91, Yin}, {39, You},  {40, Mao}};
    for (const auto& [star, branch] : rows) EXPECT_EQ(chart.StarTable[star].branch, branch) << "star " << star;
}

TEST_F(WorkedChart, DouJunAndMasters) {
    EXPECT_EQ(input.DouJunBranch, Yin);
    EXPECT_EQ(input.LifeMaster, 16);  // 文曲 rules the life of a 卯 year
    EXPECT_EQ(input.BodyMaster, 5);   // 天同
}

TEST_F(WorkedChart, BranchStarListsForZiAndHai) {
    EXPECT_EQ(chart.BranchStarList[Zi], "002 018 019 035 041 047 062 074 089");
    // 天虛 (39) goes by the year branch 卯 to 酉 and 天哭 (40) to 卯, so 亥 no longer
    // holds 039 as it would under a year-stem rule.
    EXPECT_EQ(chart.BranchStarList[Hai], "027 028 034 063 075 088");
    EXPECT_EQ(chart.BranchStarList[You], "004 013 023 030 039 050 065 067 077 086");
}

TEST_F(WorkedChart, LeavesStarsBeyond91AndLevelsAlone) {
    for (int star = kPlacedStars + 1; star <= kStarRows; ++star) EXPECT_EQ(chart.StarTable[star], StarRow{});
    for (int star = 1; star <= kPlacedStars; ++star) EXPECT_EQ(chart.StarTable[star].level, 0);
}

TEST_F(WorkedChart, AppliesLevelsOfTheBranchEachStarStandsOn) {
    // 紫微 stands on 丑 (index 1), 天機 on 子 (index 0).
    const std::vector<StarLevelRow> rows = {{1, {3, 7, 6, 6, 5, 6, 7, 7, 6, 6, 5, 6}},
                                            {2, {7, 1, 5, 6, 4, 3, 7, 1, 5, 6, 4, 3}}};
    ApplyStarLevels(rows, chart);
    EXPECT_EQ(chart.StarTable[1].level, 7);
    EXPECT_EQ(chart.StarTable[2].level, 7);
    EXPECT_EQ(chart.StarTable[3].level, 0);  // no row: keeps its level
}

TEST_F(WorkedChart, LevelRowsNamingNoPlacedStarChangeNothing) {
    chart.StarTable[5].level = 4;
    const ChartState before = chart;
    const std::array<std::int8_t, 12> all7{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    const std::array<std::int8_t, 12> tooHigh{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    ApplyStarLevels({{0, all7}, {-3, all7}, {111, all7}, {32767, all7}, {92, all7}, {110, all7}, {5, tooHigh}},
                    chart);
    EXPECT_EQ(chart, before);
}

TEST(NatalChart, ComputesTheSameChartTwice) {
    // Recomputing over a previous chart rebuilds the lists from empty.
    CalendarDay day = test::HandDay({.year = 1984, .month = 10, .day = 20, .hourBranch = 7, .leapKind = 2});
    BirthInput input;
    ChartState chart;
    ComputeNatalChart(day, input, chart);
    const ChartState first = chart;
    ComputeNatalChart(day, input, chart);
    EXPECT_EQ(chart, first);
}

TEST(NatalChart, BureauNumbersByIndex) {
    const int expected[] = {0, 3, 6, 5, 4, 2, 0};  // index 0..6; 0 and 6 name no bureau
    for (int index = 0; index <= 6; ++index) EXPECT_EQ(BureauNumberOf(index), expected[index]);
    EXPECT_EQ(BureauNumberOf(-1), 0);
}

TEST(NatalChart, MajorLimitStartAges) {
    struct Row { int gender, branch, age; };
    // 火六局 (bureau index 2), a yang year, life palace on 寅. Columns: gender, branch -> first age.
    const Row rows[] = {{1, 3, 6}, {1, 4, 16}, {1, 2, 116}, {1, 1, 106}, {0, 3, 6}, {0, 2, 16}, {0, 4, 116}};
    for (const Row& r : rows) {
        BirthInput input;
        input.YinYang = 1;
        input.Gender = static_cast<std::int16_t>(r.gender);
        ChartState chart;
        chart.BureauIndex = 2;
        chart.PalaceTable[1].branch = 3;
        EXPECT_EQ(MajorLimitStartAges(input, chart)[r.branch], r.age) << "gender " << r.gender << " branch " << r.branch;
    }
}

TEST(NatalChart, ReduceBranchBringsAnyValueIntoOneToTwelve) {
    const std::pair<int, int> rows[] = {{1, 1},     {12, 12}, {13, 1},   {0, 12},    {-2, 10},
                                        {-28, 8},   {25, 1},  {-12, 12}, {-64, 8},   {-65, 7},
                                        {127, 7},   {128, 8}, {-1000, 8}, {2147483647, 7}};
    for (const auto& [value, expected] : rows) EXPECT_EQ(ReduceBranch(value), expected) << value;
}

}  // namespace
}  // namespace velmora
