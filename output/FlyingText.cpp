// The text of --flying beside the natal flights: the 自化 of each kind, and
// the shown layer's flights with its palaces named from its own life palace
// (大命, 大兄 .. for the decade, 年命 .. for the year).

#include <array>

#include "output/ChartText.h"
#include "output/ChartWords.h"
#include "output/Timeline.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kIndent = "　　";
constexpr std::string_view kSeparator = "；";
// By layer 0..6: the first character a layer's palace names take.
constexpr std::array<std::string_view, 7> kLayerPalacePrefix = {"", "大", "小", "年", "月", "日", "時"};

// The name of the palace on `branch` in a layer whose life palace is `lifeBranch`.
std::string LayerPalaceName(int layerIndex, int branch, int lifeBranch, const ChartState& chart, const NameList& names) {
    return LayerPalaceWord(layerIndex, velmora::LayerPalaceOn(branch, lifeBranch, chart), names);
}

// "離心 命宮 化權 天機；… 向心 財帛 化忌 廉貞（福德干）；…", empty when there is none.
std::string SelfText(const SelfTransformations& self, int layerIndex, int lifeBranch, const ChartState& chart,
                     const NameList& names) {
    const std::string label = layerIndex == 0 ? "" : std::string(LayerName(layerIndex));
    const auto entry = [&](const SelfTransformation& s) {
        return LayerPalaceName(layerIndex, s.branch, lifeBranch, chart, names) + " 化" +
               std::string(TransformationWord(s.kind - 1)) + " " + StarName(names, s.star);
    };
    std::string outward, inward;
    for (const SelfTransformation& s : self.outward) outward += (outward.empty() ? "" : std::string(kSeparator)) + entry(s);
    for (const SelfTransformation& s : self.inward)
        inward += (inward.empty() ? "" : std::string(kSeparator)) + entry(s) + "（" +
                  LayerPalaceName(layerIndex, s.by, lifeBranch, chart, names) + "干）";
    return label + "離心自化: " + (outward.empty() ? "無" : outward) + "\n" + label + "向心自化: " +
           (inward.empty() ? "無" : inward) + "\n";
}

// One line a palace of the layer: "大命（丁）化祿 太陰 入 大福；…".
void AppendLayerFlights(std::string& out, const LayerFlyingResult& layer, const ChartState& chart, const NameList& n) {
    out += std::string(LayerName(layer.index)) + "飛化:\n";
    std::string line;
    int palace = 0;
    for (const LayerFlight& f : layer.flights) {
        if (f.palace != palace) {
            if (!line.empty()) out.append(kIndent).append(line).append("\n");
            palace = f.palace;
            line = LayerPalaceName(layer.index, f.from, layer.focusBranch, chart, n) + "（" + StemName(n, f.stem) + "）";
        } else {
            line += kSeparator;
        }
        line += "化" + std::string(TransformationWord(f.kind - 1)) + " " + StarName(n, f.star) + " 入 " +
                LayerPalaceName(layer.index, f.to, layer.focusBranch, chart, n);
    }
    if (!line.empty()) out.append(kIndent).append(line).append("\n");
}

}  // namespace

std::string LayerPalaceWord(int layerIndex, int palace, const NameList& names) {
    if (layerIndex <= 0 || layerIndex >= static_cast<int>(kLayerPalacePrefix.size())) return PalaceName(names, palace);
    return std::string(kLayerPalacePrefix[static_cast<std::size_t>(layerIndex)]) + ShortPalaceName(names, palace);
}

std::string FlyingReadingText(const FlyingReading& reading, const ChartResult& r, const NameList& names) {
    const ChartState& chart = r.chart;
    std::string out = SelfText(reading.natalSelf, 0, chart.PalaceTable[1].branch, chart, names);
    if (!reading.layer || reading.layer->index == 0) return out;
    const LayerFlyingResult& layer = *reading.layer;
    out += "\n";
    AppendLayerFlights(out, layer, chart, names);
    out += SelfText(layer.self, layer.index, layer.focusBranch, chart, names);
    return out;
}

}  // namespace velmora::tool
