// Nominal age, the layers' common values, the palace and stem of each layer,
// the flowing stars and the reading of a transformation line.

#include <gtest/gtest.h>

#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"
#include "tests/chart/HandCalendar.h"

namespace velmora {
namespace {

struct Birth {
    BirthInput input;
    ChartState chart;
};

Birth ChartedIn(int lunarYear, int gender = 1) {
    Birth b;
    b.input.Gender = static_cast<std::int16_t>(gender);
    ComputeNatalChart(test::HandDay({.year = lunarYear, .month = 5, .day = 5}), b.input, b.chart);
    return b;
}

TEST(NominalAge, CountsLunarYearsAcrossSixtyYearCycles) {
    struct Row { int birthYear, shownYear, age; };
    // Columns: birth lunar year, shown lunar year -> nominal age.
    const Row rows[] = {
        {1924, 1924, 1},   {1924, 1923, 60},  // the year before the birth reads 60
        {1924, 1983, 60},  {1924, 1984, 61},  // the next 甲子 year
        {1924, 2043, 120}, {1924, 2044, 121}, // a third cycle is counted too
        {1900, 2099, 200}, {1901, 2099, 199}, {1999, 2000, 2}, {1999, 2058, 60}, {1999, 2059, 61},
    };
    for (const Row& r : rows) {
        const Birth b = ChartedIn(r.birthYear);
        std::int16_t age = -1;
        EXPECT_TRUE(oldx(b.input, b.chart, test::HandDay({.year = r.shownYear}), age));
        EXPECT_EQ(age, r.age) << r.birthYear << " shown in " << r.shownYear;
    }
}

TEST(NominalAge, LeavesTheAgeAloneWithoutAChartOrADate) {
    std::int16_t age = 33;
    EXPECT_FALSE(oldx(BirthInput{}, ChartState{}, test::HandDay({.year = 2000}), age));
    const Birth b = ChartedIn(1950);
    EXPECT_FALSE(oldx(b.input, b.chart, CalendarDay{}, age));
    EXPECT_FALSE(oldx(b.input, ChartState{}, test::HandDay({.year = 2000}), age));
    EXPECT_EQ(age, 33);
}

TEST(LayerCommon, WorkedValues) {
    struct Row { int douJun, yearBranch, month, day, hour; std::int16_t leap; char digit;
                 int J, lambda, e, FM, FD, FH; };
    // Columns: natal Dou Jun, shown year branch, M, D, h, K, leap digit -> J, λ, e, FM, FD, FH.
    const Row rows[] = {
        {7, 3, 3, 10, 5, test::kOrdinaryMonth, '0', 9, 12, 2, 11, 20, 24},
        {12, 12, 12, 1, 1, test::kOrdinaryMonth, '0', 23, 12, 11, 34, 34, 34},
        {12, 12, 12, 4, 1, test::kOrdinaryMonth, '0', 23, 12, 11, 34, 37, 37},
        {1, 1, 10, 1, 1, test::kInLeapMonth, 'A', 1, 10, 10, 11, 11, 11},
    };
    for (const Row& r : rows) {
        BirthInput birth;
        birth.DouJunBranch = static_cast<std::int16_t>(r.douJun);
        CalendarDay shown = test::HandDay({.month = r.month, .day = r.day, .hourBranch = r.hour,
                                           .leapKind = r.leap, .leapDigit = r.digit});
        shown.Pillars.YearPillar.branch = static_cast<std::int16_t>(r.yearBranch);
        const LayerCommonValues v = ComputeLayerCommon(birth, shown);
        SCOPED_TRACE(testing::Message() << "Dou Jun " << r.douJun << " month " << r.month << " day " << r.day);
        EXPECT_EQ(v.douJun, r.J);
        EXPECT_EQ(v.leapMonth, r.lambda);
        EXPECT_EQ(v.monthsElapsed, r.e);
        EXPECT_EQ(v.flowingMonth, r.FM);
        EXPECT_EQ(v.flowingDay, r.FD);
        EXPECT_EQ(v.flowingHour, r.FH);
    }
}

TEST(LayerCommon, MonthsElapsedAroundLeapMonths) {
    struct Row { char digit; int month; std::int16_t leap; int elapsed; };
    // Columns: leap digit of the shown year, lunar month, leap kind -> months elapsed.
    const Row rows[] = {
        {'A', 1, test::kOrdinaryMonth, 0},  {'A', 10, test::kOrdinaryMonth, 9}, {'A', 10, test::kInLeapMonth, 10},
        {'A', 11, test::kOrdinaryMonth, 11}, {'A', 12, test::kOrdinaryMonth, 0},  // twelve months run: 0 again
        {'B', 10, test::kOrdinaryMonth, 9}, {'B', 11, test::kOrdinaryMonth, 10}, {'B', 11, test::kInLeapMonth, 11},
        {'B', 12, test::kOrdinaryMonth, 0},  // a leap eleventh month, as in 2033
        {'C', 12, test::kOrdinaryMonth, 11}, {'C', 12, test::kInLeapMonth, 0},
        {'0', 12, test::kOrdinaryMonth, 11}, {'4', 4, test::kInLeapMonth, 4},   {'4', 5, test::kOrdinaryMonth, 5},
    };
    for (const Row& r : rows) {
        const CalendarDay shown = test::HandDay({.month = r.month, .leapKind = r.leap, .leapDigit = r.digit});
        EXPECT_EQ(ComputeLayerCommon(BirthInput{}, shown).monthsElapsed, r.elapsed)
            << r.digit << " month " << r.month << " leap kind " << r.leap;
    }
}

TEST(Layers, DecadeFromTheLifePalace) {
    struct Row { int yinYang, age, focus; };
    // Columns: yin-yang of a male's year (1 forward, 0 backward), nominal age -> focus.
    // The life palace is on 辰 and the bureau number is 2.
    const Row rows[] = {{1, 12, 6}, {1, 11, 5}, {1, 1, 4}, {1, 22, 7}, {1, 122, 5},
                        {0, 12, 4}, {0, 11, 5}, {0, 1, 6}, {0, 22, 3}};
    for (const Row& r : rows) {
        BirthInput birth;
        birth.Gender = 1;
        birth.YinYang = static_cast<std::int16_t>(r.yinYang);
        birth.YearStem = 4;
        ChartState chart;
        chart.PalaceTable[1].branch = 5;
        const LayerView view = ComputeLayer(1, birth, chart, CalendarDay{}, static_cast<std::int16_t>(r.age), 2);
        EXPECT_EQ(view.FocusBranch, r.focus) << "yin-yang " << r.yinYang << " age " << r.age;
        EXPECT_EQ(view.MarkStem, 4);  // the birth year stem
    }
}

TEST(Layers, MinorLimitOfAZiYearBirth) {
    struct Row { int gender, age, focus; };
    const Row rows[] = {{1, 1, 11}, {1, 12, 10}, {1, 2, 12}, {0, 1, 11}, {0, 2, 10}, {0, 13, 11}};
    for (const Row& r : rows) {
        BirthInput birth;
        birth.YearBranch = 1;
        birth.Gender = static_cast<std::int16_t>(r.gender);
        const CalendarDay shown = test::HandDay({.year = 1987});  // 丁卯
        const LayerView view = ComputeLayer(2, birth, ChartState{}, shown, static_cast<std::int16_t>(r.age), 2);
        EXPECT_EQ(view.FocusBranch, r.focus) << "gender " << r.gender << " age " << r.age;
        EXPECT_EQ(view.MarkStem, 4);  // the shown year's stem
    }
}

TEST(Layers, FlowingYearMonthDayAndHourFocusAndStem) {
    BirthInput birth;
    birth.DouJunBranch = 7;
    CalendarDay shown = test::HandDay({.year = 1986, .month = 3, .day = 10, .hourBranch = 5});  // 丙寅
    shown.Pillars.DayPillar = {8, 6};
    struct Row { int layer, focus, stem; };
    // Columns: layer -> focus branch, mark stem (the month layer marks the year stem,
    // the hour layer the day stem).
    const Row rows[] = {{3, 3, 3}, {4, 11, 3}, {5, 8, 8}, {6, 12, 8}};
    for (const Row& r : rows) {
        const LayerView view = ComputeLayer(r.layer, birth, ChartState{}, shown, 1, 2);
        EXPECT_EQ(view.FocusBranch, r.focus) << "layer " << r.layer;
        EXPECT_EQ(view.MarkStem, r.stem) << "layer " << r.layer;
    }
    const LayerView natal = ComputeLayer(0, birth, ChartState{}, shown, 1, 2);
    EXPECT_FALSE(natal.FocusBranch.has_value());
    EXPECT_FALSE(natal.MarkStem.has_value());
}

TEST(Layers, NothingOutOfRangeWithoutAChartOrDate) {
    for (int layer = -1; layer <= kLayerCount + 1; ++layer) {
        const LayerView view = ComputeLayer(layer, BirthInput{}, ChartState{}, CalendarDay{}, 0, 0);
        if (view.FocusBranch) {
            EXPECT_GE(*view.FocusBranch, 1);
            EXPECT_LE(*view.FocusBranch, 12);
        }
        EXPECT_FALSE(view.MarkStem.has_value()) << "layer " << layer;
        const auto stars = FlowingStars(layer, CalendarDay{});
        if (stars) {
            EXPECT_TRUE(stars->empty()) << "layer " << layer;
        }
    }
}

TEST(FlowingStarsTest, YearLayersInAJiaZiYear) {
    const CalendarDay shown = test::HandDay({.year = 1984});  // 甲子
    const std::vector<FlowingStar> expected = {{"流祿", 3}, {"流羊", 4},  {"流陀", 2}, {"流昌", 6},
                                               {"流曲", 10}, {"奏書", 6}, {"將軍", 10}, {"直符", 2}};
    for (const int layer : {2, 3, 4}) EXPECT_EQ(FlowingStars(layer, shown), expected) << "layer " << layer;
}

TEST(FlowingStarsTest, YearLayersInAGuiHaiYearWrapAroundZi) {
    const CalendarDay shown = test::HandDay({.year = 2043});  // 癸亥
    const std::vector<FlowingStar> expected = {{"流祿", 1}, {"流羊", 2}, {"流陀", 12}, {"流昌", 4},
                                               {"流曲", 12}, {"奏書", 9}, {"將軍", 1}, {"直符", 5}};
    EXPECT_EQ(FlowingStars(3, shown), expected);
}

TEST(FlowingStarsTest, DayAndHourLayersGoByTheDayStem) {
    CalendarDay shown = test::HandDay({.year = 1984});
    shown.Pillars.DayPillar = {1, 1};  // 甲子 day
    const std::vector<FlowingStar> jia = {{"流祿", 3}, {"流羊", 4}, {"流陀", 2}, {"流魁", 2}, {"流鉞", 8}};
    EXPECT_EQ(FlowingStars(5, shown), jia);
    EXPECT_EQ(FlowingStars(6, shown), jia);
    shown.Pillars.DayPillar = {10, 12};  // 癸亥 day
    const std::vector<FlowingStar> gui = {{"流祿", 1}, {"流羊", 2}, {"流陀", 12}, {"流魁", 4}, {"流鉞", 6}};
    EXPECT_EQ(FlowingStars(6, shown), gui);
}

TEST(FlowingStarsTest, NatalAndDecadeLayersLeaveTheLinesAlone) {
    const CalendarDay shown = test::HandDay({.year = 1984});
    for (const int layer : {-1, 0, 1, 7}) EXPECT_FALSE(FlowingStars(layer, shown).has_value()) << layer;
}

TEST(Transformations, ParsesFourStarNumbers) {
    struct Row { std::string_view line; std::array<int, 5> stars; };
    // Columns: table line -> [unused, 祿, 權, 科, 忌].
    const Row rows[] = {
        {"06140403", {0, 6, 14, 4, 3}},
        {"0614040312345", {0, 6, 14, 4, 3}},  // characters past the eighth are not read
        {"061404", {0, 6, 14, 4, 0}},
        {"0614040", {0, 6, 14, 4, 0}},        // half a pair names no star
        {"", {0, 0, 0, 0, 0}},
        {"0a140403", {0, 0, 14, 4, 3}},
        {"-1140403", {0, 0, 14, 4, 3}},
        {" 6140403", {0, 0, 14, 4, 3}},
        {"00000000", {0, 0, 0, 0, 0}},
        {"中6140403", {0, 0, 14, 4, 3}},      // a wide character is one character
        {"06\xE4\xB8\xAD" "0403", {0, 6, 0, 40, 0}},
        {"\xFF\xFE\x80\x80", {0, 0, 0, 0, 0}},
    };
    for (const Row& r : rows) EXPECT_EQ(ParseTransformations(r.line), r.stars) << r.line;
}

}  // namespace
}  // namespace velmora
