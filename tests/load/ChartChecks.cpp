#include "tests/load/ChartChecks.h"

#include <array>

namespace velmora::load {

namespace {

constexpr std::size_t kStarNumberWidth = 3;  // "007"
constexpr int kHighestLevel = 7;
constexpr int kBureaus = 5;

bool IsBranch(int branch) { return branch >= 1 && branch <= kBranches; }
bool IsStem(int stem) { return stem >= 1 && stem <= kStems; }

std::string Star(int star) { return "star " + std::to_string(star); }

// The stars of one branch's list, or the problem with its form.
std::optional<std::string> ReadList(const std::string& list, std::vector<int>& stars) {
    if (list.empty()) return std::string("an empty list");
    for (std::size_t at = 0; at < list.size(); at += kStarNumberWidth + 1) {
        if (at + kStarNumberWidth > list.size()) return "a short item in \"" + list + "\"";
        int star = 0;
        for (std::size_t i = at; i < at + kStarNumberWidth; ++i) {
            if (list[i] < '0' || list[i] > '9') return "a non-digit in \"" + list + "\"";
            star = star * 10 + (list[i] - '0');
        }
        if (at + kStarNumberWidth < list.size() && list[at + kStarNumberWidth] != ' ')
            return "no blank between items in \"" + list + "\"";
        if (!stars.empty() && star <= stars.back()) return "not ascending: \"" + list + "\"";
        stars.push_back(star);
    }
    return std::nullopt;
}

std::optional<std::string> StarsProblem(const ChartState& chart) {
    for (int star = 1; star <= kStarRows; ++star) {
        const StarRow& row = chart.StarTable[static_cast<std::size_t>(star)];
        if (star <= kPlacedStars && !IsBranch(row.branch)) return Star(star) + " on no branch";
        if (star > kPlacedStars && row.branch != 0) return Star(star) + " placed";
        if (row.level < 0 || row.level > kHighestLevel) return Star(star) + " level out of range";
    }
    std::array<int, kPlacedStars + 1> listed{};
    for (int b = 1; b <= kBranches; ++b) {
        std::vector<int> stars;
        if (auto problem = ReadList(chart.BranchStarList[static_cast<std::size_t>(b)], stars))
            return "branch " + std::to_string(b) + ": " + *problem;
        for (const int star : stars) {
            if (star < 1 || star > kPlacedStars) return "branch " + std::to_string(b) + " lists " + Star(star);
            if (chart.StarTable[static_cast<std::size_t>(star)].branch != b)
                return "branch " + std::to_string(b) + " lists " + Star(star) + " placed elsewhere";
            ++listed[static_cast<std::size_t>(star)];
        }
    }
    for (int star = 1; star <= kPlacedStars; ++star)
        if (listed[static_cast<std::size_t>(star)] != 1) return Star(star) + " not listed exactly once";
    return std::nullopt;
}

std::optional<std::string> PalacesProblem(const ChartState& chart) {
    std::array<int, kBranches + 1> seen{};
    for (int k = 1; k <= kPalaceRows; ++k) {
        const PalaceRow& palace = chart.PalaceTable[static_cast<std::size_t>(k)];
        if (!IsBranch(palace.branch) || !IsStem(palace.stem))
            return "palace " + std::to_string(k) + " out of range";
        if (k != kBodyPalaceRow) ++seen[static_cast<std::size_t>(palace.branch)];
    }
    for (int b = 1; b <= kBranches; ++b)
        if (seen[static_cast<std::size_t>(b)] != 1) return "branch " + std::to_string(b) + " not one palace";
    if (chart.BureauIndex < 1 || chart.BureauIndex > kBureaus) return std::string("bureau out of range");
    return std::nullopt;
}

bool IsArray(const JsonValue* value, std::size_t size) {
    return value != nullptr && value->kind == JsonValue::Kind::Array && value->items.size() == size;
}

// The JSON array [a,b] as two ints.
bool ReadPair(const JsonValue* value, int& first, int& second) {
    if (!IsArray(value, 2)) return false;
    const auto a = value->items[0].integer();
    const auto b = value->items[1].integer();
    if (!a || !b) return false;
    first = *a;
    second = *b;
    return true;
}

std::optional<std::string> ChartFromJson(const JsonValue& json, ChartState& chart) {
    const JsonValue* palaces = json.find("palaces");
    const JsonValue* stars = json.find("stars");
    const JsonValue* lists = json.find("branchStarList");
    const JsonValue* bureau = json.find("bureauIndex");
    if (!IsArray(palaces, kPalaceRows) || !IsArray(stars, kPlacedStars) || !IsArray(lists, kBranches) || !bureau ||
        !bureau->integer())
        return std::string("chart shape");
    for (std::size_t k = 0; k < palaces->items.size(); ++k) {
        int stem = 0, branch = 0;
        if (!ReadPair(&palaces->items[k], stem, branch)) return std::string("palace shape");
        chart.PalaceTable[k + 1] = PalaceRow{static_cast<std::int16_t>(stem), static_cast<std::int16_t>(branch)};
    }
    for (std::size_t s = 0; s < stars->items.size(); ++s) {
        int branch = 0, level = 0;
        if (!ReadPair(&stars->items[s], branch, level)) return std::string("star shape");
        chart.StarTable[s + 1] = StarRow{static_cast<std::int16_t>(branch), static_cast<std::int16_t>(level)};
    }
    for (std::size_t b = 0; b < lists->items.size(); ++b) chart.BranchStarList[b + 1] = lists->items[b].text;
    chart.BureauIndex = static_cast<std::int16_t>(*bureau->integer());
    return std::nullopt;
}

std::optional<std::string> JsonLayerProblem(const JsonValue& json) {
    const JsonValue* focus = json.find("focusBranch");
    const JsonValue* stem = json.find("markStem");
    const JsonValue* flowing = json.find("flowingStars");
    if (!focus || !focus->integer() || !stem || !stem->integer() || !flowing || flowing->kind != JsonValue::Kind::Array)
        return std::string("layer shape");
    tool::LayerResult layer;
    layer.focusBranch = *focus->integer();
    layer.markStem = *stem->integer();
    for (const JsonValue& item : flowing->items) {
        const JsonValue* branch = IsArray(&item, 2) ? &item.items[1] : nullptr;
        if (!branch || !branch->integer()) return std::string("flowing star shape");
        layer.flowingStars.push_back(FlowingStar{item.items[0].text, *branch->integer()});
    }
    return LayerProblem(layer);
}

}  // namespace

std::optional<std::string> ChartProblem(const ChartState& chart) {
    if (auto problem = PalacesProblem(chart)) return problem;
    return StarsProblem(chart);
}

std::optional<std::string> LayerProblem(const tool::LayerResult& layer) {
    if (!IsBranch(layer.focusBranch)) return "focus branch " + std::to_string(layer.focusBranch);
    if (!IsStem(layer.markStem)) return "mark stem " + std::to_string(layer.markStem);
    for (const FlowingStar& star : layer.flowingStars)
        if (!IsBranch(star.branch)) return "flowing star " + star.name + " on no branch";
    return std::nullopt;
}

std::optional<std::string> ResultProblem(const tool::ChartResult& result) {
    if (auto problem = ChartProblem(result.chart)) return problem;
    if (result.layer) return LayerProblem(*result.layer);
    return std::nullopt;
}

std::optional<std::string> JsonChartProblem(const JsonValue& object) {
    const JsonValue* chartJson = object.find("chart");
    if (!chartJson || !object.find("calendar")) return std::string("no calendar or chart");
    ChartState chart;
    if (auto problem = ChartFromJson(*chartJson, chart)) return problem;
    if (auto problem = ChartProblem(chart)) return problem;
    if (const JsonValue* layer = object.find("layer")) return JsonLayerProblem(*layer);
    return std::nullopt;
}

}  // namespace velmora::load
