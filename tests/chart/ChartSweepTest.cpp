// Chart invariants over a sweep of hand-made birth moments: every lunar month,
// day and period, both halves of leap months, both genders, years 1900..2099.

#include <gtest/gtest.h>

#include "chart/NatalChart.h"
#include "tests/chart/ChartInvariants.h"
#include "tests/chart/HandCalendar.h"

namespace velmora {
namespace {

constexpr int kFirstLunarYear = 1900;
constexpr int kLunarYears = 200;

TEST(ChartSweep, HandMadeMomentsGiveSoundCharts) {
    BirthInput input;
    ChartState chart;
    int count = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 30; ++day) {
            for (int hour = 1; hour <= 12; ++hour) {
                for (const std::int16_t leap : {test::kOrdinaryMonth, test::kInLeapMonth}) {
                    for (const int gender : {0, 1}) {
                        const int year = kFirstLunarYear + count++ % kLunarYears;
                        input.Gender = static_cast<std::int16_t>(gender);
                        const test::LunarMoment moment{
                            .year = year, .month = month, .day = day, .hourBranch = hour, .leapKind = leap};
                        ComputeNatalChart(test::HandDay(moment), input, chart);
                        SCOPED_TRACE(testing::Message() << year << "-" << month << "-" << day << " hour " << hour
                                                        << " leap " << leap << " gender " << gender);
                        test::ExpectSoundChart(input, chart);
                        if (HasFailure()) return;  // one broken chart is enough to read
                    }
                }
            }
        }
    }
}

TEST(ChartSweep, ZeroedInputsStayInsideTheTables) {
    // A chart from an input no calendar produced: every star still lands on a branch.
    for (const int bureau : {-1, 0, 6, 100}) {
        BirthInput input;
        input.LunarDay = 30;
        input.YearStem = -7;
        input.YearBranch = 40;
        input.LunarMonth = -3;
        ChartState chart;
        chart.BureauIndex = static_cast<std::int16_t>(bureau);
        PlaceStars(input, chart);
        for (int star = 1; star <= kPlacedStars; ++star) {
            EXPECT_GE(chart.StarTable[star].branch, 1) << star;
            EXPECT_LE(chart.StarTable[star].branch, kBranches) << star;
        }
    }
    BirthInput input;
    ChartState chart;
    ComputeNatalChart(CalendarDay{}, input, chart);
    test::ExpectStarsAndLists(chart);
}

}  // namespace
}  // namespace velmora
