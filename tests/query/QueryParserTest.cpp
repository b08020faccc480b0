// The query language: queries that parse and what they mean, queries that do
// not and the message naming the word and what was expected there.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "query/QueryParser.h"
#include "QueryTestSupport.h"

namespace velmora::query {
namespace {

// Columns: the query, what it parses to (palace row, + for 有 or - for 無, the
// terms; conditions joined by "|"), or the whole message when it does not.
struct QueryRow {
    const char* text;
    const char* parsed;
    const char* message;
};

const QueryRow kQueryRows[] = {
    {"命宮 有 紫微 天府；夫妻 無 主星；遷移 有 化忌", "1+紫微 天府|3-主星|7+化忌", nullptr},
    {"命宫 有 紫微 天府;夫妻 无 主星;迁移 有 化忌", "1+紫微 天府|3-主星|7+化忌", nullptr},
    {"命宮 有 紫微;夫妻 無 主星；遷移 有 化忌", "1+紫微|3-主星|7+化忌", nullptr},
    {"命宮有紫微天府", "1+紫微 天府", nullptr},
    {"兄弟宮 有 化祿；身宮 無 擎羊 陀羅；", "2+化祿|13-擎羊 陀羅", nullptr},
    {"官祿\u3000有\u3000小耗 化權 化科", "9+小耗 化權 化科", nullptr},
    {"  父母 無 化忌 ; 疾厄 有 主星  ", "12-化忌|6+主星", nullptr},
    {"格局 機月同梁 殺破狼", "1+格局機月同梁 格局殺破狼", nullptr},
    {"财帛 有 格局 日月夹财 武曲", "5+格局日月夾財 武曲", nullptr},
    {"交友 無 天傷；田宅 有 旬空；福德 有 歲建；子女 無 長生", "8-天傷|10+旬空|11+歲建|4-長生", nullptr},
    {"", nullptr, "還沒有條件：應為一個條件，如「命宮 有 紫微」"},
    {" \t ", nullptr, "還沒有條件：應為一個條件，如「命宮 有 紫微」"},
    {"命宮 有 紫微x", nullptr, "第 6 字「紫微x」：應為星名、主星、化祿、化權、化科、化忌或「格局 格局名」"},
    {"命宮 紫微", nullptr, "第 4 字「紫微」：應為「有」或「無」"},
    {"命宮", nullptr, "第 3 字：「命宮」之後應為「有」或「無」"},
    {"命宮；夫妻 無 主星", nullptr, "第 3 字：「命宮」之後應為「有」或「無」"},
    {"奴僕 有 紫微", nullptr,
     "第 1 字「奴僕」：應為宮名（命宮、兄弟、夫妻、子女、財帛、疾厄、遷移、交友、官祿、田宅、福德、父母、身宮）或「格局」"},
    {"紫微 有 天府", nullptr,
     "第 1 字「紫微」：應為宮名（命宮、兄弟、夫妻、子女、財帛、疾厄、遷移、交友、官祿、田宅、福德、父母、身宮）或「格局」"},
    {"命宮 有 紫微；；夫妻 無 主星", nullptr, "第 9 字「；」：應為一個條件，如「命宮 有 紫微」"},
    {"命宮 有 紫微;;", nullptr, "第 9 字「;」：應為一個條件，如「命宮 有 紫微」"},
    {";命宮 有 紫微", nullptr, "第 1 字「;」：應為一個條件，如「命宮 有 紫微」"},
    {"命宮 有；夫妻 無 主星", nullptr, "第 5 字：「有」之後應為星名、主星、化祿、化權、化科、化忌或「格局 格局名」"},
    {"命宮 無", nullptr, "第 5 字：「無」之後應為星名、主星、化祿、化權、化科、化忌或「格局 格局名」"},
    {"命宮 有 紫微 夫妻 無 主星", nullptr,
     "第 9 字「夫妻」：應為星名、主星、化祿、化權、化科、化忌或「格局 格局名」；兩個條件之間以「；」分開"},
    {"格局 紫微", nullptr, "第 4 字「紫微」：應為格局名，如「機月同梁」"},
    {"命宮 有 格局", nullptr, "第 8 字：「格局」之後應為格局名，如「機月同梁」"},
    {"命宮 有 機月同梁", nullptr, "第 6 字「機月同梁」：應為星名、主星、化祿、化權、化科、化忌或「格局 格局名」"},
    {"命宮 有 有", nullptr, "第 6 字「有」：應為星名、主星、化祿、化權、化科、化忌或「格局 格局名」"},
};

TEST(QueryParserTest, ParsesOrNamesTheWordAndWhatWasExpected) {
    const QueryWords& words = testing::BothScripts();
    for (const QueryRow& row : kQueryRows) {
        SCOPED_TRACE(row.text);
        const ParsedChartQuery parsed = ParseChartQuery(row.text, words);
        if (row.parsed != nullptr) {
            ASSERT_TRUE(std::holds_alternative<ChartQuery>(parsed)) << std::get<QueryProblem>(parsed).message();
            EXPECT_EQ(testing::Describe(std::get<ChartQuery>(parsed)), row.parsed);
        } else {
            ASSERT_TRUE(std::holds_alternative<QueryProblem>(parsed));
            EXPECT_EQ(std::get<QueryProblem>(parsed).message(), row.message);
        }
    }
}

// A name two stars share stands for both; 主星 for the fourteen major stars.
TEST(QueryParserTest, SharedNamesAndMajorStarsNameEveryStarOfTheirs) {
    const QueryWords& words = testing::BothScripts();
    // Columns: the word, the stars it must name, a star it must not.
    const struct { const char* word; std::vector<int> stars; int notStar; } rows[] = {
        {"小耗", {71, 85}, 84}, {"病符", {76, 91}, 90}, {"旬空", {66, 67}, 65}, {"主星", {1, 7, 14}, 15}, {"紫微", {1}, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word);
        const WordMeaning* meaning = words.find(row.word);
        ASSERT_NE(meaning, nullptr);
        for (int s : row.stars) EXPECT_TRUE(meaning->stars.has(s)) << s;
        EXPECT_FALSE(meaning->stars.has(row.notStar));
    }
}

TEST(QueryParserTest, TellsAQueryFromANameFilter) {
    const QueryWords& words = testing::BothScripts();
    // Columns: the box's text, whether it is written as a query.
    const struct { const char* text; bool query; } rows[] = {
        {"命宮 有 紫微", true}, {"命宮", true}, {"命宫有紫微x", true}, {"格局機月同梁", true},
        {"王小明", false}, {"", false}, {"有", false}, {"；命宮 有 紫微", false}, {"紫微", false}};
    for (const auto& row : rows) EXPECT_EQ(LooksLikeChartQuery(row.text, words), row.query) << row.text;
}

}  // namespace
}  // namespace velmora::query
