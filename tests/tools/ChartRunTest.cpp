// Queries computed in process with the shipped files: the worked chart, the
// layers as the main window lays them over a charted record, the JSON shape
// over many charts, and the text chart.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "output/ChartJson.h"
#include "output/ChartRun.h"
#include "output/ChartText.h"
#include "output/ReferenceLoad.h"
#include "tests/load/RandomQueries.h"

namespace velmora::tool {
namespace {

const ReferenceTables& Shipped() {
    static const ReferenceTables tables = [] {
        ReferenceTables t;
        const LoadOutcome outcome = LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), true, t);
        EXPECT_FALSE(outcome.error.has_value()) << *outcome.error;
        EXPECT_TRUE(outcome.warnings.empty());
        return t;
    }();
    return tables;
}

ChartResult Compute(const std::string& line) {
    const ParsedQuery parsed = ParseQueryLine(line);
    EXPECT_TRUE(std::holds_alternative<Query>(parsed)) << line;
    ChartResult result;
    if (!std::holds_alternative<Query>(parsed)) return result;
    const auto problem = ComputeQuery(std::get<Query>(parsed), Shipped(), result);
    EXPECT_FALSE(problem.has_value()) << line << ": " << *problem;
    return result;
}

TEST(ChartRun, TheWorkedChart) {
    const ChartResult r = Compute("2000-01-01 1 M");
    EXPECT_EQ(r.chart.PalaceTable[1], (PalaceRow{3, 1}));  // 丙子
    EXPECT_EQ(r.chart.PalaceTable[13], (PalaceRow{3, 1}));
    EXPECT_EQ(r.chart.BureauIndex, 5);
    EXPECT_EQ(r.bureauNumber, 2);
    EXPECT_EQ(r.chart.StarTable[1], (StarRow{2, 7}));  // 紫微 at 丑, 廟
    EXPECT_EQ(r.chart.StarTable[21].branch, 7);
    EXPECT_EQ(r.birth.DouJunBranch, 3);
    EXPECT_EQ(r.birth.LifeMaster, 16);  // 文曲 for a 卯 year
    EXPECT_EQ(r.birth.BodyMaster, 5);
    EXPECT_EQ(r.majorLimitStart[1], 2);    // the life palace, backward for a yin man
    EXPECT_EQ(r.majorLimitStart[12], 12);
    EXPECT_EQ(r.majorLimitStart[2], 112);
    EXPECT_EQ(r.transformations, (StarQuartet{4, 9, 12, 16}));  // 己
}

// Columns: shown moment and layer; nominal age, focus branch, marked stem,
// number of flowing stars, the first one's branch (0: none).
struct LayerRow {
    const char* at;
    int age;
    int focus;
    int stem;
    std::size_t flowing;
    int firstBranch;
};

TEST(ChartRun, LayersOverTheWorkedChart) {
    const LayerRow rows[] = {
        {"2024-02-10 1 0", 26, 1, 6, 0, 0},   // 本命: the life palace, the birth year stem
        {"2024-02-10 1 1", 26, 11, 6, 0, 0},  // 大限: two decades backward from 子
        {"2000-01-01 1 1", 1, 2, 6, 0, 0},    // below the bureau number: one palace the other way
        {"2009-06-01 1 1", 11, 1, 6, 0, 0},
        {"2010-06-01 1 1", 12, 12, 6, 0, 0},
        {"2000-01-01 1 2", 1, 2, 6, 8, 7},    // 小限 of a 卯 year at age 1: 丑; 己 year's 流祿 at 午
        {"2024-02-10 1 2", 26, 3, 1, 8, 3},
        {"2024-02-10 1 3", 26, 5, 1, 8, 3},   // 流年 甲辰: 辰, 流祿 寅
        {"2024-02-10 1 4", 26, 7, 1, 8, 3},
        {"2024-02-10 1 5", 26, 7, 1, 5, 3},   // 流日 甲辰 day
        {"2024-02-10 5 6", 26, 11, 1, 5, 3},  // 流時 辰
        {"2024-02-10 13 6", 26, 8, 2, 5, 4},  // the late 子 period is the next day, 乙巳
    };
    for (const LayerRow& row : rows) {
        const ChartResult r = Compute(std::string("2000-01-01 1 M ") + row.at);
        ASSERT_TRUE(r.layer.has_value()) << row.at;
        const LayerResult& layer = *r.layer;
        EXPECT_EQ(layer.nominalAge, row.age) << row.at;
        EXPECT_EQ(layer.focusBranch, row.focus) << row.at;
        EXPECT_EQ(layer.markStem, row.stem) << row.at;
        EXPECT_EQ(layer.transformations, TransformationsOf(Shipped().transformations, row.stem)) << row.at;
        ASSERT_EQ(layer.flowingStars.size(), row.flowing) << row.at;
        if (row.flowing > 0) {
            EXPECT_EQ(layer.flowingStars.front(), (FlowingStar{"流祿", row.firstBranch})) << row.at;
        }
    }
}

