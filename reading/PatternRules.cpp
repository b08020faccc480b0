// The pattern table. Each rule reads the palace L = board.focus; "at x" is a
// star standing on branch x. Quotations from 紫微斗數全書 were checked against
// a public transcription of the book, not a printed copy (see README.md).

#include "reading/Patterns.h"

namespace velmora::reading {

namespace {

using namespace star;

constexpr int kZi = 1, kYin = 3, kMao = 4, kWu = 7, kWei = 8, kShen = 9, kHai = 12;  // 子 寅 卯 午 未 申 亥
constexpr int kLu = 0, kQuan = 1, kKe = 2, kJi = 3;                         // T[祿] T[權] T[科] T[忌]

// All of `stars` stand in `branches`; they are noted as found.
template <std::size_t N>
bool AllIn(const PatternBoard& b, const int (&stars)[N], BranchMask branches, PatternStars& found) {
    for (int s : stars)
        if (!b.starIn(s, branches)) return false;
    for (int s : stars) found.add(s);
    return true;
}

template <std::size_t N>
bool AllAtFocus(const PatternBoard& b, const int (&stars)[N], PatternStars& found) {
    return AllIn(b, stars, BranchBit(b.focus), found);
}

// `first` and `second` on the two flanks of L, one on each.
bool Flanked(const PatternBoard& b, int first, int second, PatternStars& found) {
    const int before = b.focus - 1, after = b.focus + 1;
    const bool flanked = (b.starAt(first, before) && b.starAt(second, after)) ||
                         (b.starAt(first, after) && b.starAt(second, before));
    if (flanked) {
        found.add(first);
        found.add(second);
    }
    return flanked;
}

// The transformed stars T[k] for each k in `kinds`, all in `branches`.
template <std::size_t N>
bool TransformedIn(const PatternBoard& b, const int (&kinds)[N], BranchMask branches, PatternStars& found) {
    for (int k : kinds)
        if (!b.transformedIn(k, branches)) return false;
    for (int k : kinds) found.add(b.transformed[k]);
    return true;
}

bool NoMajorAt(const PatternBoard& b, int branch) {
    for (int s = 1; s <= kLastMajor; ++s)
        if (b.starAt(s, branch)) return false;
    return true;
}

bool ZiFu(const PatternBoard& b, PatternStars& f) { return AllAtFocus(b, {kZiWei, kTianFu}, f); }
bool JiYueTongLiang(const PatternBoard& b, PatternStars& f) {
    return AllIn(b, {kTianJi, kTaiYin, kTianTong, kTianLiang}, FourSquareMask(b.focus), f);
}
bool ShaPoLang(const PatternBoard& b, PatternStars& f) {
    for (int s : {kQiSha, kPoJun, kTanLang})
        if (b.starAt(s, b.focus)) f.add(s);
    return f.count > 0;
}
bool ChangQuFlank(const PatternBoard& b, PatternStars& f) { return Flanked(b, kWenChang, kWenQu, f); }
bool ZuoYouFlank(const PatternBoard& b, PatternStars& f) { return Flanked(b, kZuoFu, kYouBi, f); }
bool KongJieFlank(const PatternBoard& b, PatternStars& f) { return Flanked(b, kDiKong, kDiJie, f); }
bool HuoLingFlank(const PatternBoard& b, PatternStars& f) { return Flanked(b, kHuoXing, kLingXing, f); }
bool YangTuoFlankJi(const PatternBoard& b, PatternStars& f) {
    return Flanked(b, kQingYang, kTuoLuo, f) && TransformedIn(b, {kJi}, BranchBit(b.focus), f);
}
bool SanQi(const PatternBoard& b, PatternStars& f) {
    return TransformedIn(b, {kLu, kQuan, kKe}, FourSquareMask(b.focus), f);
}
bool ShuangLu(const PatternBoard& b, PatternStars& f) {
    const BranchMask square = FourSquareMask(b.focus);
    return AllIn(b, {kLuCun}, square, f) && TransformedIn(b, {kLu}, square, f);
}
bool LuMa(const PatternBoard& b, PatternStars& f) {
    for (int offset : {0, 4, 6, 8}) {
        const BranchMask palace = BranchBit(b.focus + offset);
        if (!b.starIn(kTianMa, palace)) continue;
        if (b.starIn(kLuCun, palace)) return AllIn(b, {kTianMa, kLuCun}, palace, f);
        if (b.transformedIn(kLu, palace)) return AllIn(b, {kTianMa}, palace, f) && TransformedIn(b, {kLu}, palace, f);
    }
    return false;
}
bool HuoTan(const PatternBoard& b, PatternStars& f) { return AllAtFocus(b, {kTanLang, kHuoXing}, f); }
bool LingTan(const PatternBoard& b, PatternStars& f) { return AllAtFocus(b, {kTanLang, kLingXing}, f); }
bool XingQiu(const PatternBoard& b, PatternStars& f) { return AllAtFocus(b, {kLianZhen, kTianXiang, kQingYang}, f); }
bool XingQiuTianXing(const PatternBoard& b, PatternStars& f) { return AllAtFocus(b, {kTianXing, kLianZhen}, f); }
bool MaTou(const PatternBoard& b, PatternStars& f) { return b.focus == kWu && AllAtFocus(b, {kQingYang}, f); }
bool MaTouHorse(const PatternBoard& b, PatternStars& f) { return AllAtFocus(b, {kTianMa, kQingYang}, f); }
bool MingZhu(const PatternBoard& b, PatternStars& f) {
    if (b.focus != kWei || !NoMajorAt(b, kWei)) return false;
    return AllIn(b, {kTaiYang}, BranchBit(kMao), f) && AllIn(b, {kTaiYin}, BranchBit(kHai), f);
}
bool RiZhao(const PatternBoard& b, PatternStars& f) { return b.focus == kMao && AllAtFocus(b, {kTaiYang}, f); }
bool YueLang(const PatternBoard& b, PatternStars& f) { return b.focus == kHai && AllAtFocus(b, {kTaiYin}, f); }
bool YingXing(const PatternBoard& b, PatternStars& f) {
    return (b.focus == kZi || b.focus == kWu) && AllAtFocus(b, {kPoJun}, f);
}
bool RiYue(const PatternBoard& b, PatternStars& f) { return AllAtFocus(b, {kTaiYang, kTaiYin}, f); }
bool JinCan(const PatternBoard& b, PatternStars& f) {
    if (b.focus != kWu || !b.starAt(kTaiYang, kWu)) return false;
    for (int s = 1; s <= kLastMajor; ++s)
        if (s != kTaiYang && b.starAt(s, kWu)) return false;  // 單守: the sun alone
    return AllAtFocus(b, {kTaiYang}, f);
}
bool RiYueJiaCai(const PatternBoard& b, PatternStars& f) {
    return AllAtFocus(b, {kWuQu}, f) && Flanked(b, kTaiYang, kTaiYin, f);
}
bool WuQuShouYuan(const PatternBoard& b, PatternStars& f) { return b.focus == kMao && AllAtFocus(b, {kWuQu}, f); }
bool JuJiMao(const PatternBoard& b, PatternStars& f) { return b.focus == kMao && AllAtFocus(b, {kTianJi, kJuMen}, f); }
bool QiShaChaoDou(const PatternBoard& b, PatternStars& f) {
    const bool corner = b.focus == kZi || b.focus == kYin || b.focus == kWu || b.focus == kShen;
    return corner && AllAtFocus(b, {kQiSha}, f);
}
// 祿存 on L and T[祿] on its 暗合 partner, or the other way round.
bool MingLuAnLu(const PatternBoard& b, PatternStars& f) {
    const BranchMask own = BranchBit(b.focus), hidden = BranchBit(HiddenPartner(b.focus));
    if (b.starIn(kLuCun, own) && b.transformedIn(kLu, hidden))
        return AllIn(b, {kLuCun}, own, f) && TransformedIn(b, {kLu}, hidden, f);
    return b.transformedIn(kLu, own) && b.starIn(kLuCun, hidden) && TransformedIn(b, {kLu}, own, f) &&
           AllIn(b, {kLuCun}, hidden, f);
}

// 卷三: 機月同梁 "兇殺空劫化忌為下格": a 煞 (羊 陀 火 鈴), 空 劫 or T[忌] in 四正(L).
bool JiYueBroken(const PatternBoard& b) {
    const BranchMask square = FourSquareMask(b.focus);
    for (int s : {kQingYang, kTuoLuo, kHuoXing, kLingXing, kDiKong, kDiJie})
        if (b.starIn(s, square)) return true;
    return b.transformedIn(kJi, square);
}
// 卷三: 祿馬 "忌見殺羊火截路空亡": 七殺 擎羊 火星 截路 or 空亡 in 四正(L).
bool LuMaBroken(const PatternBoard& b) {
    const BranchMask square = FourSquareMask(b.focus);
    for (int s : {kQiSha, kQingYang, kHuoXing, kJieLu, kKongWang})
        if (b.starIn(s, square)) return true;
    return false;
}

constexpr std::string_view kStrict = "strict";
constexpr std::string_view kHorseNever = "天馬 stands only on 寅申巳亥 and 擎羊 (祿存 + 1) never does";

// Columns: name, group, variant, source, predicate, what breaks it, why it never holds.
constexpr PatternRule kRules[] = {
    {"紫府同宮", "吉格", kStrict, "全書 卷一 骨髓賦：「七殺朝鬥爵祿榮昌，紫府同宮終身福厚」", ZiFu, nullptr, {}},
    {"機月同梁", "星系", kStrict,
     "全書 卷一 骨髓賦：「七殺破軍宜出外，機月同梁作吏人」；卷三 論諸星同垣各司所宜分別富貴貧賤夭壽："
     "「機月同梁作吏人…兇殺空劫化忌為下格」",
     JiYueTongLiang, JiYueBroken, {}},
    {"殺破狼", "星系", kStrict, "全書 卷二（限）：「紫微入限本為祥，只恐三方殺破狼」；格名為今人所立（二手）", ShaPoLang,
     nullptr, {}},
    {"昌曲夾命", "吉格", kStrict,
     "全書 卷三 論諸星同垣各司所宜分別富貴貧賤夭壽：「昌曲夾命最為奇」；卷一 骨髓賦：「夾昌夾曲主貴兮」", ChangQuFlank,
     nullptr, {}},
    {"左右夾命", "吉格", kStrict, "全書 卷三 論諸星同垣各司所宜分別富貴貧賤夭壽：「左右夾命為貴格」", ZuoYouFlank,
     nullptr, {}},
    {"空劫夾命", "凶格", kStrict,
     "全書 卷三 論諸星同垣各司所宜分別富貴貧賤夭壽：「劫空夾命為敗局」；卷一 骨髓賦：「夾空夾劫主貧賤」", KongJieFlank,
     nullptr, {}},
    {"火鈴夾命", "凶格", kStrict, "全書 卷三 論諸星同垣各司所宜分別富貴貧賤夭壽：「火鈴夾命為敗局」", HuoLingFlank,
     nullptr, {}},
    {"羊陀夾忌", "凶格", kStrict,
     "全書 卷三 論諸星同垣各司所宜分別富貴貧賤夭壽：「羊陀夾忌為敗局」；卷一 骨髓賦：「夾羊夾陀為乞丐」",
     YangTuoFlankJi, nullptr, {}},
    {"三奇嘉會", "貴", kStrict, "全書 卷一 定貴局：「科權祿拱 命三方四正見科權祿」（三奇嘉會為今名）", SanQi, nullptr,
     {}},
    {"雙祿朝垣", "吉格", kStrict, "今人格局書（二手）；全書 卷三 只見「雙祿重返終身富貴」", ShuangLu, nullptr, {}},
    {"祿馬交馳", "吉格", kStrict,
     "全書 卷一 太微賦：「祿馬最喜交馳」；卷三 論諸星同垣各司所宜分別富貴貧賤夭壽：「祿馬最喜交馳 "
     "忌見殺羊火截路空亡」",
     LuMa, LuMaBroken, {}},
    {"火貪格", "貴", kStrict, "全書 卷一 定貴局：「貪火相逢 謂二星守命同居廟旺是也」", HuoTan, nullptr, {}},
    {"鈴貪格", "吉格", kStrict, "全書 卷一 骨髓賦：「巨機同宮公卿之位，貪鈴並守將相之名」", LingTan, nullptr, {}},
    {"刑囚夾印", "貴", kStrict, "全書 卷一 太微賦：「刑囚夾印，刑杖惟司」；定貴局亦列", XingQiu, nullptr, {}},
    {"馬頭帶箭", "貴", kStrict, "全書 卷一 太微賦：「馬頭帶劍，鎮衛邊疆」；定貴局亦列「馬頭帶劍」；擎羊居午之讀法為今人所取（二手）", MaTou,
     nullptr, {}},
    {"明珠出海", "貴", kStrict, "全書 卷一 定貴局：「明珠出海」；骨髓賦：「三合明珠生旺地穩步蟾宮」", MingZhu, nullptr,
     {}},
    {"日照雷門", "貴", kStrict, "全書 卷一 骨髓賦：「日照雷門富貴榮華」；定貴局：「日出扶桑 日在卯守命是也」", RiZhao,
     nullptr, {}},
    {"月朗天門", "貴", kStrict, "全書 卷一 定貴局：「月落亥宮 月在亥守命是也，又名月朗天門」", YueLang, nullptr, {}},
    {"英星入廟", "吉格", kStrict, "今人格局書（二手）；全書 卷一 未見", YingXing, nullptr, {}},
    {"日月同宮", "貴", kStrict, "全書 卷一 定貴局：「日月同臨 日月同宮」；骨髓賦：「日月同臨官居侯伯」", RiYue, nullptr,
     {}},
    {"金燦光輝", "富", kStrict, "全書 卷一 定富局：「金燦光輝 太陽單守，命在午宮是也」", JinCan, nullptr, {}},
    {"日月夾財", "富", kStrict, "全書 卷一 定富局：「日月夾財 武守命日月來夾是也」（讀在命宮）", RiYueJiaCai, nullptr,
     {}},
    {"七殺朝鬥", "貴", kStrict, "全書 卷一 定貴局：「七殺朝鬥 寅申子午一生爵祿榮昌」", QiShaChaoDou, nullptr, {}},
    {"武曲守垣", "貴", kStrict, "全書 卷一 定貴局：「武曲守垣 武守命卯宮是也」", WuQuShouYuan, nullptr, {}},
    {"巨機居卯", "貴", kStrict, "全書 卷一 定貴局：「巨機居卯」", JuJiMao, nullptr, {}},
    {"明祿暗祿", "貴", kStrict, "全書 卷一 定貴局：「明祿暗祿」（祿存、化祿一在命宮一在其暗合宮）", MingLuAnLu, nullptr,
     {}},
    {"刑囚夾印", "貴", "天刑", "全書 卷一 定貴局：「刑囚夾印 天刑廉貞同臨身命主武勇之人」（讀在命宮）", XingQiuTianXing,
     nullptr, {}},
    {"馬頭帶箭", "貴", "馬刃", "全書 卷一 定貴局：「馬頭帶劍 謂馬有刃是也不是居午格」", MaTouHorse, nullptr,
     kHorseNever},
};

}  // namespace

std::span<const PatternRule> PatternRules() { return kRules; }

}  // namespace velmora::reading
