// The year-by-year report as text (a paragraph a year) and as CSV (a line a
// year). Palaces are named in three namings with one-character names: 本 for
// the natal chart, 大 for the decade, 年 for the year (本官, 大財, 年命).

#include <array>
#include <cstdio>

#include "output/ChartWords.h"
#include "output/Timeline.h"
#include "output/YearReport.h"
#include "reading/LayerFlying.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kNatalPrefix = "本";
constexpr std::string_view kDecadePrefix = "大";
constexpr std::string_view kYearPrefix = "年";
constexpr std::string_view kListSeparator = "；";
constexpr std::string_view kNameSeparator = "、";

std::string DateText(const CalendarDay& day) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", day.SolarYear, day.SolarMonth, day.SolarDay);
    return text.data();
}

std::string TurnWord(const ChartResult& natal) {
    return natal.conventions.flowingYear() == FlowingYearRule::lichun ? "立春" : "正月初一";
}

std::string Named(std::string_view prefix, const NameList& names, int palace) {
    return std::string(prefix) + ShortPalaceName(names, palace);
}

// "午（本官、大財、年命）"
std::string OverlayText(const PalaceOverlay& o, const NameList& names) {
    if (o.branch == 0) return "—";
    return BranchName(names, o.branch) + "（" + Named(kNatalPrefix, names, o.natal) + std::string(kNameSeparator) +
           Named(kDecadePrefix, names, o.decade) + std::string(kNameSeparator) + Named(kYearPrefix, names, o.year) + "）";
}

// "化祿 太陽 在 午（本官、大財、年命）"
std::string TransformationText(const YearRowLayer& layer, int k, const NameList& names) {
    return "化" + std::string(TransformationWord(k)) + " " + StarName(names, layer.transformations[k]) + " 在 " +
           OverlayText(layer.landings[k], names);
}

std::string FourText(const YearRowLayer& layer, const NameList& names, std::string_view separator) {
    std::string text;
    for (int k = 0; k < kYearRowTransformations; ++k) {
        if (k > 0) text += separator;
        text += TransformationText(layer, k, names);
    }
    return text;
}

std::string FlowingStarsText(const YearRowLayer& layer, const NameList& names) {
    std::string text;
    for (const FlowingStar& star : layer.flowingStars) {
        if (!text.empty()) text += kListSeparator;
        text += star.name + " " + BranchName(names, star.branch);
    }
    return text;
}

std::string YearPalacesText(const YearRow& row, const NameList& names) {
    std::string text;
    for (int palace = 1; palace <= kBranches; ++palace) {
        const PalaceOverlay& o = row.yearPalaces[palace - 1];
        if (palace > 1) text += kListSeparator;
        text += Named(kYearPrefix, names, palace) + " " + BranchName(names, o.branch) + "（" +
                Named(kNatalPrefix, names, o.natal) + std::string(kNameSeparator) +
                Named(kDecadePrefix, names, o.decade) + "）";
    }
    return text;
}

std::string AgesText(const YearRow& row) {
    return std::to_string(row.decadeFirstAge) + "–" + std::to_string(row.decadeLastAge);
}

// A CSV field, quoted when it holds a comma or a quote.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

void AppendYearRowText(const YearRow& row, const ChartResult& natal, const NameList& names, std::string& out) {
    const ChartState& chart = natal.chart;
    const int decadeNatal = velmora::LayerPalaceOn(row.decade.focusBranch, chart.PalaceTable[1].branch, chart);
    out += std::to_string(row.year) + "年 " + PillarName(names, row.pillar) + "（" + DateText(row.shown) + " " +
           TurnWord(natal) + "起）虛歲 " + std::to_string(row.nominalAge) + "\n";
    out += "大限 " + PillarName(names, Pillar{static_cast<std::int16_t>(row.decadeStem),
                                               static_cast<std::int16_t>(row.decade.focusBranch)}) +
           "（" + Named(kNatalPrefix, names, decadeNatal) + "，虛歲 " + AgesText(row) + "）" + StemName(names, row.decade.markStem) +
           "干四化：" + FourText(row.decade, names, kListSeparator) + "；化忌沖 " + OverlayText(row.decade.jiClash, names) + "\n";
    out += "小限 " + OverlayText(row.minor.focus, names) + "\n";
    out += "流年 " + OverlayText(row.annual.focus, names) + StemName(names, row.annual.markStem) + "干四化：" + FourText(row.annual, names, kListSeparator) +
           "；化忌沖 " + OverlayText(row.annual.jiClash, names) + "\n";
    out += "流年十二宮：" + YearPalacesText(row, names) + "\n";
    out += "流曜：" + FlowingStarsText(row.annual, names) + "\n\n";
}

void AppendYearCsvHeader(std::string& out) {
    out += "year,turn,pillar,nominalAge,decadeBranch,decadeStem,decadePalace,decadeAges,decadeMarkStem,"
           "decadeLu,decadeQuan,decadeKe,decadeJi,decadeJiClash,minorBranch,minorPalace,"
           "annualBranch,annualPalace,annualDecadePalace,annualMarkStem,annualLu,annualQuan,annualKe,annualJi,"
           "annualJiClash,flowingStars\r\n";
}

void AppendYearRowCsv(const YearRow& row, const ChartResult& natal, const NameList& names, std::string& out) {
    const ChartState& chart = natal.chart;
    const int natalLife = chart.PalaceTable[1].branch;
    const auto natalName = [&](int branch) { return Named(kNatalPrefix, names, velmora::LayerPalaceOn(branch, natalLife, chart)); };
    std::vector<std::string> fields{std::to_string(row.year), DateText(row.shown), PillarName(names, row.pillar),
                                    std::to_string(row.nominalAge), BranchName(names, row.decade.focusBranch),
                                    StemName(names, row.decadeStem), natalName(row.decade.focusBranch), AgesText(row),
                                    StemName(names, row.decade.markStem)};
    for (int k = 0; k < kYearRowTransformations; ++k) fields.push_back(TransformationText(row.decade, k, names));
    fields.push_back(OverlayText(row.decade.jiClash, names));
    fields.push_back(BranchName(names, row.minor.focusBranch));
    fields.push_back(natalName(row.minor.focusBranch));
    fields.push_back(BranchName(names, row.annual.focusBranch));
    fields.push_back(natalName(row.annual.focusBranch));
    fields.push_back(Named(kDecadePrefix, names, row.yearPalaces[0].decade));
    fields.push_back(StemName(names, row.annual.markStem));
    for (int k = 0; k < kYearRowTransformations; ++k) fields.push_back(TransformationText(row.annual, k, names));
    fields.push_back(OverlayText(row.annual.jiClash, names));
    fields.push_back(FlowingStarsText(row.annual, names));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += CsvField(fields[i]);
    }
    out += "\r\n";
}

}  // namespace velmora::tool
