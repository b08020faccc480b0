// velmora-chart --years end to end: its three forms and the command lines it refuses.

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun RunTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VELMORA_CHART_EXE), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Columns: arguments, exit status, lines written, a text the output (or the
// error) holds.
struct CommandRow {
    QStringList arguments;
    int exitCode;
    int lines;
    const char* holds;
};

TEST(YearsCommand, FormsAndRefusals) {
    const CommandRow rows[] = {
        {{"--years", "2020-2022", "1984-02-29", "5", "M"}, 0, 3, "{\"year\":2020,\"turn\":[2020,1,25],\"pillar\":[7,1],\"nominalAge\":37,"},
        {{"--years=2099-2099", "1901-03-01", "1", "M"}, 0, 1, "\"nominalAge\":199"},
        {{"--years", "2020-2021", "--csv", "1984-02-29", "5", "M"}, 0, 3, "2020,2020-01-25,庚子,37,丑,丁,本田,36–45,甲,"},
        {{"--years", "2020-2020", "--text", "1984-02-29", "5", "M"}, 0, 7, "流年 子（本福、大兄、年命）庚干四化：化祿 太陽 在 巳（本疾、大官、年交）"},
        {{"--years", "2020-2020", "--text", "--script", "simplified", "1984-02-29", "5", "M"}, 0, 7, "化权 武曲"},
        {{"--years", "2020-2020", "--lunar", "2020-04L-15", "7", "F"}, 0, 1, "\"nominalAge\":1,"},
        {{"--years", "2020-2020", "--convention", "flowingYear=lichun", "1984-02-29", "5", "M"}, 0, 1, "\"turn\":[2020,2,4]"},
        {{"--years", "1983-2020", "1984-02-29", "5", "M"}, 2, 0, "starts before the birth's lunar year 1984"},
        {{"--years", "2021-2020", "1984-02-29", "5", "M"}, 2, 0, "is not FROM-TO"},
        {{"--years", "2020-2100", "1984-02-29", "5", "M"}, 2, 0, "is not FROM-TO"},
        {{"--years", "2020-2020", "1984-02-29", "5", "M", "2020-01-01", "7", "3"}, 2, 0, "needs DATE PERIOD GENDER"},
        {{"--years", "2020-2020", "--csv", "--text", "1984-02-29", "5", "M"}, 2, 0, "give one"},
        {{"--years", "2020-2020", "--batch"}, 2, 0, "cannot be used with --batch"},
        {{"--csv", "1984-02-29", "5", "M"}, 2, 0, "--csv writes the rows of --years"},
    };
    for (const CommandRow& row : rows) {
        const ToolRun run = RunTool(row.arguments);
        const QString where = row.arguments.join(' ');
        EXPECT_EQ(run.exitCode, row.exitCode) << where.toStdString() << run.err.toStdString();
        const QByteArray& text = row.exitCode == 0 ? run.out : run.err;
        EXPECT_TRUE(text.contains(row.holds)) << where.toStdString() << "\n" << text.left(600).toStdString();
        if (row.exitCode == 0) {
            EXPECT_EQ(run.out.count('\n'), row.lines) << where.toStdString();
        }
    }
}

}  // namespace
