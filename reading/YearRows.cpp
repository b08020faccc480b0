// The year-by-year report's rows.

#include "reading/YearRows.h"

#include <algorithm>

#include "calendar/TableYears.h"
#include "chart/NatalChart.h"
#include "reading/LayerFlying.h"
#include "reading/YearTurn.h"

namespace velmora {

namespace {

constexpr int kDecadeYears = 10;
// 童限 covers the ages 1..5 at most, before the first decade.
constexpr int kLastChildhoodAge = 5;

bool IsStem(int stem) { return stem >= 1 && stem <= kStems; }

// Rounds toward minus infinity, as the decade layer counts.
int FloorDiv(int value, int divisor) {
    const int q = value / divisor;
    return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

CalendarDay CalendarAt(std::chrono::sys_days day) {
    const std::chrono::year_month_day ymd{day};
    CalendarDay calendar;
    calendar.SolarYear = static_cast<std::int16_t>(static_cast<int>(ymd.year()));
    calendar.SolarMonth = static_cast<std::int16_t>(static_cast<unsigned>(ymd.month()));
    calendar.SolarDay = static_cast<std::int16_t>(static_cast<unsigned>(ymd.day()));
    calendar.ClockHour = kYearRowClockHour;
    CalcCalendar(calendar);
    return calendar;
}

// As a shown moment over a charted record: the natal life palace and birth
// stem, then the decade layer, then the asked layer, each keeping what it
// does not set.
void SetLayer(const YearReportInput& in, int layerIndex, const CalendarDay& shown, int age, YearRowLayer& layer) {
    layer.focusBranch = in.chart.PalaceTable[1].branch;
    layer.markStem = in.birth.YearStem;
    const auto apply = [&](int index) {
        const LayerView view = ComputeLayer(index, in.birth, in.chart, shown, static_cast<std::int16_t>(age),
                                            static_cast<std::int16_t>(in.bureauNumber), in.conventions);
        if (view.FocusBranch) layer.focusBranch = *view.FocusBranch;
        if (view.MarkStem) layer.markStem = *view.MarkStem;
    };
    const int decade = static_cast<int>(Layer::Decade);
    apply(decade);
    if (layerIndex > decade) apply(layerIndex);
    layer.transformations = {};
    if (IsStem(layer.markStem)) {
        const std::array<int, 5> stars = ParseTransformations(in.transformations.lines[layer.markStem]);
        std::copy(stars.begin() + 1, stars.end(), layer.transformations.begin());
    }
    layer.flowingStars.clear();
    if (auto stars = FlowingStars(layerIndex, shown, in.conventions)) layer.flowingStars = std::move(*stars);
}

PalaceOverlay OverlayOf(int branch, const ChartState& chart, int decadeLife, int yearLife) {
    if (branch < 1 || branch > kBranches) return {};
    return {branch, LayerPalaceOn(branch, chart.PalaceTable[1].branch, chart), LayerPalaceOn(branch, decadeLife, chart),
            LayerPalaceOn(branch, yearLife, chart)};
}

void SetLandings(const ChartState& chart, int decadeLife, int yearLife, YearRowLayer& layer) {
    layer.focus = OverlayOf(layer.focusBranch, chart, decadeLife, yearLife);
    for (int k = 0; k < kYearRowTransformations; ++k) {
        const int star = layer.transformations[k];
        const int branch = star >= 1 && star <= kPlacedStars ? chart.StarTable[star].branch : 0;
        layer.landings[k] = OverlayOf(branch, chart, decadeLife, yearLife);
    }
    const int jiBranch = layer.landings[kJiKind - 1].branch;
    layer.jiClash = jiBranch == 0 ? PalaceOverlay{} : OverlayOf(OppositeBranch(jiBranch), chart, decadeLife, yearLife);
}

// The nominal ages the decade spans; one year for a 童限 palace, whose
// palaces change every year.
void SetDecadeSpan(const YearReportInput& in, YearRow& row) {
    const int age = row.nominalAge;
    const bool child = age >= 1 && age < in.bureauNumber && age <= kLastChildhoodAge;
    if (child && in.conventions.childhood() == ChildhoodRule::tongXian) {
        row.decadeFirstAge = row.decadeLastAge = age;
        return;
    }
    const int first = in.bureauNumber + kDecadeYears * FloorDiv(age - in.bureauNumber, kDecadeYears);
    row.decadeFirstAge = std::max(first, 1);
    row.decadeLastAge = first + kDecadeYears - 1;
}

}  // namespace

int FirstReportYear() { return kFirstSupportedYear; }
int LastReportYear() { return kLastSupportedYear; }

bool ComputeYearRow(const YearReportInput& in, int year, YearRow& row) {
    const auto turn = YearTurnDay(year, in.conventions.flowingYear());
    if (!turn) return false;
    row.year = year;
    row.turn = *turn;
    row.shown = CalendarAt(*turn);
    row.pillar = FlowingYearPillar(row.shown, in.conventions);
    std::int16_t age = 0;
    oldx(in.birth, in.chart, row.shown, age, in.conventions);
    row.nominalAge = age;
    SetLayer(in, static_cast<int>(Layer::Decade), row.shown, age, row.decade);
    SetLayer(in, static_cast<int>(Layer::MinorLimit), row.shown, age, row.minor);
    SetLayer(in, static_cast<int>(Layer::Year), row.shown, age, row.annual);
    row.decadeStem = NatalPalaceStems(in.chart)[row.decade.focusBranch];
    SetDecadeSpan(in, row);
    const int decadeLife = row.decade.focusBranch;
    const int yearLife = row.annual.focusBranch;
    for (YearRowLayer* layer : {&row.decade, &row.minor, &row.annual}) SetLandings(in.chart, decadeLife, yearLife, *layer);
    const int natalLife = in.chart.PalaceTable[1].branch;
    for (int palace = 1; palace <= kBranches; ++palace) {
        const int branch = ReduceBranch(in.chart.PalaceTable[palace].branch - natalLife + yearLife);
        row.yearPalaces[palace - 1] = OverlayOf(branch, in.chart, decadeLife, yearLife);
    }
    row.patterns.clear();
    if (in.patterns) in.patterns(row);
    return true;
}

std::vector<YearRow> ComputeYearRows(const YearReportInput& input, int fromYear, int toYear) {
    std::vector<YearRow> rows;
    if (fromYear > toYear || fromYear < FirstReportYear() || toYear > LastReportYear()) return rows;
    rows.resize(static_cast<std::size_t>(toYear - fromYear + 1));
    for (int year = fromYear; year <= toYear; ++year) {
        if (!ComputeYearRow(input, year, rows[static_cast<std::size_t>(year - fromYear)])) return {};
    }
    return rows;
}

}  // namespace velmora
