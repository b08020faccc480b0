// The time layers: the values every layer starts from, and the palace each
// layer points at with the stem whose transformations it marks.

#include <array>
#include <string_view>

#include "chart/DigitTables.h"
#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"

namespace velmora {

namespace {

constexpr int kLeapMonth = 2;        // CalendarDay::LeapKind inside a leap month
constexpr int kMonthsInYear = 12;
constexpr int kDecadeYears = 10;
constexpr int kMale = 1;
constexpr int kLeapLateSplitDay = 16;  // from this day a leap month counts as the next month
constexpr int kTigerBranch = 3;        // 寅: the first month's branch

// 童限: the palace (1 命, 5 財帛, 6 疾厄, 3 夫妻, 11 福德) of ages 1..5 before the first decade.
constexpr std::array<int, 5> kChildhoodPalaceByAge = {1, 5, 6, 3, 11};

// Branch of the minor limit at age 1 by year branch 子..亥: 申子辰 -> 戌,
// 巳酉丑 -> 未, 寅午戌 -> 辰, 亥卯未 -> 丑.
constexpr std::string_view kMinorLimitStartByBranch = "110805021108050211080502";

std::optional<std::int16_t> StemIfValid(int stem) {
    if (stem < 1 || stem > kStems) return std::nullopt;  // no chart or date computed
    return static_cast<std::int16_t>(stem);
}

std::int16_t Branch(int value) { return static_cast<std::int16_t>(ReduceBranch(value)); }

// Rounds toward minus infinity, so ages below the bureau number give -1.
int FloorDiv(int value, int divisor) {
    const int q = value / divisor;
    return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

// The stem of the natal palace standing on `branch`; 0 when none does.
int StemOfPalaceOn(const ChartState& chart, int branch) {
    for (int k = 1; k <= kBranches; ++k) {
        if (chart.PalaceTable[k].branch == branch) return chart.PalaceTable[k].stem;
    }
    return 0;
}

int DecadeBranch(const BirthInput& birth, const ChartState& chart, int nominalAge, int bureauNumber,
                 const Conventions& conventions) {
    const bool child = nominalAge >= 1 && nominalAge < bureauNumber &&
                       nominalAge <= static_cast<int>(kChildhoodPalaceByAge.size());
    if (child && conventions.childhood() == ChildhoodRule::tongXian)
        return chart.PalaceTable[kChildhoodPalaceByAge[nominalAge - 1]].branch;
    const int decade = FloorDiv(nominalAge - bureauNumber, kDecadeYears);
    const int life = chart.PalaceTable[1].branch;
    const bool forward = birth.YinYang == birth.Gender;
    return ReduceBranch(forward ? life + decade : life - decade);
}

bool PalaceStems(const Conventions& conventions) { return conventions.layerStems() == LayerStemsRule::palace; }

LayerView DecadeLayer(const BirthInput& birth, const ChartState& chart, int nominalAge, int bureauNumber,
                      const Conventions& conventions) {
    const int branch = DecadeBranch(birth, chart, nominalAge, bureauNumber, conventions);
    const int stem = PalaceStems(conventions) ? StemOfPalaceOn(chart, branch) : birth.YearStem;
    return {Branch(branch), StemIfValid(stem)};
}

LayerView MinorLimitLayer(const BirthInput& birth, const ChartState& chart, const CalendarDay& shown, int nominalAge,
                          const Conventions& conventions) {
    const int start = DigitPair(kMinorLimitStartByBranch, birth.YearBranch);
    const int a = nominalAge % kMonthsInYear;
    const int branch = ReduceBranch(birth.Gender == kMale ? start + a - 1 : start - a + 1);
    const int stem = PalaceStems(conventions) ? StemOfPalaceOn(chart, branch)
                                              : FlowingYearPillar(shown, conventions).stem;
    return {Branch(branch), StemIfValid(stem)};
}

// The month's own stem by 五虎遁: the year's 寅 stem, one more for each month
// after the first; the second half of a leap month (day 16 on) counts as the next.
int FlowingMonthStem(const CalendarDay& shown, const Conventions& conventions) {
    const int yearStem = FlowingYearPillar(shown, conventions).stem;
    if (yearStem < 1 || yearStem > kStems) return 0;
    const bool nextMonth = shown.LeapKind == kLeapMonth && shown.LunarDay >= kLeapLateSplitDay;
    const int month = shown.LunarMonth + (nextMonth ? 1 : 0);
    return PositiveMod(PalaceStemOf(yearStem, kTigerBranch) - 1 + month - 1, kStems) + 1;
}

int MonthsElapsed(const CalendarDay& shown, int leapMonth, const Conventions& conventions) {
    const bool inLeapMonth = shown.LeapKind == kLeapMonth;
    int elapsed = shown.LunarMonth - 1;
    switch (conventions.flowingMonth()) {
        case FlowingMonthRule::ownSlot:
            if (inLeapMonth || shown.LunarMonth > leapMonth) ++elapsed;
            break;
        case FlowingMonthRule::split16:
            if (inLeapMonth && shown.LunarDay >= kLeapLateSplitDay) ++elapsed;
            break;
        case FlowingMonthRule::preceding: break;
    }
    return elapsed == kMonthsInYear ? 0 : elapsed;
}

}  // namespace

Pillar FlowingYearPillar(const CalendarDay& shown, const Conventions& conventions) {
    return conventions.flowingYear() == FlowingYearRule::lichun ? shown.Pillars.SolarYearPillar
                                                                : shown.Pillars.YearPillar;
}

LayerCommonValues ComputeLayerCommon(const BirthInput& birth, const CalendarDay& shown,
                                     const Conventions& conventions) {
    LayerCommonValues v;
    v.douJun = birth.DouJunBranch + FlowingYearPillar(shown, conventions).branch - 1;
    // The leap-month digit is hexadecimal: 'A'..'C' are months 10..12.
    v.leapMonth = LeapMonthNumber(shown.LeapMonthDigit);
    if (v.leapMonth == 0) v.leapMonth = kMonthsInYear;
    v.monthsElapsed = MonthsElapsed(shown, v.leapMonth, conventions);
    v.flowingMonth = v.douJun + v.monthsElapsed;
    v.flowingDay = shown.LunarDay + v.flowingMonth - 1;
    v.flowingHour = shown.HourBranch + v.flowingDay - 1;
    return v;
}

LayerView ComputeLayer(int layerIndex, const BirthInput& birth, const ChartState& chart, const CalendarDay& shown,
                       std::int16_t nominalAge, std::int16_t bureauNumber, const Conventions& conventions) {
    const Pillar year = FlowingYearPillar(shown, conventions);
    const int dayStem = shown.Pillars.DayPillar.stem;
    const bool ownStems = PalaceStems(conventions);
    const LayerCommonValues common = ComputeLayerCommon(birth, shown, conventions);
    switch (static_cast<Layer>(layerIndex)) {
        case Layer::Decade: return DecadeLayer(birth, chart, nominalAge, bureauNumber, conventions);
        case Layer::MinorLimit: return MinorLimitLayer(birth, chart, shown, nominalAge, conventions);
        case Layer::Year: return {Branch(year.branch), StemIfValid(year.stem)};
        // By default the flowing month marks the year stem's transformations, not the month stem's.
        case Layer::Month:
            return {Branch(common.flowingMonth), StemIfValid(ownStems ? FlowingMonthStem(shown, conventions) : year.stem)};
        case Layer::Day: return {Branch(common.flowingDay), StemIfValid(dayStem)};
        // By default the flowing hour marks the day stem's transformations, not the hour stem's.
        case Layer::Hour:
            return {Branch(common.flowingHour), StemIfValid(ownStems ? shown.Pillars.HourPillar.stem : dayStem)};
        case Layer::Natal: break;
    }
    return {};  // the natal layer, or no layer at all
}

}  // namespace velmora
