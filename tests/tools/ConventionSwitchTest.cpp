// One table per convention switch: worked births charted under the base
// conventions and with one switch turned. Each row names the numbers worked
// by hand that must change, and the fields the switch may reach; any other
// field of the whole chart (calendar, palaces, stars with their levels,
// masters, layer) that changes fails the row.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "output/ChartRun.h"
#include "output/ConventionCompare.h"
#include "output/ReferenceLoad.h"

namespace velmora::tool {
namespace {

const ReferenceTables& Shipped() {
    static const ReferenceTables tables = [] {
        ReferenceTables t;
        EXPECT_FALSE(LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, t).error.has_value());
        return t;
    }();
    return tables;
}

// Columns: field, which number of it (0 = branch of a star, stem of a palace), before, after.
struct Expected {
    std::string field;
    int index;
    int before;
    int after;
};

// Columns: query line, base conventions (KEY=VALUE pieces), the switch turned
// (KEY=VALUE), expected changes, fields within the switch's reach.
struct Row {
    std::string query;
    std::vector<std::string> base;
    std::string turned;
    std::vector<Expected> expected;
    std::set<std::string> reach;
};

std::set<std::string> Stars(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<std::string> names;
    for (const auto& [first, last] : ranges) {
        for (int s = first; s <= last; ++s) names.insert("star" + std::to_string(s));
    }
    return names;
}

std::set<std::string> Join(std::set<std::string> a, const std::set<std::string>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

const std::set<std::string> kPalaces = {"palace1", "palace2", "palace3", "palace4", "palace5", "palace6", "palace7",
                                        "palace8", "palace9", "palace10", "palace11", "palace12", "palace13"};
// What a year counted from 立春 may move: every year rule of the natal chart.
const std::set<std::string> kYearReach =
    Join(Join(kPalaces, Stars({{1, 14}, {19, 30}, {35, 45}, {52, 91}})),
         {"yinYang", "bureauIndex", "bureauNumber", "lifeMaster", "bodyMaster", "majorLimitStart", "transformations"});
const std::set<std::string> kLeapScopeReach =
    Join(Stars({{17, 18}, {33, 34}, {44, 47}, {53, 53}}), {"palace13", "douJunBranch"});
const std::set<std::string> kLayerReach = {"layer.nominalAge", "layer.focusBranch", "layer.markStem",
                                           "layer.transformations", "layer.flowingStars"};

ChartResult Chart(const std::string& line, const Conventions& conventions) {
    const ParsedQuery parsed = ParseQueryLine(line);
    ChartResult result;
    EXPECT_TRUE(std::holds_alternative<Query>(parsed)) << line;
    if (std::holds_alternative<Query>(parsed)) {
        EXPECT_FALSE(ComputeQuery(std::get<Query>(parsed), Shipped(), result, conventions).has_value()) << line;
    }
    return result;
}

Conventions With(const std::vector<std::string>& pieces) {
    Conventions c;
    for (const std::string& piece : pieces) EXPECT_FALSE(SetConventionPiece(c, piece).has_value()) << piece;
    return c;
}

void CheckRow(const Row& row) {
    SCOPED_TRACE(row.query + " " + row.turned);
    const Conventions base = With(row.base);
    std::vector<std::string> turnedPieces = row.base;
    turnedPieces.push_back(row.turned);
    std::vector<NamedField> before;
    std::vector<NamedField> after;
    CollectFields(Chart(row.query, base), before);
    CollectFields(Chart(row.query, With(turnedPieces)), after);
    ASSERT_EQ(before.size(), after.size());
    for (const Expected& e : row.expected) {
        bool found = false;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i].field != e.field) continue;
            found = true;
            EXPECT_EQ(before[i].value.numbers[e.index], e.before) << e.field;
            EXPECT_EQ(after[i].value.numbers[e.index], e.after) << e.field;
        }
        EXPECT_TRUE(found) << e.field;
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool changed = !(before[i].value == after[i].value);
        EXPECT_TRUE(!changed || row.reach.contains(std::string(before[i].field))) << before[i].field << " changed";
    }
}

