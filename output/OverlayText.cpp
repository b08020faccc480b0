// The overlay as blocks of the --text chart: the first chart is 本盤, the
// second birth 對盤.

#include "output/ChartWords.h"
#include "output/ReadingText.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kIndent = "　　";
constexpr std::string_view kGap = "　";

std::string KindWords(const std::vector<int>& kinds) {
    std::string text;
    for (int k : kinds) text.append(text.empty() ? "" : " ").append("化").append(TransformationWord(k - 1));
    return text;
}

// "命宮 寅：對盤 夫妻"
void AppendPalaces(std::string& out, const reading::Overlay& overlay, const NameList& n) {
    out += "疊盤:\n";
    for (const reading::OverlayPalace& p : overlay.palaces) {
        out.append(kIndent).append(PalaceName(n, p.a)).append(" ").append(BranchName(n, p.branch));
        out.append("：對盤 ").append(PalaceName(n, p.b)).append("\n");
    }
}

// "化祿 廉貞 入 財帛 寅"
void AppendCross(std::string& out, std::string_view caption,
                 const std::array<reading::CrossTransformation, reading::kQuartet>& cross, const NameList& n) {
    out.append(caption);
    for (const reading::CrossTransformation& c : cross) {
        out.append(kIndent).append("化").append(TransformationWord(c.kind - 1)).append(" ").append(StarName(n, c.star));
        if (c.branch) out.append(" 入 ").append(PalaceName(n, c.palace)).append(" ").append(BranchName(n, c.branch));
        out += "\n";
    }
}

// "財帛 寅：本盤 化祿　對盤 化忌", `own` the chart's own, `other` the other's.
void AppendMeetings(std::string& out, std::string_view caption, const std::vector<reading::OverlayMeeting>& meetings,
                    std::string_view own, std::string_view other, const NameList& n) {
    out.append(caption);
    if (meetings.empty()) out.append(kIndent).append("無\n");
    for (const reading::OverlayMeeting& m : meetings) {
        out.append(kIndent).append(PalaceName(n, m.palace)).append(" ").append(BranchName(n, m.branch)).append("：");
        out.append(own).append(" ").append(KindWords(m.own)).append(kGap);
        out.append(other).append(" ").append(KindWords(m.other)).append("\n");
    }
}

}  // namespace

void AppendOverlayText(std::string& out, const reading::Overlay& overlay, const NameList& names) {
    out += "\n";
    AppendPalaces(out, overlay, names);
    AppendCross(out, "本盤四化入對盤:\n", overlay.aInB, names);
    AppendCross(out, "對盤四化入本盤:\n", overlay.bInA, names);
    AppendMeetings(out, "本盤交會:\n", overlay.meetInA, "本盤", "對盤", names);
    AppendMeetings(out, "對盤交會:\n", overlay.meetInB, "對盤", "本盤", names);
}

}  // namespace velmora::tool
