// The time layers: the values every layer starts from, and the palace each
// layer points at with the stem whose transformations it marks.

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

LayerView DecadeLayer(const BirthInput& birth, const ChartState& chart, int nominalAge, int bureauNumber) {
    const int decade = FloorDiv(nominalAge - bureauNumber, kDecadeYears);
    const int life = chart.PalaceTable[1].branch;
    const bool forward = birth.YinYang == birth.Gender;
    return {Branch(forward ? life + decade : life - decade), StemIfValid(birth.YearStem)};
}

LayerView MinorLimitLayer(const BirthInput& birth, const CalendarDay& shown, int nominalAge) {
    const int start = DigitPair(kMinorLimitStartByBranch, birth.YearBranch);
    const int a = nominalAge % kMonthsInYear;
    const int branch = birth.Gender == kMale ? start + a - 1 : start - a + 1;
    return {Branch(branch), StemIfValid(shown.Pillars.YearPillar.stem)};
}

}  // namespace

LayerCommonValues ComputeLayerCommon(const BirthInput& birth, const CalendarDay& shown) {
    LayerCommonValues v;
    v.douJun = birth.DouJunBranch + shown.Pillars.YearPillar.branch - 1;
    // The leap-month digit is hexadecimal: 'A'..'C' are months 10..12.
    v.leapMonth = LeapMonthNumber(shown.LeapMonthDigit);
    if (v.leapMonth == 0) v.leapMonth = kMonthsInYear;
    v.monthsElapsed = shown.LunarMonth - 1;
    if (shown.LeapKind == kLeapMonth || shown.LunarMonth > v.leapMonth) ++v.monthsElapsed;
    if (v.monthsElapsed == kMonthsInYear) v.monthsElapsed = 0;
    v.flowingMonth = v.douJun + v.monthsElapsed;
    v.flowingDay = shown.LunarDay + v.flowingMonth - 1;
    v.flowingHour = shown.HourBranch + v.flowingDay - 1;
    return v;
}

LayerView ComputeLayer(int layerIndex, const BirthInput& birth, const ChartState& chart, const CalendarDay& shown,
                       std::int16_t nominalAge, std::int16_t bureauNumber) {
    const Pillar& year = shown.Pillars.YearPillar;
    const int dayStem = shown.Pillars.DayPillar.stem;
    switch (static_cast<Layer>(layerIndex)) {
        case Layer::Decade: return DecadeLayer(birth, chart, nominalAge, bureauNumber);
        case Layer::MinorLimit: return MinorLimitLayer(birth, shown, nominalAge);
        case Layer::Year: return {Branch(year.branch), StemIfValid(year.stem)};
        // The flowing month marks the year stem's transformations, not the month stem's.
        case Layer::Month: return {Branch(ComputeLayerCommon(birth, shown).flowingMonth), StemIfValid(year.stem)};
        case Layer::Day: return {Branch(ComputeLayerCommon(birth, shown).flowingDay), StemIfValid(dayStem)};
        // The flowing hour marks the day stem's transformations, not the hour stem's.
        case Layer::Hour: return {Branch(ComputeLayerCommon(birth, shown).flowingHour), StemIfValid(dayStem)};
        case Layer::Natal: break;
    }
    return {};  // the natal layer, or no layer at all
}

}  // namespace velmora
