#include "output/ReadingText.h"

#include "output/ChartWords.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kIndent = "　　";
constexpr std::string_view kGap = "　";

std::string BranchList(const NameList& n, std::initializer_list<int> branches) {
    std::string text;
    for (int b : branches) text += (text.empty() ? "" : " ") + BranchName(n, b);
    return text;
}

// "命宮 寅：對宮 申　三方 午 戌　夾 丑 卯　暗合 亥　借 紫微 天府"
void AppendRelations(std::string& out, const ChartResult& r, const NameList& n) {
    out += "關係:\n";
    for (int palace = 1; palace <= kBranches; ++palace) {
        const reading::PalaceRelations& rel = (*r.reading.relations)[palace - 1];
        out.append(kIndent).append(PalaceName(n, palace)).append(" ").append(BranchName(n, rel.branch));
        out += "：對宮 " + BranchName(n, rel.opposite);
        out.append(kGap).append("三方 ").append(BranchList(n, {rel.trine[0], rel.trine[1]}));
        out.append(kGap).append("夾 ").append(BranchList(n, {rel.flanks[0], rel.flanks[1]}));
        out.append(kGap).append("暗合 ").append(BranchName(n, rel.hidden));
        if (!rel.borrowed.empty()) {
            out.append(kGap).append("借");
            for (int s : rel.borrowed) out += " " + StarName(n, s);
        }
        out += "\n";
    }
}

// "紫府同宮（吉格）寅：紫微 天府", the variant after the group when it is not
// the strict one, "（流曜）" when the flowing stars make it, "破格" when broken.
void AppendPattern(std::string& out, const reading::FoundPattern& p, bool flowing, const NameList& n) {
    out.append(kIndent).append(p.rule->name).append("（").append(p.rule->group);
    if (p.rule->variant != "strict") out.append("，").append(p.rule->variant);
    out.append("）").append(BranchName(n, p.palace)).append("：");
    for (int i = 0; i < p.stars.count; ++i) out += (i > 0 ? " " : "") + StarName(n, p.stars.list[i]);
    if (flowing) out += "（流曜）";
    if (p.broken) out.append(kGap).append("破格");
    out += "\n";
}

}  // namespace

void AppendReadingText(std::string& out, const ChartResult& result, const NameList& names) {
    const ChartReading& reading = result.reading;
    if (reading.relations) {
        out += "\n";
        AppendRelations(out, result, names);
    }
    if (reading.patterns) {
        out += "\n格局:\n";
        if (reading.patterns->empty()) out.append(kIndent).append("無\n");
        for (const reading::FoundPattern& p : *reading.patterns) AppendPattern(out, p, false, names);
    }
    if (reading.layerPatterns && result.layer) {
        out.append("\n").append(LayerName(result.layer->index)).append("格局:\n");
        if (reading.layerPatterns->empty()) out.append(kIndent).append("無\n");
        for (const LayerPattern& p : *reading.layerPatterns) AppendPattern(out, p.found, p.flowing, names);
    }
    if (reading.overlay) AppendOverlayText(out, *reading.overlay, names);
}

}  // namespace velmora::tool
