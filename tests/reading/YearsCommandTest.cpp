// velmora-chart --years end to end: its three forms and the command lines it refuses.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun RunTool(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(VELMORA_CHART_EXE), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Columns: arguments, exit status, lines written (-1: not counted), a text the output (or the
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
        {{"--years", "2024-2024", "1979-12-14", "1", "M"}, 0, 1, "\"patterns\":[2]}}"},
        {{"--years", "2023-2024", "--text", "1979-12-14", "1", "M"}, 0, 15, "將軍 酉；直符 丑\n流年格局：機月同梁\n\n"},
        {{"--years", "1961-1961", "1921-02-05", "10", "M"}, 0, 1, "\"patterns\":[]}}"},
        {{"--years", "2020-2020", "--patterns", "1984-02-29", "5", "M"}, 2, 0, "--relations and --patterns are for one chart"},
        {{"--years", "2020-2020", "--lunar", "2020-04L-15", "7", "F"}, 0, 1, "\"nominalAge\":1,"},
        {{"--years", "2020-2020", "--convention", "flowingYear=lichun", "1984-02-29", "5", "M"}, 0, 1, "\"turn\":[2020,2,4]"},
        {{"--years", "1983-2020", "1984-02-29", "5", "M"}, 2, 0, "starts before the birth's lunar year 1984"},
        {{"--years", "2021-2020", "1984-02-29", "5", "M"}, 2, 0, "is not FROM-TO"},
        {{"--years", "2020-2201", "1984-02-29", "5", "M"}, 2, 0, "is not FROM-TO"},
        {{"--years", "2020-2020", "1984-02-29", "5", "M", "2020-01-01", "7", "3"}, 2, 0, "needs DATE PERIOD GENDER"},
        {{"--years", "2020-2020", "--csv", "--text", "1984-02-29", "5", "M"}, 2, 0, "give one"},
        {{"--years", "2020-2020", "--batch"}, 2, 0, "cannot be used with --batch"},
        {{"--years", "2020-2020", "1984-02-29", "5", "M", "--with", "1990-01-01", "1", "F"}, 2, 0, "cannot be used with --with"},
        {{"--csv", "1984-02-29", "5", "M"}, 2, 0, "--csv writes the rows of --years"},
        {{"--years", "2020-2020", "--names", "1984-02-29", "5", "M"}, 2, 0, "--text and --csv write the words"},
        {{"--flying", "--names", "1984-02-29", "5", "M", "2020-03-01", "7", "1"}, 0, 1, "\"layerFlying\":{\"palaces\":[\"大命\",\"大兄\",\"大夫\","},
        {{"--flying", "--names", "1984-02-29", "5", "M", "2020-03-01", "7", "3"}, 0, 1, "\"年父\"]}}"},
        {{"--text", "--flying", "1984-02-29", "5", "M", "2020-03-01", "7", "1"}, 0, -1, "大限離心自化: 大兄 化忌 廉貞；"},
    };
    for (const CommandRow& row : rows) {
        const ToolRun run = RunTool(row.arguments);
        const QString where = row.arguments.join(' ');
        EXPECT_EQ(run.exitCode, row.exitCode) << where.toStdString() << run.err.toStdString();
        const QByteArray& text = row.exitCode == 0 ? run.out : run.err;
        EXPECT_TRUE(text.contains(row.holds)) << where.toStdString() << "\n" << text.left(600).toStdString();
        if (row.exitCode == 0 && row.lines >= 0) {
            EXPECT_EQ(run.out.count('\n'), row.lines) << where.toStdString();
        }
    }
}

// Each query of a batch with --flying, one thread and two, is written as its
// single run writes it; a query with a layer carries its layer's flights.
TEST(FlyingCommand, BatchLinesEqualSingleRunsWithTheLayersFlights) {
    const QList<QByteArray> queries = {
        "1984-02-29 5 M",         "1984-02-29 5 M 2020-03-01 7 1", "1976-07-28 4 F 2030-01-01 12 2",
        "1990-06-15 13 M 2001-05-05 1 3", "2000-01-01 1 F 2000-02-01 7 4", "1950-10-10 9 M 2040-12-31 13 5",
        "1901-02-19 2 F 2099-12-31 12 6", "2020-06-06 7 F 2020-06-06 7 0"};
    QByteArray batch, singles;
    for (const QByteArray& query : queries) {
        batch += query + "\n";
        QStringList fields;
        for (const QByteArray& field : query.split(' ')) fields << QString::fromUtf8(field);
        const ToolRun single = RunTool(QStringList{"--flying"} + fields);
        ASSERT_EQ(single.exitCode, 0) << single.err.toStdString();
        singles += single.out;
        const QJsonObject object = QJsonDocument::fromJson(single.out).object();
        EXPECT_EQ(object.value("selfFlying").toObject().keys(), (QStringList{"inward", "outward"}));
        const bool layered = fields.size() == 6;
        EXPECT_EQ(object.contains("layerFlying"), layered) << query.toStdString();
        if (layered) {
            const QJsonObject layer = object.value("layerFlying").toObject();
            EXPECT_EQ(layer.value("index").toInt(), fields[5].toInt());
            EXPECT_EQ(layer.value("focusBranch"), object.value("layer").toObject().value("focusBranch"));
            EXPECT_EQ(layer.value("flights").toArray().size(), 48);
        }
    }
    for (const char* jobs : {"1", "2"}) {
        const ToolRun run = RunTool({"--flying", "--batch", "--jobs", jobs}, batch);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, singles) << "--jobs " << jobs;
    }
}

}  // namespace
