// The patterns over real births 1901..2099: where they can stand by the fixed
// star layout, that every rule the layout allows holds for some birth, that
// the rules it forbids never do, and hand-worked births with what they show.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>

#include "reading/Patterns.h"
#include "tests/reading/ReadingCharts.h"

namespace velmora::reading {
namespace {

using test::Birth;

std::string Key(const PatternRule& rule) { return std::string(rule.name) + "/" + std::string(rule.variant); }

// Every year, each month on a day that moves with the year, every period;
// genders alternate.
template <typename Visit>
void SweepBirths(Visit&& visit) {
    const TransformationTable four = test::LoadFour();
    test::ChartedBirth charted;
    std::vector<FoundPattern> found;
    for (int year = 1901; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int period = 1; period <= 12; ++period) {
                const Birth birth{year, month, 1 + (year * 7 + month * 3) % 28, period, (year + period) % 2};
                test::ChartBirth(birth, four, charted);
                found.clear();
                FindPatterns(charted.board(), found);
                visit(birth, charted, found);
            }
        }
    }
}

TEST(PatternSweep, RulesStandWhereTheLayoutLetsThem) {
    // Columns: rule key, the only branches its palace may be.
    const std::map<std::string, std::set<int>> onlyAt{
        {"紫府同宮/strict", {3, 9}},  {"日月同宮/strict", {2, 8}},  {"刑囚夾印/strict", {1, 7}},
        {"明珠出海/strict", {8}},     {"日照雷門/strict", {4}},     {"月朗天門/strict", {12}},
        {"英星入廟/strict", {1, 7}},  {"馬頭帶箭/strict", {7}},     {"金燦光輝/strict", {7}},
        {"武曲守垣/strict", {4}},     {"巨機居卯/strict", {4}},     {"七殺朝鬥/strict", {1, 3, 7, 9}},
    };
    std::map<std::string, Birth> firstFound;
    SweepBirths([&](const Birth& birth, const test::ChartedBirth& charted, const std::vector<FoundPattern>& found) {
        for (const FoundPattern& p : found) {
            const std::string key = Key(*p.rule);
            firstFound.emplace(key, birth);
            EXPECT_EQ(p.palace, charted.lifeBranch()) << key;
            if (auto only = onlyAt.find(key); only != onlyAt.end()) {
                EXPECT_TRUE(only->second.contains(p.palace)) << key << " at " << p.palace;
            }
        }
    });
    for (const PatternRule& rule : PatternRules()) {
        const bool seen = firstFound.contains(Key(rule));
        EXPECT_EQ(seen, rule.never.empty()) << Key(rule) << (rule.never.empty() ? " never found" : " found");
    }
}

TEST(PatternSweep, HandWorkedBirthsHoldAndFailAnHourOver) {
    // Columns: birth (date, period, gender 1 M 0 F), rule key, life palace, stars
    // found. The period before and after move the life palace one over (and
    // the hour's stars with it): the rule must fail there.
    struct Row {
        Birth birth;
        std::string key;
        int palace;
        std::vector<int> stars;
    };
    const Row rows[] = {
        {{1901, 1, 11, 1, 0}, "殺破狼/strict", 1, {14}},
        {{1901, 1, 11, 1, 0}, "英星入廟/strict", 1, {14}},
        {{1901, 1, 11, 2, 1}, "空劫夾命/strict", 12, {27, 28}},
        {{1901, 1, 11, 5, 0}, "雙祿朝垣/strict", 9, {21, 3}},
        {{1901, 1, 11, 12, 1}, "左右夾命/strict", 2, {17, 18}},
        {{1901, 2, 14, 4, 1}, "機月同梁/strict", 11, {2, 8, 5, 12}},
        {{1901, 3, 17, 2, 1}, "日月同宮/strict", 2, {3, 8}},
        {{1901, 3, 17, 10, 1}, "三奇嘉會/strict", 6, {10, 3, 16}},
        {{1901, 6, 26, 5, 0}, "鈴貪格/strict", 3, {9, 24}},
        {{1901, 7, 1, 6, 1}, "刑囚夾印/天刑", 2, {33, 6}},
        {{1901, 8, 4, 1, 0}, "明珠出海/strict", 8, {3, 8}},
        {{1901, 8, 4, 9, 0}, "火貪格/strict", 12, {9, 23}},
        {{1901, 10, 10, 2, 1}, "紫府同宮/strict", 9, {1, 7}},
        {{1901, 10, 10, 3, 0}, "昌曲夾命/strict", 8, {15, 16}},
        {{1901, 10, 10, 3, 0}, "祿馬交馳/strict", 8, {22, 10}},
        {{1902, 2, 21, 1, 1}, "火鈴夾命/strict", 3, {23, 24}},
        {{1902, 4, 27, 2, 0}, "日照雷門/strict", 4, {3}},
        {{1902, 4, 27, 6, 0}, "月朗天門/strict", 12, {8}},
        {{1902, 8, 11, 10, 0}, "羊陀夾忌/strict", 12, {25, 26, 4}},
        {{1902, 9, 14, 10, 0}, "刑囚夾印/strict", 1, {6, 11, 25}},
        {{1906, 2, 21, 9, 1}, "馬頭帶箭/strict", 7, {25}},
        {{1901, 2, 14, 2, 1}, "七殺朝鬥/strict", 1, {13}},
        {{1901, 2, 14, 8, 1}, "金燦光輝/strict", 7, {3}},
        {{1901, 3, 17, 6, 1}, "明祿暗祿/strict", 10, {21, 10}},
        {{1901, 6, 26, 4, 1}, "巨機居卯/strict", 4, {2, 10}},
        {{1901, 8, 4, 5, 0}, "武曲守垣/strict", 4, {4}},
        {{1901, 8, 4, 7, 0}, "日月夾財/strict", 2, {4, 3, 8}},
    };
    const TransformationTable four = test::LoadFour();
    test::ChartedBirth charted;
    const auto findKey = [&](const Birth& birth, const std::string& key) -> std::optional<FoundPattern> {
        test::ChartBirth(birth, four, charted);
        std::vector<FoundPattern> found;
        FindPatterns(charted.board(), found);
        for (const FoundPattern& p : found)
            if (Key(*p.rule) == key) return p;
        return std::nullopt;
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.key);
        const std::optional<FoundPattern> held = findKey(r.birth, r.key);
        ASSERT_TRUE(held.has_value());
        EXPECT_EQ(held->palace, r.palace);
        EXPECT_EQ(std::vector<int>(held->stars.view().begin(), held->stars.view().end()), r.stars);
        for (const int step : {1, 11}) {
            Birth over = r.birth;
            over.period = (r.birth.period - 1 + step) % 12 + 1;
            EXPECT_FALSE(findKey(over, r.key).has_value()) << "period " << over.period;
        }
    }
}

}  // namespace
}  // namespace velmora::reading
