// The "relations", "patterns" and "layerPatterns" members of the chart JSON
// (and, after them, "overlay" from OverlayJson.cpp).

#include "output/ReadingJson.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kFlowingVariant = "+flowing";

template <typename List>
void AppendNumbers(JsonWriter& json, const List& numbers) {
    json.raw('[');
    bool first = true;
    for (const auto n : numbers) {
        if (!first) json.raw(',');
        first = false;
        json.number(n);
    }
    json.raw(']');
}

void AppendRelation(JsonWriter& json, const reading::PalaceRelations& r) {
    json.raw("{\"branch\":").number(r.branch).raw(",\"opposite\":").number(r.opposite);
    json.raw(",\"trine\":").pair(r.trine[0], r.trine[1]).raw(",\"flanks\":").pair(r.flanks[0], r.flanks[1]);
    json.raw(",\"hidden\":").number(r.hidden).raw(",\"borrowed\":");
    AppendNumbers(json, r.borrowed);
    json.raw('}');
}

// The rule's texts are the table's own, without quotes or backslashes (the
// reading tests hold them to that), so they are written as they stand.
void AppendPattern(JsonWriter& json, const reading::FoundPattern& p, bool flowing) {
    const reading::PatternRule& rule = *p.rule;
    json.raw("{\"name\":").plainString(rule.name).raw(",\"group\":").plainString(rule.group);
    json.raw(",\"variant\":\"").raw(rule.variant);
    if (flowing) json.raw(kFlowingVariant);  // an empty view may hold no pointer, which memcpy must not be given
    json.raw('"');
    json.raw(",\"palace\":").number(p.palace).raw(",\"stars\":");
    AppendNumbers(json, p.stars.view());
    json.raw(",\"broken\":").raw(p.broken ? "true" : "false").raw(",\"source\":").plainString(rule.source).raw('}');
}

}  // namespace

void AppendRelationsJson(JsonWriter& json, const std::array<reading::PalaceRelations, 12>& relations) {
    json.raw("\"relations\":[");
    for (std::size_t i = 0; i < relations.size(); ++i) {
        if (i > 0) json.raw(',');
        AppendRelation(json, relations[i]);
    }
    json.raw(']');
}

void AppendPatternsJson(JsonWriter& json, const std::vector<reading::FoundPattern>& patterns) {
    json.raw("\"patterns\":[");
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        if (i > 0) json.raw(',');
        AppendPattern(json, patterns[i], false);
    }
    json.raw(']');
}

void AppendLayerPatternsJson(JsonWriter& json, const std::vector<LayerPattern>& patterns) {
    json.raw("\"layerPatterns\":[");
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        if (i > 0) json.raw(',');
        AppendPattern(json, patterns[i].found, patterns[i].flowing);
    }
    json.raw(']');
}

void AppendReadingJson(JsonWriter& json, const ChartReading& reading) {
    if (reading.relations) AppendRelationsJson(json.raw(','), *reading.relations);
    if (reading.patterns) AppendPatternsJson(json.raw(','), *reading.patterns);
    if (reading.layerPatterns) AppendLayerPatternsJson(json.raw(','), *reading.layerPatterns);
    if (reading.overlay) AppendOverlayJson(json.raw(','), *reading.overlay);
}

}  // namespace velmora::tool
