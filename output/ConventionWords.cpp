#include "output/ConventionWords.h"

#include <array>

namespace velmora::tool {

namespace {

// Columns: switch short name, then one line per value (default first). Rows in key order.
struct SwitchWords {
    std::string_view name;
    std::array<std::string_view, kMaxConventionValues> values;
};
constexpr std::array<SwitchWords, kConventionCount> kWords = {{
    {"立春換年", {"年干支從農曆正月初一換", "年干支從立春換：宮干、五行局、年系諸星、命身主、生年四化皆隨之"}},
    {"晚子時", {"晚子時（23 時後）算作次日", "晚子時算作當日，與早子時同盤"}},
    {"閏月出生", {"閏月十五日起算下月（只用於命宮）", "閏月十六日起算下月", "閏月一律算本月", "閏月整月算下月"}},
    {"閏月範圍", {"閏月換月只用於命宮", "閏月換月也用於身宮、左輔右弼、天刑天姚、陰煞、三台八座、斗君"}},
    {"命主", {"命主依生年地支", "命主依命宮地支"}},
    {"午年身主", {"午年身主為鈴星", "午年身主為火星"}},
    {"旬空", {"旬空兩宮都安", "旬空依年支陰陽只安一宮"}},
    {"截空", {"截空兩宮都安", "截空依年干陰陽只安一宮"}},
    {"天傷天使", {"天傷在交友、天使在疾厄", "陰陽與性別不合時天傷天使互換"}},
    {"虛歲", {"虛歲逢農曆新年加一", "歲數逢農曆生日加一"}},
    {"流年換年", {"流年從農曆正月初一換", "流年從立春換：流年宮、四化、流星、斗君皆隨之"}},
    {"童限", {"初運之前沿用大限推法", "初運之前行童限：一命、二財、三疾、四夫、五福"}},
    {"運限四化", {"大限用生年干，流月用年干，流時用日干", "大限、小限用宮干，流月用月干，流時用時干"}},
    {"流月閏月", {"閏月自佔一月", "閏月十六日起算下月", "閏月全月算本月"}},
}};

// Columns: the values' short names as practitioners say them (default first). Rows in key order.
constexpr std::array<std::array<std::string_view, kMaxConventionValues>, kConventionCount> kValueNames = {{
    {"以正月初一換年", "以立春換年"},
    {"晚子時算次日", "晚子時算當日"},
    {"閏月十五日起算下月", "閏月十六日起算下月", "閏月算本月", "閏月算下月"},
    {"只用於命宮", "全盤皆用"},
    {"依生年地支", "依命宮地支"},
    {"鈴星", "火星"},
    {"兩宮都安", "依年支陰陽安一宮"},
    {"兩宮都安", "依年干陰陽安一宮"},
    {"天傷天使不換", "陰陽不合時互換"},
    {"逢農曆新年加一", "逢農曆生日加一"},
    {"以正月初一換年", "以立春換年"},
    {"初運前沿用大限", "初運前行童限"},
    {"依生年干", "依宮干"},
    {"閏月自佔一月", "閏月十六日起算下月", "閏月全月算本月"},
}};

// What the default profile is called where people read it.
constexpr std::string_view kDefaultProfileWord = "預設";

// "全書派改 2 項": a profile with switches set apart from it.
constexpr std::string_view kChangedOpen = "改 ";
constexpr std::string_view kChangedClose = " 項";
constexpr std::array<std::string_view, 13> kBranchWords = {"", "子", "丑", "寅", "卯", "辰", "巳",
                                                           "午", "未", "申", "酉", "戌", "亥"};
// By bureau index 1..5.
constexpr std::array<std::string_view, 6> kBureauWords = {"", "木三局", "火六局", "土五局", "金四局", "水二局"};
constexpr std::string_view kZiWeiField = "star1";

std::string_view BranchWord(int branch) { return branch >= 1 && branch <= 12 ? kBranchWords[branch] : "無"; }
std::string_view BureauWord(int index) { return index >= 1 && index <= 5 ? kBureauWords[index] : "?"; }

std::string Arrow(std::string_view before, std::string_view after) {
    return std::string(before) + "→" + std::string(after);
}

// The words of the fields people look at first; stars counted, the rest named by count.
struct Tally {
    std::string parts;
    int movedStars = 0;
    bool ziWeiMoved = false;
    int otherFields = 0;
    void add(std::string_view words) {
        if (!parts.empty()) parts += "，";
        parts += words;
    }
};

// "命主 貪狼→祿存": a field holding one star (or stem), named as the board names it.
std::string NamedArrow(std::string_view word, const std::string& before, const std::string& after) {
    return std::string(word) + " " + Arrow(before.empty() ? "無" : before, after.empty() ? "無" : after);
}

// "生年化祿 太陽→武曲" for each of 祿 權 科 忌 whose star differs.
constexpr std::array<std::string_view, 4> kTransformationWords = {"生年化祿", "生年化權", "生年化科", "生年化忌"};
void NoteTransformations(const FieldChange& c, const NameList& names, Tally& t) {
    for (std::size_t i = 0; i < kTransformationWords.size() && i < c.active.count; ++i) {
        const int before = c.active.numbers[i];
        const int after = c.other.numbers[i];
        if (before != after) t.add(NamedArrow(kTransformationWords[i], StarName(names, before), StarName(names, after)));
    }
}

void Note(const FieldChange& c, const NameList& names, Tally& t) {
    const std::string_view f = c.field;
    const int before = c.active.numbers[0];
    const int after = c.other.numbers[0];
    if (f == "palace1") t.add("命宮 " + Arrow(BranchWord(c.active.numbers[1]), BranchWord(c.other.numbers[1])));
    else if (f == "palace13") t.add("身宮 " + Arrow(BranchWord(c.active.numbers[1]), BranchWord(c.other.numbers[1])));
    else if (f == "bureauIndex") t.add("五行局 " + Arrow(BureauWord(c.active.numbers[0]), BureauWord(c.other.numbers[0])));
    else if (f == "layer.nominalAge") t.add("歲數 " + std::to_string(c.active.numbers[0]) + "→" + std::to_string(c.other.numbers[0]));
    else if (f == "layer.focusBranch") t.add("運限宮 " + Arrow(BranchWord(c.active.numbers[0]), BranchWord(c.other.numbers[0])));
    else if (f == "layer.markStem") t.add(NamedArrow("四化", StemName(names, before), StemName(names, after)));
    else if (f == "lifeMaster") t.add(NamedArrow("命主", StarName(names, before), StarName(names, after)));
    else if (f == "bodyMaster") t.add(NamedArrow("身主", StarName(names, before), StarName(names, after)));
    else if (f == "transformations") NoteTransformations(c, names, t);
    else if (f == "douJunBranch") t.add("斗君 " + Arrow(BranchWord(c.active.numbers[0]), BranchWord(c.other.numbers[0])));
    else if (f.starts_with("star") && c.active.numbers[0] != c.other.numbers[0]) {
        ++t.movedStars;
        t.ziWeiMoved = t.ziWeiMoved || f == kZiWeiField;
    } else if (!f.starts_with("star")) {
        ++t.otherFields;
    }
}

}  // namespace

std::string_view SwitchWord(ConventionKey key) { return kWords[static_cast<int>(key)].name; }

std::string_view ValueWord(ConventionKey key, int value) {
    return value >= 0 && value < kMaxConventionValues ? kWords[static_cast<int>(key)].values[value] : "";
}

std::string_view ValueName(ConventionKey key, int value) {
    return value >= 0 && value < kMaxConventionValues ? kValueNames[static_cast<int>(key)][value] : "";
}

std::string_view ProfileWord(std::string_view profile) {
    return profile == kDefaultProfileName ? kDefaultProfileWord : profile;
}

std::string SchoolCaption(const Conventions& conventions) {
    if (conventions.isDefault()) return {};
    // The profile the conventions differ least from, and by how many switches.
    std::string_view nearest;
    int fewest = kConventionCount + 1;
    for (const ConventionProfile& profile : ConventionProfiles()) {
        int differing = 0;
        for (int k = 0; k < kConventionCount; ++k) differing += profile.conventions.choices[k] != conventions.choices[k];
        if (differing < fewest) {
            fewest = differing;
            nearest = profile.name;
        }
    }
    if (fewest == 0) return std::string(nearest);
    return std::string(nearest) + std::string(kChangedOpen) + std::to_string(fewest) + std::string(kChangedClose);
}

std::string DifferenceWords(const ConventionDifference& difference, const NameList& names) {
    if (difference.changes.empty()) return {};
    Tally t;
    for (const FieldChange& change : difference.changes) Note(change, names, t);
    if (t.movedStars > 0) t.add(std::string(t.ziWeiMoved ? "紫微等 " : "") + std::to_string(t.movedStars) + " 星移宮");
    if (t.parts.empty()) t.add("其他 " + std::to_string(difference.changes.size()) + " 項改變");
    return std::string(SwitchWord(difference.key)) + "（" + std::string(ValueName(difference.key, difference.value)) + "）：" + t.parts;
}

}  // namespace velmora::tool
