#include "output/ChartWords.h"

#include <array>

namespace velmora::tool {

namespace {

constexpr std::array<std::string_view, 7> kLayerNames = {"本命", "大限", "小限", "流年", "流月", "流日", "流時"};
constexpr std::array<std::string_view, 4> kTransformationWords = {"祿", "權", "科", "忌"};

const std::string& Empty() {
    static const std::string kEmpty;
    return kEmpty;
}

}  // namespace

std::string PillarName(const NameList& names, const Pillar& pillar) {
    return StemName(names, pillar.stem) + BranchName(names, pillar.branch);
}

const std::string& LevelWord(const BrightnessTable& brightness, int level) {
    if (level < 1 || level > kLevelCount) return Empty();
    return brightness.LevelNames[level];
}

std::string_view LayerName(int layer) {
    if (layer < 0 || layer >= static_cast<int>(kLayerNames.size())) return {};
    return kLayerNames[layer];
}

std::string_view GenderWord(int gender) { return gender != 0 ? "男" : "女"; }
std::string_view YinYangWord(int yinYang) { return yinYang == 1 ? "陽" : "陰"; }

std::string_view TransformationWord(int k) {
    if (k < 0 || k >= static_cast<int>(kTransformationWords.size())) return {};
    return kTransformationWords[k];
}

}  // namespace velmora::tool
