// --relations and --patterns: their JSON and text, their command lines, the
// chart's JSON otherwise untouched, and the stacked transformations agreeing
// with the layer the tool computes.

#include <gtest/gtest.h>

#include <random>

#include "output/ChartJson.h"
#include "output/ChartRun.h"
#include "output/ReferenceLoad.h"
#include "reading/StackedTransformations.h"
#include "tests/load/RandomQueries.h"
#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool {
namespace {

TEST(ReadingOutput, CommandLines) {
    const QString data = QStringLiteral("--data=" VELMORA_DATA_DIR);
    // Columns: arguments, exit status, a text the output or error holds.
    struct Row {
        QStringList arguments;
        int exitCode;
        QByteArray holds;
    };
    const Row rows[] = {
        {{"--relations", "1979-12-14", "1", "M"}, 0,
         R"("relations":[{"branch":12,"opposite":6,"trine":[4,8],"flanks":[11,1],"hidden":3,"borrowed":[6,9]},)"},
        {{"--patterns", "1979-12-14", "1", "M", "2024-05-01", "7", "3"}, 0,
         R"("patterns":[],"layerPatterns":[{"name":"機月同梁","group":"星系","variant":"strict","palace":5,"stars":[2,8,5,12],"broken":true,)"},
        {{"--patterns", "1901-10-10", "2", "M"}, 0,
         R"("patterns":[{"name":"紫府同宮","group":"吉格","variant":"strict","palace":9,"stars":[1,7],"broken":false,"source":")"},
        {{"--text", "--patterns", "1979-12-14", "1", "M", "2024-05-01", "7", "3"}, 0,
         "\n格局:\n　　無\n\n流年格局:\n　　機月同梁（星系）辰：天機 太陰 天同 天梁　破格\n"},
        {{"--text", "--relations", "1979-12-14", "1", "M"}, 0,
         "關係:\n　　命宮 亥：對宮 巳　三方 卯 未　夾 戌 子　暗合 寅　借 廉貞 貪狼\n"},
        {{"--patterns", "1921-02-05", "10", "M", "1961-10-15", "3", "3"}, 0,
         R"("patterns":[],"layerPatterns":[{"name":"昌曲夾命","group":"吉格","variant":"strict+flowing","palace":2,"stars":[15,16],)"},
        {{"--text", "--patterns", "1921-02-05", "10", "M", "1961-10-15", "3", "3"}, 0,
         "\n流年格局:\n　　昌曲夾命（吉格）丑：文昌 文曲（流曜）\n"},
        {{"--all-periods", "--patterns", "2000-01-01", "F"}, 2, "cannot be used with --all-periods"},
    };
    for (const Row& row : rows) {
        const testing::ToolRun run = testing::RunTool(QStringList{data} + row.arguments);
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE((run.out + run.err).contains(row.holds)) << run.out.left(600).toStdString() << run.err.toStdString();
    }
}

// A batch with the readings is the batch without them, each object with the
// new members added before its closing brace (no "names" asked for).
TEST(ReadingOutput, OnlyAddsItsMembersToTheBatchObjects) {
    std::mt19937_64 random(20261207);
    QByteArray input;
    for (int i = 0; i < 300; ++i) input += QByteArray::fromStdString(load::QueryLine(load::RandomQuery(random))) + '\n';
    const QString data = QStringLiteral("--data=" VELMORA_DATA_DIR);
    const QList<QByteArray> plain = testing::Lines(testing::RunTool({data, "--batch"}, input).out);
    const QList<QByteArray> read = testing::Lines(testing::RunTool({data, "--batch", "--patterns", "--relations"}, input).out);
    ASSERT_EQ(plain.size(), read.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QByteArray base = plain[i].chopped(1);
        ASSERT_TRUE(read[i].startsWith(base + R"(,"relations":[)")) << i;
        const QJsonObject object = testing::ParseObject(read[i]);
        EXPECT_EQ(object.contains("layerPatterns"), object.contains("layer")) << i;
        EXPECT_EQ(object["relations"].toArray().size(), 12) << i;
    }
}

TEST(ReadingOutput, TheStackEndsWithTheShownLayersTransformations) {
    ReferenceTables tables;
    ASSERT_FALSE(LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables).error.has_value());
    std::mt19937_64 random(7);
    int layered = 0;
    for (int i = 0; i < 2000; ++i) {
        const Query query = load::RandomQuery(random);
        ChartResult result;
        if (!query.at || ComputeQuery(query, tables, result)) continue;
        ++layered;
        const LayerResult& layer = *result.layer;
        const reading::StackInput input{&result.birth, &result.chart,       &layer.shown, layer.nominalAge,
                                        result.bureauNumber, &tables.transformations, result.conventions};
        const auto stack = reading::StackTransformations(input, layer.index);
        SCOPED_TRACE(load::QueryLine(query));
        ASSERT_FALSE(stack.empty());
        EXPECT_EQ(stack.front().stars, (reading::Quartet{result.transformations[0], result.transformations[1],
                                                         result.transformations[2], result.transformations[3]}));
        EXPECT_EQ(stack.back().markStem, layer.markStem);
        EXPECT_EQ(stack.back().layer, layer.index);
    }
    EXPECT_GT(layered, 500);
}

}  // namespace
}  // namespace velmora::tool
