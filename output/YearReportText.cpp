// The year-by-year report as text (a paragraph a year) and as CSV (a line a
// year). Palaces are named in three namings with one-character names: 本 for
// the natal chart, 大 for the decade, 年 for the year (本官, 大財, 年命).

#include <array>
#include <cstdio>

#include "output/ChartWords.h"
#include "output/Timeline.h"
#include "output/YearReport.h"
#include "reading/LayerFlying.h"
#include "reading/YearPatterns.h"

namespace velmora::tool {

namespace {

// By naming (YearReportWords::Naming): the first character of its palace names.
constexpr std::array<std::string_view, 3> kNamingPrefix = {"本", "大", "年"};
constexpr std::string_view kListSeparator = "；";
constexpr std::string_view kNameSeparator = "、";
using Words = YearReportWords;

std::string DateText(const CalendarDay& day) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", day.SolarYear, day.SolarMonth, day.SolarDay);
    return text.data();
}

std::string_view TurnWord(const ChartResult& natal) {
    return natal.conventions.flowingYear() == FlowingYearRule::lichun ? "立春" : "正月初一";
}

// "午（本官、大財、年命）"
void AppendOverlay(std::string& out, const PalaceOverlay& o, const Words& w) {
    if (o.branch == 0) {
        out += "—";
        return;
    }
    out.append(BranchName(w.names(), o.branch)).append("（").append(w.palace(Words::Natal, o.natal));
    out.append(kNameSeparator).append(w.palace(Words::Decade, o.decade));
    out.append(kNameSeparator).append(w.palace(Words::Year, o.year)).append("）");
}

// "化祿 太陽 在 午（本官、大財、年命）"
void AppendTransformation(std::string& out, const YearRowLayer& layer, int k, const Words& w) {
    out.append("化").append(TransformationWord(k)).append(" ");
    out.append(StarName(w.names(), layer.transformations[k])).append(" 在 ");
    AppendOverlay(out, layer.landings[k], w);
}

// "甲干四化：化祿 …；…；化忌沖 亥（…）"
void AppendFour(std::string& out, const YearRowLayer& layer, const Words& w) {
    out.append(StemName(w.names(), layer.markStem)).append("干四化：");
    for (int k = 0; k < kYearRowTransformations; ++k) {
        if (k > 0) out += kListSeparator;
        AppendTransformation(out, layer, k, w);
    }
    out.append(kListSeparator).append("化忌沖 ");
    AppendOverlay(out, layer.jiClash, w);
}

void AppendFlowingStars(std::string& out, const YearRowLayer& layer, const Words& w) {
    bool first = true;
    for (const FlowingStar& star : layer.flowingStars) {
        if (!first) out += kListSeparator;
        first = false;
        out.append(star.name).append(" ").append(BranchName(w.names(), star.branch));
    }
}

// "年命 子（本福、大兄）；年兄 亥（…）；…"
void AppendYearPalaces(std::string& out, const YearRow& row, const Words& w) {
    for (int palace = 1; palace <= kBranches; ++palace) {
        const PalaceOverlay& o = row.yearPalaces[palace - 1];
        if (palace > 1) out += kListSeparator;
        out.append(w.palace(Words::Year, palace)).append(" ").append(BranchName(w.names(), o.branch)).append("（");
        out.append(w.palace(Words::Natal, o.natal)).append(kNameSeparator).append(w.palace(Words::Decade, o.decade));
        out.append("）");
    }
}

// "機月同梁、…": the year palace's patterns by name.
void AppendPatternNames(std::string& out, const YearRow& row) {
    for (std::size_t i = 0; i < row.patterns.size(); ++i) {
        if (i > 0) out += kNameSeparator;
        if (const reading::PatternRule* rule = reading::PatternNumbered(row.patterns[i])) out += rule->name;
    }
}

std::string AgesText(const YearRow& row) {
    return std::to_string(row.decadeFirstAge) + "–" + std::to_string(row.decadeLastAge);
}

int DecadeNatalPalace(const YearRow& row, const ChartState& chart) {
    return velmora::LayerPalaceOn(row.decade.focusBranch, chart.PalaceTable[1].branch, chart);
}

// A CSV field, quoted when it holds a comma or a quote.
void AppendCsvField(std::string& out, const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) out.append(c == '"' ? "\"\"" : std::string_view(&c, 1));
    out += '"';
}

}  // namespace

