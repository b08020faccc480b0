// velmora-chart --batch: one object a line in order, error objects for bad
// lines with their numbers, the exit status, and the same answer a single
// query gives.

#include <QRegularExpression>
#include <QTemporaryFile>

#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool::testing {
namespace {

TEST(Batch, GoodAndBadLinesKeepTheirOrder) {
    const QByteArray input =
        "2000-01-01 1 M\n"
        "\n"                                  // 2: skipped
        "2001-02-29 1 M\n"                    // 3: no such day
        "1984-12-31 13 女 2035-07-27 2 5\r\n"  // 4: CR LF
        "   \t \n"                            // 5: skipped
        "2000-01-01 1 M 2024-01-01 1 7\n"     // 6: no layer 7
        "garbage \xff\xfe\n"                  // 7: two fields, not UTF-8
        "2099-12-31 13 F";                    // 8: no line end
    const ToolRun run = RunTool({"--batch"}, input);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QList<QByteArray> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6) << run.out.toStdString();
    // Columns: output line, input line number of an error object (0: a chart), message part.
    const struct {
        int index;
        int errorLine;
        const char* messagePart;
    } rows[] = {{0, 0, ""},       {1, 3, "2001-02-29"}, {2, 0, ""},
                {3, 6, "LAYER"},  {4, 7, "got 2 fields"}, {5, 0, ""}};
    for (const auto& row : rows) {
        const QJsonObject object = ParseObject(lines[row.index]);
        if (row.errorLine == 0) {
            EXPECT_TRUE(object.contains("chart")) << row.index;
            continue;
        }
        EXPECT_EQ(object.keys(), (QStringList{"error", "line"})) << row.index;
        EXPECT_EQ(object.value("line").toInt(), row.errorLine) << row.index;
        EXPECT_TRUE(object.value("error").toString().contains(row.messagePart)) << row.index;
    }
    EXPECT_EQ(ParseObject(lines[2]).value("layer").toObject().value("index").toInt(), 5);
    EXPECT_EQ(ParseObject(lines[5]).value("calendar").toObject().value("solar").toArray(), (QJsonArray{2099, 12, 31}));
}

TEST(Batch, AnswersAsSingleQueriesDoFromAFile) {
    const QStringList queries = {"2000-01-01 1 M", "1984-12-31 13 F 2035-07-27 2 5", "1923-06-15 7 女 1990-01-01 4 4",
                                 "2033-12-01 12 M 2034-01-05 3 6", "1901-01-01 1 F 1901-01-01 1 2"};
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(queries.join('\n').toUtf8() + '\n');
    file.close();
    const ToolRun batch = RunTool({"--names", "--batch", file.fileName()});
    ASSERT_EQ(batch.exitCode, 0) << batch.err.toStdString();
    const QList<QByteArray> lines = Lines(batch.out);
    ASSERT_EQ(lines.size(), queries.size());
    for (qsizetype i = 0; i < queries.size(); ++i) {
        const ToolRun single = RunTool(QStringList{"--names"} + queries[i].split(' '));
        EXPECT_EQ(single.out, lines[i] + '\n') << queries[i].toStdString();
    }
}

TEST(Batch, KeysComeInTheirFixedOrder) {
    const ToolRun run = RunTool({"--names", "--batch", "-"}, "2000-01-01 1 M 2024-02-10 1 3\n");
    ASSERT_EQ(run.exitCode, 0);
    const char* keys[] = {"{\"calendar\":{\"solar\":", "\"clockHour\":", "\"lunar\":", "\"leapKind\":",
                          "\"leapMonthDigit\":", "\"hourBranch\":", "\"pillars\":{\"year\":", "\"month\":",
                          "\"day\":", "\"hour\":", "\"solarYear\":", "\"solarMonth\":", "\"chart\":{\"gender\":",
                          "\"yinYang\":",
                          "\"palaces\":", "\"bureauIndex\":", "\"bureauNumber\":", "\"stars\":",
                          "\"branchStarList\":", "\"douJunBranch\":", "\"lifeMaster\":", "\"bodyMaster\":",
                          "\"majorLimitStart\":", "\"transformations\":", "\"layer\":{\"index\":", "\"calendar\":",
                          "\"nominalAge\":", "\"focusBranch\":", "\"markStem\":", "\"transformations\":",
                          "\"flowingStars\":", "\"names\":{\"calendar\":"};
    qsizetype from = 0;
    for (const char* key : keys) {
        const qsizetype at = run.out.indexOf(key, from);
        EXPECT_GE(at, from) << key;
        if (at >= 0) from = at;
    }
    // No blank outside the strings, one line end at the end.
    QString bare = QString::fromUtf8(run.out);
    bare.remove(QRegularExpression(QStringLiteral(R"("([^"\\]|\\.)*")")));
    EXPECT_EQ(bare.count(QRegularExpression(QStringLiteral("\\s"))), 1) << bare.toStdString();
}

TEST(Batch, AllGoodExitsZeroAndEmptyInputGivesNothing) {
    ToolRun run = RunTool({"--batch"}, "2000-01-01 1 M\n2000-01-02 2 F\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(Lines(run.out).size(), 2);
    run = RunTool({"--batch"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(Batch, AnOverlongLineIsOneError) {
    const QByteArray input = "2000-01-01 1 M\n" + QByteArray(100000, 'x') + "\n2000-01-01 1 F\n";
    const ToolRun run = RunTool({"--batch"}, input);
    EXPECT_EQ(run.exitCode, 1);
    const QList<QByteArray> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(ParseObject(lines[1]).value("line").toInt(), 2);
    EXPECT_TRUE(ParseObject(lines[1]).value("error").toString().contains("longer than"));
    EXPECT_TRUE(ParseObject(lines[2]).contains("chart"));
}

}  // namespace
}  // namespace velmora::tool::testing
