// --with: the overlay of a second birth in the JSON and the text, its command
// lines, and batch lines giving their own second birth after "/".

#include <gtest/gtest.h>

#include <random>

#include "tests/load/RandomQueries.h"
#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool {
namespace {

const QString kData = QStringLiteral("--data=" VELMORA_DATA_DIR);

TEST(OverlayOutput, CommandLines) {
    // Columns: arguments, exit status, a text the output or error holds.
    struct Row {
        QStringList arguments;
        int exitCode;
        QByteArray holds;
    };
    const QStringList pair{"1984-03-09", "5", "M", "--with", "1991-10-27", "8", "F"};
    const Row rows[] = {
        {pair, 0, R"(,"overlay":{"palaces":[{"branch":12,"a":1,"b":5},{"branch":11,"a":2,"b":6},)"},
        {pair, 0, R"("aInB":[{"kind":1,"star":6,"branch":12,"palace":5},{"kind":2,"star":14,"branch":8,"palace":9},)"},
        {pair, 0, R"("bInA":[{"kind":1,"star":10,"branch":10,"palace":3},)"},
        {pair, 0, R"("meetInA":[{"branch":7,"palace":6,"own":[3],"other":[4]},{"branch":8,"palace":5,"own":[4],"other":[2]}],"meetInB":[{"branch":4,)"},
        {pair + QStringList{"--text"}, 0, "\n疊盤:\n　　命宮 亥：對盤 財帛\n　　兄弟 戌：對盤 疾厄\n"},
        {pair + QStringList{"--text"}, 0, "本盤四化入對盤:\n　　化祿 廉貞 入 財帛 亥\n　　化權 破軍 入 官祿 未\n"},
        {pair + QStringList{"--text"}, 0, "本盤交會:\n　　疾厄 午：本盤 化科　對盤 化忌\n"},
        // The same birth twice: every branch the same palace in both.
        {{"1984-03-09", "5", "M", "--with", "1984-03-09", "5", "M"}, 0, R"({"branch":12,"a":1,"b":1},{"branch":11,"a":2,"b":2},)"},
        // 2020-04L-15 is 2020-06-06, charted under the first person's school;
        // under 全書派 the leap month's fifteenth counts as the month it follows.
        {{"--with-lunar", "1984-03-09", "5", "M", "--with", "2020-04L-15", "7", "F"}, 0, R"(:{"palaces":[{"branch":12,"a":1,"b":2},)"},
        {{"1984-03-09", "5", "M", "--with", "2020-06-06", "7", "F"}, 0, R"(:{"palaces":[{"branch":12,"a":1,"b":2},)"},
        {{"1984-03-09", "5", "M", "--with", "2020-06-06", "7", "F", "--with-profile", "全書派"}, 0,
         R"(:{"palaces":[{"branch":12,"a":1,"b":1},)"},
        // The second birth as a clock time at a place: 11:20 in 北京 is 午 (6) on true solar time.
        {{"1984-03-09", "5", "M", "--with", "1988-07-15", "11:20", "M", "--with-place", "北京", "--with-basis", "true"}, 0,
         R"(:{"palaces":[{"branch":12,"a":1,"b":4},)"},
        {{"1984-03-09", "5", "M", "--with", "1988-07-15", "6", "M"}, 0, R"(:{"palaces":[{"branch":12,"a":1,"b":4},)"},
        {{"1984-03-09", "5", "M", "--with", "1988-07-15", "11:20", "M", "--with-place", "中正區"}, 2,
         "the second birth: place 中正區 is ambiguous"},
        {{"1984-03-09", "5", "M", "--with-place", "北京"}, 2, "are for the second birth of --with"},
        {{"1984-03-09", "5", "M", "--with", "1991-10-27", "8"}, 2, "--with needs DATE PERIOD GENDER"},
        {{"1984-03-09", "5", "M", "--with", "1991-02-30", "8", "F"}, 2, "the second birth: "},
        {{"1984-03-09", "5", "M", "--with-lunar"}, 2, "are for the second birth of --with"},
        {{"1984-03-09", "5", "M", "--with", "1991-10-27", "8", "F", "--with-profile", "無"}, 2, "無"},
        {{"--all-periods", "1984-03-09", "M", "--with", "1991-10-27", "8", "F"}, 2, "one chart or every --batch line"},
    };
    for (const Row& row : rows) {
        // The executable's own folder: it holds the places list beside the reference files.
        const testing::ToolRun run = testing::RunTool(row.arguments);
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE((run.out + run.err).contains(row.holds)) << run.out.left(900).toStdString() << run.err.toStdString();
    }
}

// A batch line's own second birth after "/" gives what --with gives for every
// line, on one thread or two, and only adds "overlay" to the plain object;
// a line's "/" part that is wrong makes it an error object.
TEST(OverlayOutput, BatchLinesGiveTheSecondBirthAfterASlash) {
    std::mt19937_64 random(33);
    QByteArray plainInput, slashInput;
    for (int i = 0; i < 300; ++i) {
        const QByteArray line = QByteArray::fromStdString(load::QueryLine(load::RandomQuery(random)));
        plainInput += line + '\n';
        slashInput += line + " / 1991-10-27 8 F\n";
    }
    const QList<QByteArray> plain = testing::Lines(testing::RunTool({kData, "--batch"}, plainInput).out);
    const QList<QByteArray> withAll =
        testing::Lines(testing::RunTool({kData, "--batch", "--with", "1991-10-27", "8", "F"}, plainInput).out);
    const QList<QByteArray> slashed = testing::Lines(testing::RunTool({kData, "--batch", "--jobs", "2"}, slashInput).out);
    ASSERT_EQ(plain.size(), 300);
    ASSERT_EQ(withAll, slashed);
    for (qsizetype i = 0; i < plain.size(); ++i)
        ASSERT_TRUE(withAll[i].startsWith(plain[i].chopped(1) + R"(,"overlay":{"palaces":[)")) << i;

    const testing::ToolRun wrong = testing::RunTool({kData, "--batch"}, "1984-03-09 5 M / 1991-10-27 8 F 2000-01-01 1 0\n");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.out.startsWith(R"({"line":1,"error":"the second birth: needs DATE PERIOD GENDER"})")) << wrong.out.toStdString();
}

}  // namespace
}  // namespace velmora::tool
