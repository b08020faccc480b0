// velmora-chart search: the shape and order of its lines, the same hits
// whatever the number of jobs and in --text, the school applied, and the
// messages of what it refuses.

#include <QJsonObject>

#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool::testing {
namespace {

const char* const kQuery = "命宮 有 主星；遷移 有 化忌";

QStringList SearchArguments(const QStringList& more) {
    return QStringList{"search", QString::fromUtf8(kQuery), "--from", "1983-12-01", "--to", "1985-03-31"} + more;
}

// "1984-02-02/07/M": a hit as text that sorts as the output must.
QString Key(const QJsonObject& hit) {
    return hit.value("date").toString() + QStringLiteral("/%1/").arg(hit.value("period").toInt(), 2, 10, QLatin1Char('0')) +
           (hit.value("gender").toString() == "M" ? "0" : "1");
}

TEST(Search, HitsComeInDateThenPeriodThenGenderOrderWhateverTheJobs) {
    const ToolRun single = RunTool(SearchArguments({}));
    ASSERT_EQ(single.exitCode, 0) << single.err.toStdString();
    const QList<QByteArray> lines = Lines(single.out);
    ASSERT_GT(lines.size(), 100);
    QString previous;
    for (const QByteArray& line : lines) {
        const QJsonObject hit = ParseObject(line);
        ASSERT_EQ(hit.keys(), (QStringList{"date", "gender", "period"})) << line.toStdString();
        const QString key = Key(hit);
        EXPECT_LT(previous, key);
        previous = key;
    }
    // Columns: the extra arguments; the output must be byte for byte the single thread's.
    for (const QStringList& jobs : {QStringList{"--jobs", "2"}, QStringList{"--jobs=5"}}) {
        const ToolRun run = RunTool(SearchArguments(jobs));
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, single.out) << jobs.join(' ').toStdString();
    }
    // Each gender alone gives its own lines of the whole.
    QList<QByteArray> men, women;
    for (const QByteArray& line : lines) (line.contains("\"M\"") ? men : women).append(line);
    EXPECT_EQ(Lines(RunTool(SearchArguments({"--gender", "M"})).out), men);
    EXPECT_EQ(Lines(RunTool(SearchArguments({"--gender", "女", "--jobs", "3"})).out), women);
    // --text: a line a hit, the date, the period's word and the gender's.
    const QList<QByteArray> text = Lines(RunTool(SearchArguments({"--text"})).out);
    ASSERT_EQ(text.size(), lines.size());
    const QJsonObject first = ParseObject(lines.front());
    EXPECT_TRUE(text.front().startsWith(first.value("date").toString().toUtf8() + ' '));
    EXPECT_TRUE(text.front().endsWith(first.value("gender").toString() == "M" ? "男" : "女"));
}

TEST(Search, TheSchoolsOptionsChangeTheChartsSearched) {
    const QStringList span{"--from", "1990-01-01", "--to", "1990-03-31"};
    const ToolRun nextDay = RunTool(QStringList{"search", "命宮 有 紫微"} + span);
    const ToolRun sameDay = RunTool(QStringList{"search", "命宮", "有", "紫微", "--convention", "lateZi=sameDay"} + span);
    ASSERT_EQ(nextDay.exitCode, 0);
    ASSERT_EQ(sameDay.exitCode, 0);
    EXPECT_NE(nextDay.out, sameDay.out);  // the late 子 charts differ
    // The other periods are the same charts under both.
    const auto withoutLateZi = [](const QByteArray& out) {
        QList<QByteArray> kept;
        for (const QByteArray& line : Lines(out))
            if (!line.contains("\"period\":13")) kept.append(line);
        return kept;
    };
    EXPECT_EQ(withoutLateZi(nextDay.out), withoutLateZi(sameDay.out));
}

TEST(Search, RefusesWithAMessageNamingWhatIsWrong) {
    // Columns: arguments after "search", exit status, a part of the message (standard error) or of the help.
    const struct {
        QStringList arguments;
        int exitCode;
        const char* part;
    } rows[] = {
        {{}, 2, "search needs a QUERY"},
        {{"命宮 有 x"}, 2, "第 6 字「x」：應為星名"},
        {{"命宫 有 x", "--script", "simplified"}, 2, "第 6 字「x」：应为星名"},
        {{"命宮 有 紫微；；"}, 2, "第 9 字「；」：應為一個條件"},
        {{"命宮 有 紫微", "--from", "2000-01-02", "--to", "2000-01-01"}, 2, "--from is after --to"},
        {{"命宮 有 紫微", "--from", "1799-12-31"}, 2, "--from \"1799-12-31\" is not a date"},
        {{"命宮 有 紫微", "--to"}, 2, "--to needs a DATE"},
        {{"命宮 有 紫微", "--gender", "X"}, 2, "--gender \"X\" is not M or F"},
        {{"命宮 有 紫微", "--jobs", "0"}, 2, "--jobs \"0\" is not a number of threads 1..64"},
        {{"命宮 有 紫微", "--jobs", "65"}, 2, "1..64"},
        {{"命宮 有 紫微", "--profile", "Nope"}, 2, "unknown profile Nope"},
        {{"命宮 有 紫微", "--bogus"}, 2, "unknown option --bogus for search"},
        {{"命宮 有 紫微", "--data", "/nonexistent-velmora"}, 2, "/nonexistent-velmora"},
        {{"--help"}, 0, "velmora-chart search QUERY"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const ToolRun run = RunTool(QStringList{"search"} + row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode);
        const QByteArray& said = row.exitCode == 0 ? run.out : run.err;
        EXPECT_TRUE(said.contains(row.part)) << said.toStdString();
        if (row.exitCode != 0) {
            EXPECT_TRUE(run.out.isEmpty());
        }
    }
}

}  // namespace
}  // namespace velmora::tool::testing
