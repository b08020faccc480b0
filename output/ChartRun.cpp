#include "output/ChartRun.h"

namespace velmora::tool {

namespace {

bool IsStem(int stem) { return stem >= 1 && stem <= kStems; }
bool IsBranch(int branch) { return branch >= 1 && branch <= kBranches; }
bool IsPillar(const Pillar& p) { return IsStem(p.stem) && IsBranch(p.branch); }

bool CalendarComplete(const CalendarDay& day) {
    const PillarTable& p = day.Pillars;
    return day.LunarYear != 0 && day.LunarMonth != 0 && day.LunarDay != 0 && IsBranch(day.HourBranch) &&
           IsPillar(p.YearPillar) && IsPillar(p.MonthPillar) && IsPillar(p.DayPillar) && IsPillar(p.HourPillar) &&
           IsPillar(p.SolarYearPillar) && IsPillar(p.SolarMonthPillar);
}

std::string DateText(const QueryDate& date, int period) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day) +
           " period " + std::to_string(period);
}

void ApplyView(const LayerView& view, LayerResult& layer) {
    if (view.FocusBranch) layer.focusBranch = *view.FocusBranch;
    if (view.MarkStem) layer.markStem = *view.MarkStem;
}

// As the main window does after charting a record and stepping its date: the
// natal values first (the life palace and the birth year stem), then for layers
// 2..6 the decade layer and the chosen layer in turn, each keeping the values
// it does not set.
LayerResult ComputeLayerResult(const LayerQuery& at, const ChartResult& natal, const ReferenceTables& tables,
                               const CalendarDay& shown) {
    const Conventions& conventions = natal.conventions;
    LayerResult layer;
    layer.index = at.layer;
    layer.shown = shown;
    std::int16_t age = 0;
    oldx(natal.birth, natal.chart, shown, age, conventions);
    layer.nominalAge = age;
    layer.focusBranch = natal.chart.PalaceTable[1].branch;
    layer.markStem = natal.birth.YearStem;
    const auto bureauNumber = static_cast<std::int16_t>(natal.bureauNumber);
    const int decade = static_cast<int>(Layer::Decade);
    const auto view = [&](int index) {
        return ComputeLayer(index, natal.birth, natal.chart, shown, age, bureauNumber, conventions);
    };
    if (at.layer >= decade) ApplyView(view(decade), layer);
    if (at.layer > decade) ApplyView(view(at.layer), layer);
    layer.transformations = TransformationsOf(tables.transformations, layer.markStem);
    if (auto stars = FlowingStars(at.layer, shown, conventions)) layer.flowingStars = std::move(*stars);
    return layer;
}

// Clears what the computation below may leave unset: the stars it does not
// place or that have no brightness row, the flying transformations it does
// not compute. The star lists keep their buffers. Copying in a whole empty
// result instead cost as much as placing the minor stars: its tables went
// byte by byte and each list through a call.
void StartAfresh(ChartResult& result) {
    result.birth = BirthInput{};
    ChartState& chart = result.chart;
    chart.PalaceTable = {};
    chart.BureauIndex = 0;
    chart.StarTable = {};
    for (std::string& list : chart.BranchStarList) list.clear();
    result.layer.reset();
    result.flying.reset();
    result.reading = ChartReading{};
    result.flyingReading.reset();
}

}  // namespace

bool CalendarOf(const QueryDate& date, int period, CalendarDay& day) {
    day = CalendarDay{};
    day.SolarYear = static_cast<std::int16_t>(date.year);
    day.SolarMonth = static_cast<std::int16_t>(date.month);
    day.SolarDay = static_cast<std::int16_t>(date.day);
    day.ClockHour = static_cast<std::int16_t>(ClockHourOfPeriod(period));
    CalcCalendar(day);
    return CalendarComplete(day);
}

StarQuartet TransformationsOf(const TransformationTable& table, int stem) {
    StarQuartet stars{};
    if (!IsStem(stem)) return stars;
    const std::array<int, 5> parsed = ParseTransformations(table.lines[stem]);
    for (int k = 0; k < kTransformationCount; ++k) stars[k] = parsed[k + 1];
    return stars;
}

std::optional<std::string> ComputeQuery(const Query& query, const ReferenceTables& tables, ChartResult& result,
                                        const Conventions& conventions) {
    // ComputeFromCalendars starts the result afresh itself (keeping the star
    // lists' buffers); a query that cannot be charted leaves a fresh one.
    CalendarDay birthDay;
    if (!CalendarOf(query.birthDate, query.period, birthDay)) {
        result = ChartResult{};
        return "the calendar cannot convert " + DateText(query.birthDate, query.period);
    }
    CalendarDay shown;
    if (query.at && !CalendarOf(query.at->date, query.at->period, shown)) {
        result = ChartResult{};
        return "the calendar cannot convert " + DateText(query.at->date, query.at->period);
    }
    ComputeFromCalendars(query, birthDay, query.at ? &shown : nullptr, tables, conventions, result);
    return std::nullopt;
}

void ComputeFromCalendars(const Query& query, const CalendarDay& birthDay, const CalendarDay* shown,
                          const ReferenceTables& tables, const Conventions& conventions, ChartResult& result) {
    StartAfresh(result);
    result.conventions = conventions;
    result.birthDay = birthDay;
    ApplyLateZiRule(result.birthDay, conventions);
    result.birth.Gender = static_cast<std::int16_t>(query.gender);
    ComputeNatalChart(result.birthDay, result.birth, result.chart, conventions);
    ApplyStarLevels(tables.levelRows, result.chart);
    result.bureauNumber = BureauNumberOf(result.chart.BureauIndex);
    result.majorLimitStart = MajorLimitStartAges(result.birth, result.chart);
    result.transformations = TransformationsOf(tables.transformations, result.birth.YearStem);
    ComputeLayerFromCalendar(query, shown, tables, result);
}

void ComputeLayerFromCalendar(const Query& query, const CalendarDay* shown, const ReferenceTables& tables,
                              ChartResult& result) {
    result.layer.reset();
    if (!query.at || shown == nullptr) return;
    CalendarDay shownDay = *shown;
    ApplyLateZiRule(shownDay, result.conventions);
    result.layer = ComputeLayerResult(*query.at, result, tables, shownDay);
}

}  // namespace velmora::tool