YearReportWords::YearReportWords(const NameList& names) : names_(names) {
    for (std::size_t naming = 0; naming < palaces_.size(); ++naming)
        for (int palace = 1; palace <= kBranches; ++palace)
            palaces_[naming][palace] = std::string(kNamingPrefix[naming]) + ShortPalaceName(names, palace);
}

const std::string& YearReportWords::palace(Naming naming, int palace) const {
    static const std::string none;
    if (palace < 1 || palace > kBranches) return none;
    return palaces_[naming][palace];
}

void AppendYearRowText(const YearRow& row, const ChartResult& natal, const YearReportWords& w, std::string& out) {
    const NameList& names = w.names();
    out.append(std::to_string(row.year)).append("年 ").append(PillarName(names, row.pillar)).append("（");
    out.append(DateText(row.shown)).append(" ").append(TurnWord(natal)).append("起）虛歲 ");
    out.append(std::to_string(row.nominalAge)).append("\n大限 ");
    const Pillar decade{static_cast<std::int16_t>(row.decadeStem), static_cast<std::int16_t>(row.decade.focusBranch)};
    out.append(PillarName(names, decade)).append("（").append(w.palace(Words::Natal, DecadeNatalPalace(row, natal.chart)));
    out.append("，虛歲 ").append(AgesText(row)).append("）");
    AppendFour(out, row.decade, w);
    out += "\n小限 ";
    AppendOverlay(out, row.minor.focus, w);
    out += "\n流年 ";
    AppendOverlay(out, row.annual.focus, w);
    AppendFour(out, row.annual, w);
    out += "\n流年十二宮：";
    AppendYearPalaces(out, row, w);
    out += "\n流曜：";
    AppendFlowingStars(out, row.annual, w);
    if (!row.patterns.empty()) {
        out += "\n流年格局：";
        AppendPatternNames(out, row);
    }
    out += "\n\n";
}

void AppendYearCsvHeader(std::string& out) {
    out += "year,turn,pillar,nominalAge,decadeBranch,decadeStem,decadePalace,decadeAges,decadeMarkStem,"
           "decadeLu,decadeQuan,decadeKe,decadeJi,decadeJiClash,minorBranch,minorPalace,"
           "annualBranch,annualPalace,annualDecadePalace,annualMarkStem,annualLu,annualQuan,annualKe,annualJi,"
           "annualJiClash,flowingStars,annualPatterns\r\n";
}

std::vector<std::string> YearRowFields(const YearRow& row, const ChartResult& natal, const YearReportWords& w) {
    const NameList& names = w.names();
    std::vector<std::string> fields{std::to_string(row.year), DateText(row.shown), PillarName(names, row.pillar),
                                    std::to_string(row.nominalAge), BranchName(names, row.decade.focusBranch),
                                    StemName(names, row.decadeStem), w.palace(Words::Natal, DecadeNatalPalace(row, natal.chart)),
                                    AgesText(row), StemName(names, row.decade.markStem)};
    const auto overlayField = [&w](const PalaceOverlay& o) {
        std::string field;
        AppendOverlay(field, o, w);
        return field;
    };
    const auto transformationFields = [&](const YearRowLayer& layer) {
        for (int k = 0; k < kYearRowTransformations; ++k) {
            fields.emplace_back();
            AppendTransformation(fields.back(), layer, k, w);
        }
        fields.push_back(overlayField(layer.jiClash));
    };
    transformationFields(row.decade);
    fields.insert(fields.end(), {BranchName(names, row.minor.focusBranch), w.palace(Words::Natal, row.minor.focus.natal),
                                 BranchName(names, row.annual.focusBranch), w.palace(Words::Natal, row.annual.focus.natal),
                                 w.palace(Words::Decade, row.annual.focus.decade), StemName(names, row.annual.markStem)});
    transformationFields(row.annual);
    fields.emplace_back();
    AppendFlowingStars(fields.back(), row.annual, w);
    fields.emplace_back();
    AppendPatternNames(fields.back(), row);
    return fields;
}

std::string YearPalacesText(const YearRow& row, const YearReportWords& w) {
    std::string text;
    AppendYearPalaces(text, row, w);
    return text;
}

void AppendYearRowCsv(const YearRow& row, const ChartResult& natal, const YearReportWords& w, std::string& out) {
    const std::vector<std::string> fields = YearRowFields(row, natal, w);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        AppendCsvField(out, fields[i]);
    }
    out += "\r\n";
}

}  // namespace velmora::tool
