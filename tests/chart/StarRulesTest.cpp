// The placement rules row by row: the leap-month and body palaces, 紫微 by
// bureau and day, the year-stem and year-branch tables, the void pair and the
// life and body masters.

#include <gtest/gtest.h>

#include <vector>

#include "chart/NatalChart.h"
#include "tests/chart/HandCalendar.h"

namespace velmora {
namespace {

struct Placed {
    BirthInput input;
    ChartState chart;
    int at(int star) const { return chart.StarTable[star].branch; }
};

// A chart from a hand-filled birth: only the fields the rules read are set.
Placed PlaceFor(int yearStem, int yearBranch, int month = 1, int day = 1, int hour = 1) {
    Placed p;
    p.input.YearStem = static_cast<std::int16_t>(yearStem);
    p.input.YearBranch = static_cast<std::int16_t>(yearBranch);
    p.input.LunarMonth = static_cast<std::int16_t>(month);
    p.input.LunarDay = static_cast<std::int16_t>(day);
    p.input.HourBranch = p.input.HourPillarBranch = static_cast<std::int16_t>(hour);
    p.input.YinYang = static_cast<std::int16_t>(yearStem % 2);
    ComputePalaces(p.input, CalendarDay{}, p.chart);
    PlaceStars(p.input, p.chart);
    return p;
}

TEST(Palaces, LeapMonthAndBodyPalaceRows) {
    struct Row { int month, day; std::int16_t leapKind; int hour, life, body; };
    // Columns: lunar month, day, leap kind, hour branch -> life palace branch, body palace branch.
    const Row rows[] = {
        {4, 15, test::kInLeapMonth, 1, 7, 6},      // late in a leap month: the next month for the life palace only
        {4, 14, test::kInLeapMonth, 1, 6, 6},      // the first fourteen days count as the month itself
        {4, 15, test::kOrdinaryMonth, 1, 6, 6},
        {12, 20, test::kInLeapMonth, 1, 3, 2},     // a late leap twelfth month wraps to 寅
        {12, 1, test::kOrdinaryMonth, 12, 3, 1},   // 12 + 12 + 1 reduces to 子
        {11, 25, test::kOrdinaryMonth, 1, 1, 1},
    };
    for (const Row& r : rows) {
        CalendarDay day = test::HandDay({.year = 2006, .month = r.month, .day = r.day, .hourBranch = r.hour,
                                         .leapKind = r.leapKind});
        BirthInput input;
        ChartState chart;
        CopyBirthMoment(day, input);
        ComputePalaces(input, day, chart);
        EXPECT_EQ(chart.PalaceTable[1].branch, r.life) << "month " << r.month << " day " << r.day;
        EXPECT_EQ(chart.PalaceTable[kBodyPalaceRow].branch, r.body) << "month " << r.month << " day " << r.day;
    }
}

TEST(StarRules, ZiWeiByBureauAndDay) {
    struct Row { int bureauIndex, day, branch; };
    // Columns: bureau index (number), lunar day -> branch of 紫微.
    const Row rows[] = {{5, 1, 2},   // 水二局: k 1, e 1
                        {5, 2, 3},   {5, 25, 2},  {5, 30, 5},
                        {2, 1, 10},  // 火六局: k 1, e 5, 1 + 2 - 5 = -2 -> 酉
                        {1, 1, 5},   {4, 1, 12},  {3, 1, 7},  {2, 30, 7}};
    for (const Row& r : rows) {
        BirthInput input;
        input.LunarDay = static_cast<std::int16_t>(r.day);
        ChartState chart;
        chart.BureauIndex = static_cast<std::int16_t>(r.bureauIndex);
        PlaceStars(input, chart);
        EXPECT_EQ(chart.StarTable[1].branch, r.branch) << "bureau " << r.bureauIndex << " day " << r.day;
    }
}

TEST(StarRules, YearStemTables) {
    // Columns: year stem 甲..癸 -> 祿存 (21), 天魁 (19), 天鉞 (20), the 截空 pair (29, 30).
    const int luCun[] = {0, 3, 4, 6, 7, 6, 7, 9, 10, 12, 1};
    const int kui[] = {0, 2, 1, 12, 12, 2, 1, 2, 7, 4, 4};
    const int yue[] = {0, 8, 9, 10, 10, 8, 9, 8, 3, 6, 6};
    const int jie[] = {0, 9, 7, 5, 3, 1, 9, 7, 5, 3, 1};
    const int kong[] = {0, 10, 8, 6, 4, 2, 10, 8, 6, 4, 2};
    for (int stem = 1; stem <= 10; ++stem) {
        const Placed p = PlaceFor(stem, 1);
        SCOPED_TRACE(stem);
        EXPECT_EQ(p.at(21), luCun[stem]);
        EXPECT_EQ(p.at(25), ReduceBranch(luCun[stem] + 1));
        EXPECT_EQ(p.at(26), ReduceBranch(luCun[stem] - 1));
        EXPECT_EQ(p.at(19), kui[stem]);
        EXPECT_EQ(p.at(20), yue[stem]);
        EXPECT_EQ(p.at(29), jie[stem]);
        EXPECT_EQ(p.at(30), kong[stem]);
    }
}

TEST(StarRules, YearBranchTables) {
    // Columns: year branch 子..亥 -> 天馬, 咸池, 孤辰, 寡宿, 破碎, 火星 and 鈴星 (hour 子).
    const int tianMa[] = {0, 3, 12, 9, 6, 3, 12, 9, 6, 3, 12, 9, 6};
    const int xianChi[] = {0, 10, 7, 4, 1, 10, 7, 4, 1, 10, 7, 4, 1};
    const int guChen[] = {0, 3, 3, 6, 6, 6, 9, 9, 9, 12, 12, 12, 3};
    const int guaSu[] = {0, 11, 11, 2, 2, 2, 5, 5, 5, 8, 8, 8, 11};
    const int poSui[] = {0, 6, 2, 10, 6, 2, 10, 6, 2, 10, 6, 2, 10};
    const int huo[] = {0, 3, 4, 2, 10, 3, 4, 2, 10, 3, 4, 2, 10};
    const int ling[] = {0, 11, 11, 4, 11, 11, 11, 4, 11, 11, 11, 4, 11};
    for (int branch = 1; branch <= 12; ++branch) {
        const Placed p = PlaceFor(1, branch);
        SCOPED_TRACE(branch);
        EXPECT_EQ(p.at(22), tianMa[branch]);
        EXPECT_EQ(p.at(41), xianChi[branch]);
        EXPECT_EQ(p.at(42), guChen[branch]);
        EXPECT_EQ(p.at(43), guaSu[branch]);
        EXPECT_EQ(p.at(45), poSui[branch]);
        EXPECT_EQ(p.at(23), huo[branch]);
        EXPECT_EQ(p.at(24), ling[branch]);
    }
}

TEST(StarRules, TianXuAndTianKuFollowTheYearBranchNotTheStem) {
    // Columns: year branch -> 天虛 (39), 天哭 (40); both on 午 in a 子 year.
    const int tianXu[] = {0, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6};
    const int tianKu[] = {0, 7, 6, 5, 4, 3, 2, 1, 12, 11, 10, 9, 8};
    for (int branch = 1; branch <= 12; ++branch) {
        for (const int stem : {1, 4, 10}) {
            const Placed p = PlaceFor(stem, branch);
            EXPECT_EQ(p.at(39), tianXu[branch]) << "branch " << branch << " stem " << stem;
            EXPECT_EQ(p.at(40), tianKu[branch]) << "branch " << branch << " stem " << stem;
        }
    }
}

TEST(StarRules, LifeAndBodyMastersByYearBranch) {
    // Columns: year branch 子..亥 -> life master, body master (star numbers).
    const int life[] = {0, 9, 10, 21, 16, 6, 4, 14, 4, 6, 16, 21, 10};
    const int body[] = {0, 23, 11, 12, 5, 15, 2, 24, 11, 12, 5, 15, 2};
    for (int branch = 1; branch <= 12; ++branch) {
        const Placed p = PlaceFor(1, branch);
        EXPECT_EQ(p.input.LifeMaster, life[branch]) << branch;
        EXPECT_EQ(p.input.BodyMaster, body[branch]) << branch;
    }
}

TEST(StarRules, YinShaByMonth) {
    const int yinSha[] = {0, 3, 1, 11, 9, 7, 5, 3, 1, 11, 9, 7, 5};  // month 1..12 -> 陰煞
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(PlaceFor(1, 1, month).at(44), yinSha[month]) << month;
}

TEST(StarRules, DayStarsWrapBelowOne) {
    // Month 11, day 30, hour 子: 左輔 on 寅 -> 三台 3 + 29 = 32 -> 未; 右弼 on 子 ->
    // 八座 1 - 30 + 1 = -28 -> 未; 文昌 on 戌 and 文曲 on 辰 move 28 on.
    const Placed p = PlaceFor(1, 1, 11, 30, 1);
    EXPECT_EQ(p.at(46), 8);
    EXPECT_EQ(p.at(47), 8);
    EXPECT_EQ(p.at(50), 3);
    EXPECT_EQ(p.at(51), 9);
}

TEST(StarRules, VoidPairByLunarYear) {
    // Columns: lunar year -> the two void branches of its decade.
    const std::vector<std::array<int, 3>> rows = {
        {1923, 1, 2}, {1924, 11, 12}, {1999, 9, 10}, {1900, 5, 6}, {2099, 1, 2}, {1863, 1, 2}, {1864, 11, 12}};
    for (const auto& [year, first, second] : rows) {
        CalendarDay day = test::HandDay({.year = year, .month = 5, .day = 5});
        BirthInput input;
        ChartState chart;
        ComputeNatalChart(day, input, chart);
        EXPECT_EQ(chart.StarTable[66].branch, first) << year;
        EXPECT_EQ(chart.StarTable[67].branch, second) << year;
    }
}

TEST(StarRules, GrowthStagesAndBoShiTurnWithYearAndGender) {
    // 1999 (己, yin), 水 bureau from 申, 祿存 on 午: a man counts backward, a woman forward.
    for (const int gender : {0, 1}) {
        CalendarDay day = test::HandDay({.year = 1999, .month = 11, .day = 25});
        BirthInput input;
        input.Gender = static_cast<std::int16_t>(gender);
        ChartState chart;
        ComputeNatalChart(day, input, chart);
        const int step = gender == 0 ? 1 : -1;
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(chart.StarTable[54 + k].branch, ReduceBranch(9 + step * k)) << "gender " << gender;
            EXPECT_EQ(chart.StarTable[68 + k].branch, ReduceBranch(7 + step * k)) << "gender " << gender;
            EXPECT_EQ(chart.StarTable[80 + k].branch, ReduceBranch(4 + k)) << "gender " << gender;
        }
    }
}

}  // namespace
}  // namespace velmora
