// The patterns over real births 1901..2099: where they can stand by the fixed
// star layout, that every rule the layout allows holds for some birth, that
// the rules it forbids never do, and hand-worked births with what they show.

#include <gtest/gtest.h>

#include <map>
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
        {"英星入廟/strict", {1, 7}},  {"馬頭帶箭/strict", {7}},
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

}  // namespace
}  // namespace velmora::reading