// Checks one chart's JSON: sizes, ranges, and star lists that agree with the stars.
void CheckChartJson(const QJsonObject& object, const std::string& line) {
    const QJsonObject chart = object.value("chart").toObject();
    EXPECT_EQ(chart.value("palaces").toArray().size(), 13) << line;
    const QJsonArray stars = chart.value("stars").toArray();
    const QJsonArray lists = chart.value("branchStarList").toArray();
    ASSERT_EQ(stars.size(), 91) << line;
    ASSERT_EQ(lists.size(), 12) << line;
    EXPECT_EQ(chart.value("majorLimitStart").toArray().size(), 12) << line;
    EXPECT_EQ(chart.value("transformations").toArray().size(), 4) << line;
    for (int star = 1; star <= 91; ++star) {
        const int branch = stars[star - 1].toArray()[0].toInt();
        ASSERT_TRUE(branch >= 1 && branch <= 12) << line << " star " << star;
        const QString number = QString::number(star).rightJustified(3, '0');
        EXPECT_TRUE(lists[branch - 1].toString().split(' ').contains(number)) << line << " star " << star;
    }
    const QJsonArray starNames = object.value("names").toObject().value("chart").toObject().value("stars").toArray();
    ASSERT_EQ(starNames.size(), 91) << line;
    for (const QJsonValue& entry : starNames) EXPECT_FALSE(entry.toArray()[0].toString().isEmpty()) << line;
}

TEST(ChartRun, JsonOverSpreadQueries) {
    // Every period and both genders over dates spread across the range, each
    // with a layer; 9 flowing stars never, 8 for layers 2..4, 5 for 5..6.
    constexpr int kDates = 40;
    constexpr int kSpanYears = 199;
    for (int i = 0; i < kDates; ++i) {
        const int year = 1901 + i * kSpanYears / kDates;
        const int month = 1 + i % 12;
        const int day = 1 + (i * 7) % 28;
        for (int period = 1; period <= 13; ++period) {
            const int layer = (i + period) % 7;
            char line[64];
            std::snprintf(line, sizeof line, "%04d-%02d-%02d %d %s 2099-12-31 %d %d", year, month, day, period,
                          period % 2 ? "M" : "F", 14 - period, layer);
            const ChartResult r = Compute(line);
            std::string out;
            AppendChartJson(r, &Shipped(), out);
            ASSERT_EQ(out.find('\n'), std::string::npos);
            QJsonParseError error;
            const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error).object();
            ASSERT_EQ(error.error, QJsonParseError::NoError) << line;
            CheckChartJson(object, line);
            const qsizetype flowing = object.value("layer").toObject().value("flowingStars").toArray().size();
            EXPECT_EQ(flowing, layer < 2 ? 0 : layer < 5 ? 8 : 5) << line;
        }
    }
}

// A batch computes every query into one result. Whatever the query before
// left there (stars a school leaves off, the level of a star standing where
// the brightness table gives none, a layer, flying transformations) must not show in
// the next: under each school in turn, charts computed into one reused
// result equal charts computed fresh.
TEST(ChartRun, AReusedResultHoldsNothingOfTheQueryBefore) {
    constexpr int kQueriesPerSchool = 1500;
    ReferenceTables tables = Shipped();
    for (StarLevelRow& row : tables.levelRows)  // some stars have no level in half the branches
        if (row.star % 3 == 0)
            for (std::size_t b = 0; b < row.levels.size(); b += 2) row.levels[b] = -1;
    std::mt19937_64 random(20261207);
    ChartResult reused;
    for (const ConventionProfile& school : ConventionProfiles()) {
        for (int i = 0; i < kQueriesPerSchool; ++i) {
            const Query query = load::RandomQuery(random);
            reused.flying = std::vector<FlyingTransformation>{{1, 1, 1, 1, 1}};
            ChartResult fresh;
            ASSERT_FALSE(ComputeQuery(query, tables, fresh, school.conventions));
            ASSERT_FALSE(ComputeQuery(query, tables, reused, school.conventions));
            std::string freshJson;
            std::string reusedJson;
            AppendChartJson(fresh, nullptr, freshJson);
            AppendChartJson(reused, nullptr, reusedJson);
            ASSERT_EQ(reusedJson, freshJson) << school.name << ": " << load::QueryLine(query);
            ASSERT_TRUE(reused.chart == fresh.chart && reused.birth == fresh.birth) << load::QueryLine(query);
        }
    }
}

TEST(ChartRun, TextReadsLikeTheBoard) {
    const std::string text = ChartText(Compute("2000-01-01 1 M 2024-02-10 1 3"), Shipped());
    const char* parts[] = {
        "命宮、身宮　丙子　大限 2  -   11\n　　天機 廟　右弼　天魁\n",
        "子女　癸酉　大限 32  -   41\n　　武曲 利 化祿　七殺 旺　火星 得\n",
        "西元   2000 年  1 月  1 日 子 時生\n",
        "陰男  己卯 年 十一 月 廿五 日 子 時生\n",
        "命局:  水二局      命主:  文曲        身主:  天同        子年斗君: 寅\n",
        "年柱:   己卯        月柱:   丙子        日柱:   戊午        時柱:   壬子\n",
        "生年四化:  己  武曲化祿  貪狼化權  天梁化科  文曲化忌\n",
        "流年:  西元   2024 年  2 月  10 日 子 時    26 歲\n宮位:  辰 官祿\n",
        "流曜:  流祿 寅  流羊 卯  流陀 丑  流昌 巳  流曲 酉  奏書 巳  將軍 酉  直符 丑\n",
    };
    for (const char* part : parts) EXPECT_NE(text.find(part), std::string::npos) << part << "\n---\n" << text;
    for (int palace = 1; palace <= 12; ++palace) {
        const std::string& name = Shipped().names.at(3, palace);
        EXPECT_NE(text.find(name), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace velmora::tool