TEST(ConventionSwitch, YearPillar) {
    const Row rows[] = {
        // 1990-02-03 is after the new year (01-27) but before 立春 (02-04): 庚午 by the
        // lunar year, 己巳 from 立春. Life palace 酉: 乙酉 (水二局) -> 癸酉 (金四局).
        {"1990-02-03 6 M", {}, "yearPillar=lichun",
         {{"palace1", 0, 2, 10}, {"bureauIndex", 0, 5, 4}, {"bureauNumber", 0, 2, 4}, {"star1", 0, 6, 4},
          {"star21", 0, 9, 7}, {"lifeMaster", 0, 14, 4}, {"bodyMaster", 0, 24, 2}},
         kYearReach},
        // After both the new year and 立春 the two years agree.
        {"1990-03-01 6 M", {}, "yearPillar=lichun", {}, {}},
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, LateZi) {
    const std::set<std::string> calendarAndChart =
        Join(Stars({{1, 14}, {46, 51}}), {"calendar.clockHour", "calendar.lunar", "calendar.pillars.day",
                                          "calendar.pillars.hour"});
    const Row rows[] = {
        // Late 子 of 2000-01-01 is 11-26 by the next day, 11-25 by its own: 紫微 寅 -> 丑.
        {"2000-01-01 13 M", {}, "lateZi=sameDay", {{"calendar.lunar", 2, 26, 25}, {"star1", 0, 3, 2}}, calendarAndChart},
        {"2000-01-01 1 M", {}, "lateZi=sameDay", {}, {}},
        {"2000-01-01 12 M", {}, "lateZi=sameDay", {}, {}},
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, LeapBirth) {
    // 2023 (癸卯) has a leap second month from 03-22; 辰 hour (H 5). m' 3 puts the life
    // palace on 子 (甲子, 金四局), m' 2 on 亥 (癸亥, 水二局).
    const std::set<std::string> reach = Join(Join(kPalaces, Stars({{1, 14}, {31, 32}, {52, 65}})),
                                             {"bureauIndex", "bureauNumber", "lifeMaster", "majorLimitStart"});
    const Row rows[] = {
        {"2023-04-05 5 M", {}, "leapBirth=16",
         {{"palace1", 1, 1, 12}, {"bureauNumber", 0, 4, 2}, {"star1", 0, 5, 9}}, reach},
        {"2023-04-05 5 M", {}, "leapBirth=never", {{"palace1", 1, 1, 12}}, reach},
        {"2023-04-05 5 M", {}, "leapBirth=always", {}, {}},
        {"2023-04-06 5 M", {}, "leapBirth=16", {}, {}},                            // day 16 splits under both
        {"2023-04-04 5 M", {}, "leapBirth=always", {{"palace1", 1, 12, 1}}, reach},  // day 14
        {"2023-04-04 5 M", {}, "leapBirth=16", {}, {}},
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, LeapScope) {
    const Row rows[] = {
        // Day 16 of the leap second month, m' 3: body 未 -> 申, 左輔 巳 -> 午, 右弼 酉 -> 申, 斗君 卯 -> 寅.
        {"2023-04-06 5 M", {"leapBirth=16"}, "leapScope=all",
         {{"palace13", 1, 8, 9}, {"star17", 0, 6, 7}, {"star18", 0, 10, 9}, {"douJunBranch", 0, 4, 3}},
         kLeapScopeReach},
        {"2023-04-05 5 M", {"leapBirth=16"}, "leapScope=all", {}, {}},  // day 15 stays in the second month
        {"2000-01-01 1 M", {}, "leapScope=all", {}, {}},                // no leap month
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, LifeMaster) {
    const Row rows[] = {
        // 己卯 year, life palace 子, yin man.
        {"2000-01-01 1 M", {}, "lifeMaster=lifeBranch", {{"lifeMaster", 0, 16, 9}}, {"lifeMaster"}},
        // 庚午 year, lunar 2-05 at 巳: life palace 2 + 3 - 6 = 戌; 破軍 (14) -> 祿存 (21).
        {"1990-03-01 6 M", {}, "lifeMaster=lifeBranch", {{"lifeMaster", 0, 14, 21}}, {"lifeMaster"}},
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, BodyMasterWu) {
    const Row rows[] = {
        {"1990-03-01 6 M", {}, "bodyMasterWu=huoXing", {{"bodyMaster", 0, 24, 23}}, {"bodyMaster"}},  // 午 year
        {"2000-01-01 1 M", {}, "bodyMasterWu=huoXing", {}, {}},
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, XunKong) {
    const Row rows[] = {
        {"2000-01-01 1 M", {}, "xunKong=yearPolarity", {{"star66", 0, 9, 0}}, {"star66"}},  // 卯 even: 酉 stays
        {"1990-03-01 6 M", {}, "xunKong=yearPolarity", {{"star67", 0, 12, 0}}, {"star67"}},  // 午 odd: 戌 stays
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, JieKong) {
    const Row rows[] = {
        {"2000-01-01 1 M", {}, "jieKong=single", {{"star29", 0, 9, 0}}, {"star29"}},  // 己 even: 酉 stays
        {"1990-03-01 6 M", {}, "jieKong=single", {{"star30", 0, 8, 0}}, {"star30"}},  // 庚 odd: 午 stays, 未 goes
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, TianShang) {
    const Row rows[] = {
        // A yin man: 天傷 巳 / 天使 未 swap; a yin woman keeps them.
        {"2000-01-01 1 M", {}, "tianShang=swap", {{"star31", 0, 6, 8}, {"star32", 0, 8, 6}}, Stars({{31, 32}})},
        {"2000-01-01 1 F", {}, "tianShang=swap", {}, {}},
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, AgeCount) {
    const Row rows[] = {
        // Lunar birthday 11-25 of 1999; 2020-11-01 is 2020-09-16: 21 years, birthday not yet come.
        {"2000-01-01 1 M 2020-11-01 7 1", {}, "ageCount=birthday",
         {{"layer.nominalAge", 0, 22, 21}, {"layer.focusBranch", 0, 11, 12}}, kLayerReach},
        {"2000-01-01 1 M 2020-11-01 7 2", {}, "ageCount=birthday",
         {{"layer.nominalAge", 0, 22, 21}, {"layer.focusBranch", 0, 11, 10}}, kLayerReach},
        {"2000-01-01 1 M 2021-01-08 7 1", {}, "ageCount=birthday", {}, {}},  // on the birthday, 2020-11-25
        {"2000-01-01 1 M 2021-01-07 7 1", {}, "ageCount=birthday", {{"layer.nominalAge", 0, 22, 21}}, kLayerReach},
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, Childhood) {
    const Row rows[] = {
        // 火六局, life 子, yang man: before age 6 the decade is L - 1 (亥); 童限 age 2 -> 財帛 申, 5 -> 福德 寅.
        {"2000-03-01 3 M 2000-03-10 7 1", {}, "childhood=tongXian", {{"layer.focusBranch", 0, 12, 1}}, kLayerReach},
        {"2000-03-01 3 M 2001-03-01 7 1", {}, "childhood=tongXian", {{"layer.focusBranch", 0, 12, 9}}, kLayerReach},
        {"2000-03-01 3 M 2004-03-01 7 1", {}, "childhood=tongXian", {{"layer.focusBranch", 0, 12, 3}}, kLayerReach},
        {"2000-03-01 3 M 2005-03-01 7 1", {}, "childhood=tongXian", {}, {}},  // age 6: the first decade
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, FlowingYear) {
    const Row rows[] = {
        // 2024-02-05: after 立春 (02-04), before the new year (02-10): 癸卯 -> 甲辰.
        {"2000-01-01 1 M 2024-02-05 7 3", {}, "flowingYear=lichun",
         {{"layer.focusBranch", 0, 4, 5}, {"layer.markStem", 0, 10, 1}}, kLayerReach},
        {"2000-01-01 1 M 2024-02-12 7 3", {}, "flowingYear=lichun", {}, {}},
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, LayerStems) {
    const Row rows[] = {
        // 2024-05-14 未 hour (lunar 04-07, 戊 day), age 26: decade 戌 (甲), minor limit 寅 (丙),
        // 己 month by 五虎遁 of a 甲 year, 己未 hour.
        {"2000-01-01 1 M 2024-05-14 8 1", {}, "layerStems=palace", {{"layer.markStem", 0, 6, 1}}, kLayerReach},
        {"2000-01-01 1 M 2024-05-14 8 2", {}, "layerStems=palace", {{"layer.markStem", 0, 1, 3}}, kLayerReach},
        {"2000-01-01 1 M 2024-05-14 8 4", {}, "layerStems=palace", {{"layer.markStem", 0, 1, 6}}, kLayerReach},
        {"2000-01-01 1 M 2024-05-14 8 6", {}, "layerStems=palace", {{"layer.markStem", 0, 5, 6}}, kLayerReach},
        {"2000-01-01 1 M 2024-05-14 8 3", {}, "layerStems=palace", {}, {}},
        {"2000-01-01 1 M 2024-05-14 8 5", {}, "layerStems=palace", {}, {}},
    };
    for (const Row& row : rows) CheckRow(row);
}

TEST(ConventionSwitch, FlowingMonth) {
    const Row rows[] = {
        // 斗君 寅, 卯 year: J 6. Leap second month day 4: e 2 (未) by its own slot, 1 (午) otherwise.
        {"2000-01-01 1 M 2023-03-25 1 4", {}, "flowingMonth=split16", {{"layer.focusBranch", 0, 8, 7}}, kLayerReach},
        {"2000-01-01 1 M 2023-03-25 1 4", {}, "flowingMonth=preceding", {{"layer.focusBranch", 0, 8, 7}}, kLayerReach},
        {"2000-01-01 1 M 2023-04-10 1 4", {}, "flowingMonth=split16", {}, {}},  // leap day 20: the next slot
        {"2000-01-01 1 M 2023-04-25 1 4", {}, "flowingMonth=preceding", {{"layer.focusBranch", 0, 9, 8}}, kLayerReach},
    };
    for (const Row& row : rows) CheckRow(row);
}

// Each profile is its switches: 全書派 and 中州派 differ exactly where the issue says.
TEST(ConventionSwitch, ProfilesDifferWhereNamed) {
    const ConventionProfile* quanShu = ProfileNamed("全書派");
    const ConventionProfile* zhongZhou = ProfileNamed("中州派");
    ASSERT_NE(quanShu, nullptr);
    ASSERT_NE(zhongZhou, nullptr);
    EXPECT_TRUE(ProfileNamed("Velmora")->conventions.isDefault());
    Conventions expected = quanShu->conventions;
    for (const char* piece : {"lifeMaster=yearBranch", "jieKong=single", "tianShang=swap"})
        EXPECT_FALSE(SetConventionPiece(expected, piece).has_value());
    EXPECT_EQ(zhongZhou->conventions, expected);
    EXPECT_EQ(quanShu->conventions, With({"leapBirth=16", "leapScope=all", "lifeMaster=lifeBranch",
                                          "bodyMasterWu=huoXing", "xunKong=yearPolarity", "childhood=tongXian",
                                          "layerStems=palace", "flowingMonth=split16"}));
}

}  // namespace
}  // namespace velmora::tool
