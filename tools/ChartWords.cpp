#include "tools/ChartWords.h"

#include <array>

namespace velmora::tool {

namespace {

// Name-list lines.
constexpr int kStemLine = 1;
constexpr int kBranchLine = 2;
constexpr int kPalaceLine = 3;
constexpr int kBureauLine = 4;

// Star groups: first star, last star, the name-list line naming them.
struct StarGroup {
    int first;
    int last;
    int line;
};
constexpr std::array<StarGroup, 6> kStarGroups = {{
    {1, 28, 5}, {29, 53, 6}, {54, 65, 7}, {66, 67, 8}, {68, 79, 9}, {80, 91, 10},
}};

constexpr std::array<std::string_view, 7> kLayerNames = {"本命", "大限", "小限", "流年", "流月", "流日", "流時"};
constexpr std::array<std::string_view, 4> kTransformationWords = {"祿", "權", "科", "忌"};

const std::string& Empty() {
    static const std::string kEmpty;
    return kEmpty;
}

}  // namespace

const std::string& StemName(const NameList& names, int stem) { return names.at(kStemLine, stem); }
const std::string& BranchName(const NameList& names, int branch) { return names.at(kBranchLine, branch); }
const std::string& PalaceName(const NameList& names, int palace) { return names.at(kPalaceLine, palace); }
const std::string& BureauName(const NameList& names, int bureauIndex) { return names.at(kBureauLine, bureauIndex); }

const std::string& StarName(const NameList& names, int star) {
    for (const StarGroup& group : kStarGroups)
        if (star >= group.first && star <= group.last) return names.at(group.line, star - group.first + 1);
    return Empty();
}

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
