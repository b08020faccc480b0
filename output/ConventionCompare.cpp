#include "output/ConventionCompare.h"

#include <algorithm>
#include <optional>
#include <initializer_list>
#include <string>

namespace velmora::tool {

namespace {

// The names "palace1".."palace13" and "star1".."star91", made once.
template <int Count>
std::array<std::string, Count + 1> NumberedNames(std::string_view stem) {
    std::array<std::string, Count + 1> names;
    for (int i = 1; i <= Count; ++i) names[i] = std::string(stem) + std::to_string(i);
    return names;
}
const std::array<std::string, kPalaceRows + 1> kPalaceNames = NumberedNames<kPalaceRows>("palace");
const std::array<std::string, kPlacedStars + 1> kStarNames = NumberedNames<kPlacedStars>("star");

FieldValue Numbers(std::initializer_list<int> numbers) {
    FieldValue value;
    for (const int n : numbers) value.numbers[value.count++] = static_cast<std::int16_t>(n);
    return value;
}

template <class Range>
FieldValue NumbersOf(const Range& range, int first, int last) {
    FieldValue value;
    for (int i = first; i <= last && value.count < FieldValue::kMaxNumbers; ++i)
        value.numbers[value.count++] = static_cast<std::int16_t>(range[i]);
    return value;
}

FieldValue PillarValue(const Pillar& p) { return Numbers({p.stem, p.branch}); }

// The field names of a calendar: the birth's, and the shown moment's under "layer.".
struct CalendarFieldNames {
    std::string_view clockHour, lunar, leapKind, year, month, day, hour, solarYear, solarMonth;
};
constexpr CalendarFieldNames kBirthCalendar = {"calendar.clockHour", "calendar.lunar", "calendar.leapKind",
                                               "calendar.pillars.year", "calendar.pillars.month",
                                               "calendar.pillars.day", "calendar.pillars.hour",
                                               "calendar.pillars.solarYear", "calendar.pillars.solarMonth"};
constexpr CalendarFieldNames kShownCalendar = {
    "layer.calendar.clockHour",     "layer.calendar.lunar",        "layer.calendar.leapKind",
    "layer.calendar.pillars.year",  "layer.calendar.pillars.month", "layer.calendar.pillars.day",
    "layer.calendar.pillars.hour",  "layer.calendar.pillars.solarYear", "layer.calendar.pillars.solarMonth"};

void CollectCalendar(const CalendarDay& day, const CalendarFieldNames& names, std::vector<NamedField>& fields) {
    const PillarTable& p = day.Pillars;
    fields.push_back({names.clockHour, Numbers({day.ClockHour})});
    fields.push_back({names.lunar, Numbers({day.LunarYear, day.LunarMonth, day.LunarDay})});
    fields.push_back({names.leapKind, Numbers({day.LeapKind})});
    fields.push_back({names.year, PillarValue(p.YearPillar)});
    fields.push_back({names.month, PillarValue(p.MonthPillar)});
    fields.push_back({names.day, PillarValue(p.DayPillar)});
    fields.push_back({names.hour, PillarValue(p.HourPillar)});
    fields.push_back({names.solarYear, PillarValue(p.SolarYearPillar)});
    fields.push_back({names.solarMonth, PillarValue(p.SolarMonthPillar)});
}

void CollectNatal(const ChartResult& r, std::vector<NamedField>& fields) {
    fields.push_back({"yinYang", Numbers({r.birth.YinYang})});
    for (int row = 1; row <= kPalaceRows; ++row)
        fields.push_back({kPalaceNames[row], Numbers({r.chart.PalaceTable[row].stem, r.chart.PalaceTable[row].branch})});
    fields.push_back({"bureauIndex", Numbers({r.chart.BureauIndex})});
    fields.push_back({"bureauNumber", Numbers({r.bureauNumber})});
    for (int star = 1; star <= kPlacedStars; ++star)
        fields.push_back({kStarNames[star], Numbers({r.chart.StarTable[star].branch, r.chart.StarTable[star].level})});
    fields.push_back({"douJunBranch", Numbers({r.birth.DouJunBranch})});
    fields.push_back({"lifeMaster", Numbers({r.birth.LifeMaster})});
    fields.push_back({"bodyMaster", Numbers({r.birth.BodyMaster})});
    fields.push_back({"majorLimitStart", NumbersOf(r.majorLimitStart, 1, kBranches)});
    fields.push_back({"transformations", NumbersOf(r.transformations, 0, kTransformationCount - 1)});
}

void CollectLayer(const LayerResult& layer, std::vector<NamedField>& fields) {
    CollectCalendar(layer.shown, kShownCalendar, fields);
    fields.push_back({"layer.nominalAge", Numbers({layer.nominalAge})});
    fields.push_back({"layer.focusBranch", Numbers({layer.focusBranch})});
    fields.push_back({"layer.markStem", Numbers({layer.markStem})});
    fields.push_back({"layer.transformations", NumbersOf(layer.transformations, 0, kTransformationCount - 1)});
    FieldValue branches;  // the flowing stars' branches in their fixed order
    for (const FlowingStar& star : layer.flowingStars) {
        if (branches.count < FieldValue::kMaxNumbers) branches.numbers[branches.count++] = static_cast<std::int16_t>(star.branch);
    }
    fields.push_back({"layer.flowingStars", branches});
}

void AppendChanges(const std::vector<NamedField>& active, const std::vector<NamedField>& other,
                   std::vector<FieldChange>& changes) {
    const std::size_t count = std::min(active.size(), other.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (!(active[i].value == other[i].value)) changes.push_back({active[i].field, active[i].value, other[i].value});
    }
}

bool SameNatal(const ChartResult& a, const ChartResult& b) {
    return a.birth == b.birth && a.chart.PalaceTable == b.chart.PalaceTable && a.chart.StarTable == b.chart.StarTable &&
           a.chart.BureauIndex == b.chart.BureauIndex && a.majorLimitStart == b.majorLimitStart &&
           a.transformations == b.transformations;
}

bool SameLayer(const std::optional<LayerResult>& a, const std::optional<LayerResult>& b) {
    if (!a || !b) return a.has_value() == b.has_value();
    return a->shown == b->shown && a->nominalAge == b->nominalAge && a->focusBranch == b->focusBranch &&
           a->markStem == b->markStem && a->transformations == b->transformations && a->flowingStars == b->flowingStars;
}

// The fields of one chart by part, so that a part equal in both charts is
// passed over without listing its fields.
struct SectionFields {
    std::vector<NamedField> calendar, natal, layer;
    void collect(const ChartResult& r, bool withCalendar, bool withNatal, bool withLayer) {
        calendar.clear();
        natal.clear();
        layer.clear();
        if (withCalendar) CollectCalendar(r.birthDay, kBirthCalendar, calendar);
        if (withNatal) CollectNatal(r, natal);
        if (withLayer && r.layer) CollectLayer(*r.layer, layer);
    }
};

std::vector<FieldChange> ChangesBetween(const ChartResult& active, const SectionFields& activeFields,
                                        const ChartResult& other, SectionFields& otherFields) {
    const bool calendar = !(active.birthDay == other.birthDay);
    const bool natal = !SameNatal(active, other);
    const bool layer = !SameLayer(active.layer, other.layer);
    std::vector<FieldChange> changes;
    if (!calendar && !natal && !layer) return changes;
    otherFields.collect(other, calendar, natal, layer);
    if (calendar) AppendChanges(activeFields.calendar, otherFields.calendar, changes);
    if (natal) AppendChanges(activeFields.natal, otherFields.natal, changes);
    if (layer) AppendChanges(activeFields.layer, otherFields.layer, changes);
    return changes;
}

// The chart under `turned`: a switch of the layers leaves the natal chart as
// it is, so only the layer is cast again.
void CastTurned(const Query& query, const CalendarDay& birthDay, const CalendarDay* shown,
                const ReferenceTables& tables, const ChartResult& active, const ConventionSwitch& turnedSwitch,
                const Conventions& turned, ChartResult& other) {
    if (turnedSwitch.group == ConventionGroup::natal) {
        ComputeFromCalendars(query, birthDay, shown, tables, turned, other);
        return;
    }
    other.conventions = turned;
    other.birthDay = active.birthDay;
    other.birth = active.birth;
    other.chart.PalaceTable = active.chart.PalaceTable;
    other.chart.StarTable = active.chart.StarTable;
    other.chart.BureauIndex = active.chart.BureauIndex;
    other.bureauNumber = active.bureauNumber;
    other.majorLimitStart = active.majorLimitStart;
    other.transformations = active.transformations;
    ComputeLayerFromCalendar(query, shown, tables, other);
}

}  // namespace

void CollectFields(const ChartResult& result, std::vector<NamedField>& fields) {
    fields.clear();
    CollectCalendar(result.birthDay, kBirthCalendar, fields);
    CollectNatal(result, fields);
    if (result.layer) CollectLayer(*result.layer, fields);
}

std::vector<ConventionDifference> CompareConventions(const Query& query, const ReferenceTables& tables,
                                                     const ChartResult& active) {
    std::vector<ConventionDifference> differences;
    // The calendars once, as the query gives them; a turned late 子 rule recomputes its own.
    CalendarDay birthDay;
    CalendarDay shownDay;
    if (!CalendarOf(query.birthDate, query.period, birthDay)) return differences;
    const bool hasShown = query.at && CalendarOf(query.at->date, query.at->period, shownDay);
    const CalendarDay* shown = hasShown ? &shownDay : nullptr;
    SectionFields activeFields;
    SectionFields otherFields;
    activeFields.collect(active, true, true, true);
    ChartResult other;
    for (const ConventionSwitch& s : ConventionSwitches()) {
        for (int value = 0; value < s.valueCount; ++value) {
            if (value == active.conventions.choice(s.key)) continue;
            Conventions turned = active.conventions;
            turned.set(s.key, value);
            CastTurned(query, birthDay, shown, tables, active, s, turned, other);
            differences.push_back({s.key, value, ChangesBetween(active, activeFields, other, otherFields)});
        }
    }
    return differences;
}

}  // namespace velmora::tool
