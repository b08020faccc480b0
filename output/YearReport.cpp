// The year-by-year report: the run and its JSON.

#include "output/YearReport.h"

#include "output/JsonWriter.h"
#include "reading/YearPatterns.h"

namespace velmora::tool {

namespace {

constexpr std::size_t kSpanLength = 9;  // YYYY-YYYY
constexpr std::size_t kYearDigits = 4;

std::optional<int> FourDigits(std::string_view text) {
    if (text.size() != kYearDigits) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

void AppendOverlay(JsonWriter& json, const PalaceOverlay& o) {
    json.raw('[').number(o.branch).raw(',').number(o.natal).raw(',').number(o.decade).raw(',').number(o.year).raw(']');
}

template <typename Item, typename Write>
void AppendArray(JsonWriter& json, const Item& items, Write write) {
    json.raw('[');
    bool first = true;
    for (const auto& item : items) {
        if (!first) json.raw(',');
        first = false;
        write(item);
    }
    json.raw(']');
}

// The keys of a single query's "layer" first, then where the stars land. The
// object is left open: each layer adds keys of its own and closes it.
void AppendLayer(JsonWriter& json, const YearRowLayer& layer) {
    json.raw("{\"focusBranch\":").number(layer.focusBranch).raw(",\"markStem\":").number(layer.markStem);
    json.raw(",\"transformations\":");
    AppendArray(json, layer.transformations, [&json](int star) { json.number(star); });
    json.raw(",\"flowingStars\":");
    AppendArray(json, layer.flowingStars, [&json](const FlowingStar& star) {
        json.raw('[').plainString(star.name).raw(',').number(star.branch).raw(']');
    });
    json.raw(",\"palace\":");
    AppendOverlay(json, layer.focus);
    json.raw(",\"landings\":");
    AppendArray(json, layer.landings, [&json](const PalaceOverlay& o) { AppendOverlay(json, o); });
    json.raw(",\"jiClash\":");
    AppendOverlay(json, layer.jiClash);
}

}  // namespace

std::optional<YearSpan> ParseYearSpan(std::string_view text) {
    if (text.size() != kSpanLength || text[kYearDigits] != '-') return std::nullopt;
    const auto from = FourDigits(text.substr(0, kYearDigits));
    const auto to = FourDigits(text.substr(kYearDigits + 1));
    if (!from || !to || *from > *to || *from < FirstReportYear() || *to > LastReportYear()) return std::nullopt;
    return YearSpan{*from, *to};
}

std::optional<std::string> ComputeYearReport(Query birth, YearSpan span, const ReferenceTables& tables,
                                             const Conventions& conventions, ChartResult& natal,
                                             std::vector<YearRow>& rows) {
    birth.at.reset();
    if (auto problem = ComputeQuery(birth, tables, natal, conventions)) return problem;
    if (span.from < natal.birth.LunarYear)
        return "--years " + std::to_string(span.from) + "-" + std::to_string(span.to) +
               " starts before the birth's lunar year " + std::to_string(natal.birth.LunarYear);
    const YearReportInput input{natal.birth, natal.chart, natal.bureauNumber, conventions, tables.transformations,
                                reading::YearPatternFinder(natal.chart)};
    rows = ComputeYearRows(input, span.from, span.to);
    if (rows.empty()) return "the calendar cannot turn the years " + std::to_string(span.from) + ".." + std::to_string(span.to);
    return std::nullopt;
}

void AppendYearRowJson(const YearRow& row, std::string& out) {
    JsonWriter json(out);
    const CalendarDay& day = row.shown;
    json.raw("{\"year\":").number(row.year);
    json.raw(",\"turn\":[").number(day.SolarYear).raw(',').number(day.SolarMonth).raw(',').number(day.SolarDay);
    json.raw("],\"pillar\":").pair(row.pillar.stem, row.pillar.branch);
    json.raw(",\"nominalAge\":").number(row.nominalAge);
    json.raw(",\"decade\":");
    AppendLayer(json, row.decade);
    json.raw(",\"stem\":").number(row.decadeStem);
    json.raw(",\"ages\":").pair(row.decadeFirstAge, row.decadeLastAge).raw('}');
    json.raw(",\"minor\":");
    AppendLayer(json, row.minor);
    json.raw("},\"annual\":");
    AppendLayer(json, row.annual);
    json.raw(",\"palaces\":");
    AppendArray(json, row.yearPalaces, [&json](const PalaceOverlay& o) { AppendOverlay(json, o); });
    // The year palace's patterns by number, [] when it holds none.
    json.raw(",\"patterns\":");
    AppendArray(json, row.patterns, [&json](int pattern) { json.number(pattern); });
    json.raw("}}");
}

}  // namespace velmora::tool
