#include "output/ChartJson.h"

#include <array>
#include <charconv>

namespace velmora::tool {

namespace {

void AppendPillar(JsonWriter& json, std::string_view key, const Pillar& pillar) {
    json.raw(key).pair(pillar.stem, pillar.branch);
}

void AppendQuartet(JsonWriter& json, const StarQuartet& stars) {
    json.raw('[').list(kTransformationCount, [&stars](int k) { return stars[k]; }).raw(']');
}

void AppendPalaces(JsonWriter& json, const ChartState& chart) {
    json.raw(",\"palaces\":[").list(kPalaceRows, [&chart](int i) {
        const auto& palace = chart.PalaceTable[i + 1];
        return std::pair<int, int>(palace.stem, palace.branch);
    });
    json.raw("],\"bureauIndex\":").number(chart.BureauIndex);
}

void AppendStars(JsonWriter& json, const ChartState& chart) {
    json.raw(",\"stars\":[").list(kPlacedStars, [&chart](int i) {
        const auto& star = chart.StarTable[i + 1];
        return std::pair<int, int>(star.branch, star.level);
    });
    json.raw("],\"branchStarList\":[");
    for (int branch = 1; branch <= kBranches; ++branch) {
        if (branch > 1) json.raw(',');
        json.plainString(chart.BranchStarList[branch]);  // star numbers and blanks
    }
    json.raw(']');
}

void AppendNatal(JsonWriter& json, const ChartResult& r) {
    json.raw("\"chart\":{\"gender\":").number(r.birth.Gender);
    json.raw(",\"yinYang\":").number(r.birth.YinYang);
    AppendPalaces(json, r.chart);
    json.raw(",\"bureauNumber\":").number(r.bureauNumber);
    AppendStars(json, r.chart);
    json.raw(",\"douJunBranch\":").number(r.birth.DouJunBranch);
    json.raw(",\"lifeMaster\":").number(r.birth.LifeMaster);
    json.raw(",\"bodyMaster\":").number(r.birth.BodyMaster);
    json.raw(",\"majorLimitStart\":[").list(kBranches, [&r](int i) { return r.majorLimitStart[i + 1]; });
    json.raw("],\"transformations\":");
    AppendQuartet(json, r.transformations);
    json.raw('}');
}

void AppendLayer(JsonWriter& json, const LayerResult& layer) {
    json.raw("\"layer\":{\"index\":").number(layer.index).raw(",\"calendar\":");
    AppendCalendarJson(json, layer.shown);
    json.raw(",\"nominalAge\":").number(layer.nominalAge);
    json.raw(",\"focusBranch\":").number(layer.focusBranch);
    json.raw(",\"markStem\":").number(layer.markStem);
    json.raw(",\"transformations\":");
    AppendQuartet(json, layer.transformations);
    json.raw(",\"flowingStars\":[");
    bool first = true;
    for (const FlowingStar& star : layer.flowingStars) {
        if (!first) json.raw(',');
        first = false;
        json.raw('[').string(star.name).raw(',').number(star.branch).raw(']');
    }
    json.raw("]}");
}

}  // namespace

void AppendCalendarJson(JsonWriter& json, const CalendarDay& day) {
    json.raw("{\"solar\":[").number(day.SolarYear).raw(',').number(day.SolarMonth).raw(',').number(day.SolarDay);
    json.raw("],\"clockHour\":").number(day.ClockHour);
    json.raw(",\"lunar\":[").number(day.LunarYear).raw(',').number(day.LunarMonth).raw(',').number(day.LunarDay);
    json.raw("],\"leapKind\":").number(day.LeapKind);
    json.raw(",\"leapMonthDigit\":").string(std::string_view(&day.LeapMonthDigit, day.LeapMonthDigit != '\0' ? 1 : 0));
    json.raw(",\"hourBranch\":").number(day.HourBranch);
    const PillarTable& p = day.Pillars;
    AppendPillar(json, ",\"pillars\":{\"year\":", p.YearPillar);
    AppendPillar(json, ",\"month\":", p.MonthPillar);
    AppendPillar(json, ",\"day\":", p.DayPillar);
    AppendPillar(json, ",\"hour\":", p.HourPillar);
    AppendPillar(json, ",\"solarYear\":", p.SolarYearPillar);
    json.raw("}}");
}

void AppendChartJson(const ChartResult& result, const ReferenceTables* words, std::string& out,
                     const std::vector<ConventionDifference>* compare) {
    JsonWriter json(out);
    json.raw("{\"calendar\":");
    AppendCalendarJson(json, result.birthDay);
    json.raw(',');
    AppendNatal(json, result);
    if (result.layer) {
        json.raw(',');
        AppendLayer(json, *result.layer);
    }
    json.raw(",\"conventions\":");
    AppendConventionsJson(json, result.conventions);
    if (compare != nullptr) {
        json.raw(",\"compare\":");
        AppendCompareJson(json, *compare);
    }
    if (result.flying) {
        json.raw(',');
        AppendFlyingJson(json, *result.flying);
    }
    if (words != nullptr) {
        json.raw(",\"names\":");
        AppendNamesJson(json, result, *words);
    }
    json.raw('}');
}

void AppendLineError(long long line, std::string_view message, std::string& out) {
    JsonWriter json(out);
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), line).ptr;
    json.raw("{\"line\":").raw(std::string_view(digits.data(), end)).raw(",\"error\":").string(message).raw('}');
}

}  // namespace velmora::tool
