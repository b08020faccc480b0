#include "ui/reading/SelfTransformationMarks.h"

#include <array>

#include "output/ChartWords.h"
#include "reading/LayerFlying.h"
#include "ui/board/BoardLabels.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

const QString kOutwardArrow = QStringLiteral("↓");
const QString kInwardArrow = QStringLiteral("↑");
// By layer index 0 本命 .. 6 流時: the character a layer's marks start with.
const std::array<QString, 7> kLayerMarks{QString(), QStringLiteral("大"), QStringLiteral("小"), QStringLiteral("年"),
                                         QStringLiteral("月"), QStringLiteral("日"), QStringLiteral("時")};

QString LayerWord(int layer) {
    const std::string_view name = tool::LayerName(layer);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void Append(std::vector<SelfKind>& kinds, const SelfTransformations& split, int layer) {
    for (const SelfTransformation& s : split.outward) kinds.push_back({s.branch, s.star, s.kind, false, layer});
    for (const SelfTransformation& s : split.inward) kinds.push_back({s.branch, s.star, s.kind, true, layer});
}

}  // namespace

std::vector<SelfKind> SelfKindsShown(const Session& s) {
    std::vector<SelfKind> kinds;
    const BranchStems natal = NatalPalaceStems(s.chart);
    const int lifeBranch = s.chart.PalaceTable[1].branch;
    Append(kinds, SplitSelfTransformations(LayerFlights(lifeBranch, natal, s.chart, s.transformations)), 0);
    if (s.LayerIndex <= 0 || s.FocusBranch <= 0) return kinds;
    const BranchStems layer = LayerPalaceStems(s.LayerIndex, s.chart, s.calendar, s.conventions);
    if (layer == natal) return kinds;  // the same stems transform the same stars
    Append(kinds, SplitSelfTransformations(LayerFlights(s.FocusBranch, layer, s.chart, s.transformations)),
           s.LayerIndex);
    return kinds;
}

QString SelfKindCaption(const SelfKind& self) {
    const QString layer = self.layer > 0 && self.layer < static_cast<int>(kLayerMarks.size())
                              ? kLayerMarks[static_cast<std::size_t>(self.layer)]
                              : QString();
    return layer + (self.inward ? kInwardArrow : kOutwardArrow) + board::MarkCaption(self.kind - 1);
}

QString SelfKindName(const SelfKind& self) {
    return LayerWord(self.layer) + (self.inward ? QStringLiteral("向心自化 化") : QStringLiteral("離心自化 化")) +
           board::MarkCaption(self.kind - 1);
}

QString SelfKindLegend() {
    return QStringLiteral("↓ 離心自化：本宮宮干化本宮之星\n↑ 向心自化：對宮宮干化入本宮之星\n"
                          "年↓、年↑ 等：所顯示運限之宮干所化");
}

}  // namespace velmora
