#include "output/ConventionCompare.h"

#include <algorithm>
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
    std::string_view clockHour, lunar, leapKind, year, month, day, hour, solarYear;
};
constexpr CalendarFieldNames kBirthCalendar = {"calendar.clockHour", "calendar.lunar", "calendar.leapKind",
                                               "calendar.pillars.year", "calendar.pillars.month",
                                               "calendar.pillars.day", "calendar.pillars.hour",
                                               "calendar.pillars.solarYear"};
constexpr CalendarFieldNames kShownCalendar = {
    "layer.calendar.clockHour",     "layer.calendar.lunar",        "layer.calendar.leapKind",
    "layer.calendar.pillars.year",  "layer.calendar.pillars.month", "layer.calendar.pillars.day",
    "layer.calendar.pillars.hour",  "layer.calendar.pillars.solarYear"};

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
    std::vector<NamedField> activeFields;
    std::vector<NamedField> otherFields;
    CollectFields(active, activeFields);
    ChartResult other;
    for (const ConventionSwitch& s : ConventionSwitches()) {
        for (int value = 0; value < s.valueCount; ++value) {
            if (value == active.conventions.choice(s.key)) continue;
            Conventions turned = active.conventions;
            turned.set(s.key, value);
            ComputeFromCalendars(query, birthDay, shown, tables, turned, other);
            CollectFields(other, otherFields);
            ConventionDifference difference{s.key, value, {}};
            AppendChanges(activeFields, otherFields, difference.changes);
            differences.push_back(std::move(difference));
        }
    }
    return differences;
}

}  // namespace velmora::tool
