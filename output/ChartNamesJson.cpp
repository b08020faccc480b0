// The "names" object: the same keys as the numbers it stands beside, arrays
// parallel to theirs (entry i names entry i), words from the name list, the
// level names and the program's own texts.

#include "calendar/LunarText.h"
#include "output/ChartJson.h"
#include "output/ChartText.h"
#include "output/ChartWords.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kLeapWord = "閏";

void AppendPillarName(JsonWriter& json, std::string_view key, const NameList& names, const Pillar& pillar) {
    json.raw(key).string(PillarName(names, pillar));
}

void AppendCalendarNames(JsonWriter& json, const CalendarDay& day, const NameList& names) {
    json.raw("{\"lunarMonth\":").string(LunarMonthText(day.LunarMonth));
    json.raw(",\"lunarDay\":").string(LunarDayText(day.LunarDay));
    json.raw(",\"leap\":").string(day.LeapKind == kLeapKindLeapMonth ? kLeapWord : "");
    json.raw(",\"hourBranch\":").string(BranchName(names, day.HourBranch));
    const PillarTable& p = day.Pillars;
    AppendPillarName(json, ",\"pillars\":{\"year\":", names, p.YearPillar);
    AppendPillarName(json, ",\"month\":", names, p.MonthPillar);
    AppendPillarName(json, ",\"day\":", names, p.DayPillar);
    AppendPillarName(json, ",\"hour\":", names, p.HourPillar);
    AppendPillarName(json, ",\"solarYear\":", names, p.SolarYearPillar);
    AppendPillarName(json, ",\"solarMonth\":", names, p.SolarMonthPillar);
    json.raw("}}");
}

void AppendStarNames(JsonWriter& json, const StarQuartet& stars, const NameList& names) {
    json.raw('[');
    for (int k = 0; k < kTransformationCount; ++k) {
        if (k > 0) json.raw(',');
        json.string(StarName(names, stars[k]));
    }
    json.raw(']');
}

// palaces: [palace name, stem and branch]; row 13 names the body palace.
void AppendPalaceNames(JsonWriter& json, const ChartState& chart, const NameList& names) {
    json.raw(",\"palaces\":[");
    for (int row = 1; row <= kPalaceRows; ++row) {
        if (row > 1) json.raw(',');
        const PalaceRow& palace = chart.PalaceTable[row];
        json.raw('[').string(PalaceName(names, row)).raw(',');
        json.string(PillarName(names, Pillar{palace.stem, palace.branch})).raw(']');
    }
    json.raw(']');
}

// stars: [star name, branch name, level word].
void AppendStarRows(JsonWriter& json, const ChartState& chart, const ReferenceTables& words) {
    json.raw(",\"stars\":[");
    for (int star = 1; star <= kPlacedStars; ++star) {
        if (star > 1) json.raw(',');
        const StarRow& row = chart.StarTable[star];
        json.raw('[').string(StarName(words.names, star)).raw(',').string(BranchName(words.names, row.branch));
        json.raw(',').string(LevelWord(words.brightness, row.level)).raw(']');
    }
    json.raw(']');
}

void AppendNatalNames(JsonWriter& json, const ChartResult& r, const ReferenceTables& words) {
    const NameList& names = words.names;
    json.raw("{\"gender\":").string(GenderWord(r.birth.Gender));
    json.raw(",\"yinYang\":").string(YinYangWord(r.birth.YinYang));
    AppendPalaceNames(json, r.chart, names);
    json.raw(",\"bureau\":").string(BureauName(names, r.chart.BureauIndex));
    AppendStarRows(json, r.chart, words);
    json.raw(",\"douJunBranch\":").string(BranchName(names, r.birth.DouJunBranch));
    json.raw(",\"lifeMaster\":").string(StarName(names, r.birth.LifeMaster));
    json.raw(",\"bodyMaster\":").string(StarName(names, r.birth.BodyMaster));
    json.raw(",\"transformations\":");
    AppendStarNames(json, r.transformations, names);
    json.raw('}');
}

void AppendLayerNames(JsonWriter& json, const LayerResult& layer, const NameList& names) {
    json.raw("{\"index\":").string(LayerName(layer.index)).raw(",\"calendar\":");
    AppendCalendarNames(json, layer.shown, names);
    json.raw(",\"focusBranch\":").string(BranchName(names, layer.focusBranch));
    json.raw(",\"markStem\":").string(StemName(names, layer.markStem));
    json.raw(",\"transformations\":");
    AppendStarNames(json, layer.transformations, names);
    json.raw(",\"flowingStars\":[");
    bool first = true;
    for (const FlowingStar& star : layer.flowingStars) {
        if (!first) json.raw(',');
        first = false;
        json.raw('[').string(star.name).raw(',').string(BranchName(names, star.branch)).raw(']');
    }
    json.raw("]}");
}

}  // namespace

void AppendNamesJson(JsonWriter& json, const ChartResult& result, const ReferenceTables& words) {
    json.raw("{\"calendar\":");
    AppendCalendarNames(json, result.birthDay, words.names);
    json.raw(",\"chart\":");
    AppendNatalNames(json, result, words);
    if (result.layer) {
        json.raw(",\"layer\":");
        AppendLayerNames(json, *result.layer, words.names);
    }
    // The layer's palaces by its own names, palace 1 (its 命) first, for "layerFlying".
    if (result.flyingReading && result.flyingReading->layer) {
        json.raw(",\"layerFlying\":{\"palaces\":[");
        for (int palace = 1; palace <= kBranches; ++palace) {
            if (palace > 1) json.raw(',');
            json.string(LayerPalaceWord(result.flyingReading->layer->index, palace, words.names));
        }
        json.raw("]}");
    }
    json.raw('}');
}

}  // namespace velmora::tool
