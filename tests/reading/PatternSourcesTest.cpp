// The pattern table against the publication it cites. The four lists of
// 紫微斗數全書 卷一 (定富局 定貴局 定貧賤局 定雜局) are written out here from the
// book's text, entry names only, independently of the table; each row must
// stand in the list of its group and quote its section.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "reading/Patterns.h"

namespace velmora::reading {
namespace {

// 卷一 定富局, 定貴局, 定貧賤局, 定雜局: their entries in the book's order.
const std::vector<std::string_view> kRichList{"財蔭夾印", "日月夾財", "財祿夾馬", "蔭印拱身", "日月照璧", "金燦光輝"};
const std::vector<std::string_view> kNobleList{
    "日月夾命", "日出扶桑", "月落亥宮", "月生滄海", "輔弼拱主", "君臣慶會", "財印夾祿", "祿馬佩印", "坐貴向貴",
    "馬頭帶劍", "七殺朝鬥", "日月並明", "明珠出海", "日月同臨", "刑囚夾印", "科權祿拱", "貪火相逢", "武曲守垣",
    "府相朝垣", "紫府朝垣", "文星暗拱", "權祿生逢", "羊刃入廟", "巨機居卯", "明祿暗祿", "科明暗祿", "金輿扶駕"};
const std::vector<std::string_view> kPoorList{"生不逢時", "祿逢兩殺", "馬落空亡", "日月藏輝",
                                              "財與囚仇", "一生孤貧", "君子在野", "兩重華蓋"};
const std::vector<std::string_view> kMixedList{"風雲際會", "錦上添花", "祿衰馬困", "衣錦還鄉",
                                               "步數無依", "水上駕星", "吉兇相伴", "枯木逢春"};

const std::vector<std::string_view>* ClassicList(std::string_view group) {
    if (group == "富") return &kRichList;
    if (group == "貴") return &kNobleList;
    if (group == "貧賤") return &kPoorList;
    if (group == "雜") return &kMixedList;
    return nullptr;
}

TEST(PatternSources, EveryRowQuotesItsSection) {
    // Columns: name, variant, group, the section cited, the words quoted from it
    // (for a classic group: the entry of that list the row reads).
    struct Row {
        std::string_view name, variant, group, section, quoted;
    };
    const Row rows[] = {
        {"紫府同宮", "strict", "吉格", "骨髓賦", "紫府同宮終身福厚"},
        {"機月同梁", "strict", "星系", "骨髓賦", "機月同梁作吏人"},
        {"殺破狼", "strict", "星系", "卷二", "只恐三方殺破狼"},
        {"昌曲夾命", "strict", "吉格", "卷三", "昌曲夾命最為奇"},
        {"左右夾命", "strict", "吉格", "卷三", "左右夾命為貴格"},
        {"空劫夾命", "strict", "凶格", "卷三", "劫空夾命為敗局"},
        {"火鈴夾命", "strict", "凶格", "卷三", "火鈴夾命為敗局"},
        {"羊陀夾忌", "strict", "凶格", "卷三", "羊陀夾忌為敗局"},
        {"三奇嘉會", "strict", "貴", "定貴局", "科權祿拱"},
        {"雙祿朝垣", "strict", "吉格", "二手", "雙祿重返"},
        {"祿馬交馳", "strict", "吉格", "太微賦", "祿馬最喜交馳"},
        {"火貪格", "strict", "貴", "定貴局", "貪火相逢"},
        {"鈴貪格", "strict", "吉格", "骨髓賦", "貪鈴並守"},
        {"刑囚夾印", "strict", "貴", "定貴局", "刑囚夾印"},
        {"馬頭帶箭", "strict", "貴", "定貴局", "馬頭帶劍"},
        {"明珠出海", "strict", "貴", "定貴局", "明珠出海"},
        {"日照雷門", "strict", "貴", "定貴局", "日出扶桑"},
        {"月朗天門", "strict", "貴", "定貴局", "月落亥宮"},
        {"英星入廟", "strict", "吉格", "二手", "未見"},
        {"日月同宮", "strict", "貴", "定貴局", "日月同臨"},
        {"金燦光輝", "strict", "富", "定富局", "金燦光輝"},
        {"日月夾財", "strict", "富", "定富局", "日月夾財"},
        {"七殺朝鬥", "strict", "貴", "定貴局", "七殺朝鬥"},
        {"武曲守垣", "strict", "貴", "定貴局", "武曲守垣"},
        {"巨機居卯", "strict", "貴", "定貴局", "巨機居卯"},
        {"明祿暗祿", "strict", "貴", "定貴局", "明祿暗祿"},
        {"刑囚夾印", "天刑", "貴", "定貴局", "天刑廉貞同臨身命"},
        {"馬頭帶箭", "馬刃", "貴", "定貴局", "謂馬有刃是也不是居午格"},
    };
    const auto rules = PatternRules();
    ASSERT_EQ(rules.size(), std::size(rows));
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const PatternRule& rule = rules[i];
        const Row& r = rows[i];
        SCOPED_TRACE(std::string(r.name) + " " + std::string(r.variant));
        for (std::string_view text : {rule.name, rule.group, rule.variant, rule.source})
            EXPECT_EQ(text.find_first_of("\"\\"), std::string_view::npos) << "written into JSON as it stands";
        EXPECT_EQ(rule.name, r.name);
        EXPECT_EQ(rule.variant, r.variant);
        EXPECT_EQ(rule.group, r.group);
        EXPECT_NE(rule.source.find(r.section), std::string_view::npos) << rule.source;
        EXPECT_NE(rule.source.find(r.quoted), std::string_view::npos) << rule.source;
        if (const auto* list = ClassicList(r.group)) {
            const bool listed = std::any_of(list->begin(), list->end(),
                                            [&r](std::string_view entry) { return r.quoted.starts_with(entry); });
            const bool glossOfListed = std::any_of(list->begin(), list->end(), [&rule](std::string_view entry) {
                return rule.source.find(entry) != std::string_view::npos;
            });
            EXPECT_TRUE(listed || glossOfListed) << "not in the 卷一 list of " << r.group;
        }
    }
}

}  // namespace
}  // namespace velmora::reading
