// The transformations stacked under each shown layer.

#include <gtest/gtest.h>

#include "reading/StackedTransformations.h"
#include "tests/reading/ReadingCharts.h"

namespace velmora::reading {
namespace {

TEST(StackedTransformations, LayersStackedByTheLayerShown) {
    // Columns: the shown layer, the layers stacked from 生 down.
    struct Row {
        int shown;
        std::vector<int> layers;
    };
    const Row rows[] = {{-1, {0}},          {0, {0}},          {1, {0, 1}},          {2, {0, 1, 2}},
                        {3, {0, 1, 3}},     {4, {0, 1, 3, 4}}, {5, {0, 1, 3, 4, 5}}, {6, {0, 1, 3, 4, 5, 6}},
                        {7, {0}}};
    for (const Row& r : rows) EXPECT_EQ(StackedLayers(r.shown), r.layers) << r.shown;
}

TEST(StackedTransformations, EachLayerTransformsByItsOwnStem) {
    const TransformationTable four = test::LoadFour();
    test::ChartedBirth birth;
    test::ChartBirth({1979, 12, 14, 1, 1}, four, birth);  // a 己未 year
    CalendarDay shown;
    shown.SolarYear = 2024;
    shown.SolarMonth = 5;
    shown.SolarDay = 1;
    shown.ClockHour = 12;
    CalcCalendar(shown);
    const StackInput input{&birth.input, &birth.chart, &shown, 46, BureauNumberOf(birth.chart.BureauIndex), &four, {}};
    const std::vector<StackedTransformation> stack = StackTransformations(input, 6);
    ASSERT_EQ(stack.size(), 6u);
    // Columns: [entry] tag, mark stem, as velmora-chart shows each layer of
    // 1979-12-14 子 M at 2024-05-01 午 (46 歲): 己 birth year, the 大限 palace's
    // 己, the 甲辰 year; the month keeps the year's stem; the day's 乙, the hour's 乙.
    const std::string_view tags[] = {"生", "大", "年", "月", "日", "時"};
    const int stems[] = {6, 6, 1, 1, 2, 2};
    for (std::size_t i = 0; i < stack.size(); ++i) {
        EXPECT_EQ(stack[i].tag, tags[i]) << i;
        EXPECT_EQ(stack[i].markStem, stems[i]) << i;
        EXPECT_EQ(stack[i].stars, test::QuartetOf(four, stack[i].markStem)) << i;
    }
    EXPECT_EQ(stack[0].stars, (Quartet{4, 9, 12, 16}));  // 己: 武曲 貪狼 天梁 文曲
}

}  // namespace
}  // namespace velmora::reading
