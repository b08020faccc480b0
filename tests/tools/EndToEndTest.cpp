// The built velmora-chart run as a script runs it: one chart as JSON, with
// words, as text, with a layer, and refused arguments and data folders.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool::testing {
namespace {

TEST(EndToEnd, TheWorkedChartAsJson) {
    const ToolRun run = RunTool({"2000-01-01", "1", "M"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    ASSERT_EQ(Lines(run.out).size(), 1);
    const QJsonObject object = ParseObject(run.out);
    EXPECT_EQ(object.keys(), (QStringList{"calendar", "chart", "conventions"}));
    const QJsonObject calendar = object.value("calendar").toObject();
    EXPECT_EQ(calendar.value("lunar").toArray(), (QJsonArray{1999, 11, 25}));
    EXPECT_EQ(calendar.value("leapMonthDigit").toString(), "0");
    EXPECT_EQ(calendar.value("pillars").toObject().value("year").toArray(), Pair(6, 4));  // 己卯
    const QJsonObject chart = object.value("chart").toObject();
    EXPECT_EQ(chart.value("palaces").toArray()[0].toArray(), Pair(3, 1));  // 丙子
    EXPECT_EQ(chart.value("palaces").toArray()[12].toArray(), Pair(3, 1));
    EXPECT_EQ(chart.value("bureauIndex").toInt(), 5);
    EXPECT_EQ(chart.value("bureauNumber").toInt(), 2);
    EXPECT_EQ(chart.value("stars").toArray()[0].toArray(), Pair(2, 7));
    EXPECT_EQ(chart.value("branchStarList").toArray()[0].toString(), "002 018 019 035 041 047 062 074 089");
    EXPECT_EQ(chart.value("branchStarList").toArray()[11].toString(), "027 028 034 063 075 088");
    EXPECT_EQ(chart.value("douJunBranch").toInt(), 3);
    EXPECT_EQ(chart.value("lifeMaster").toInt(), 16);
    EXPECT_EQ(chart.value("bodyMaster").toInt(), 5);
    EXPECT_EQ(chart.value("majorLimitStart").toArray()[0].toInt(), 2);
    EXPECT_EQ(chart.value("transformations").toArray(), (QJsonArray{4, 9, 12, 16}));
}

TEST(EndToEnd, TheFlowingYearOfAJiaYear) {
    const ToolRun run = RunTool({"2000-01-01", "1", "男", "2024-02-10", "1", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject layer = ParseObject(run.out).value("layer").toObject();
    EXPECT_EQ(layer.keys(), (QStringList{"calendar", "flowingStars", "focusBranch", "index", "markStem",
                                         "nominalAge", "transformations"}));
    EXPECT_EQ(layer.value("index").toInt(), 3);
    EXPECT_EQ(layer.value("calendar").toObject().value("pillars").toObject().value("year").toArray(), Pair(1, 5));
    EXPECT_EQ(layer.value("nominalAge").toInt(), 26);
    EXPECT_EQ(layer.value("focusBranch").toInt(), 5);
    EXPECT_EQ(layer.value("markStem").toInt(), 1);
    EXPECT_EQ(layer.value("transformations").toArray(), (QJsonArray{6, 14, 4, 3}));
    const QJsonArray expected{QJsonArray{"流祿", 3}, QJsonArray{"流羊", 4}, QJsonArray{"流陀", 2},
                              QJsonArray{"流昌", 6}, QJsonArray{"流曲", 10}, QJsonArray{"奏書", 6},
                              QJsonArray{"將軍", 10}, QJsonArray{"直符", 2}};
    EXPECT_EQ(layer.value("flowingStars").toArray(), expected);
}

TEST(EndToEnd, NamesStandBesideTheNumbers) {
    const ToolRun run = RunTool({"--names", "2000-01-01", "1", "M", "2024-02-10", "1", "5"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject names = ParseObject(run.out).value("names").toObject();
    const QJsonObject chart = names.value("chart").toObject();
    EXPECT_EQ(chart.value("gender").toString(), "男");
    EXPECT_EQ(chart.value("yinYang").toString(), "陰");
    EXPECT_EQ(chart.value("palaces").toArray()[0].toArray(), (QJsonArray{"命宮", "丙子"}));
    EXPECT_EQ(chart.value("palaces").toArray()[12].toArray(), (QJsonArray{"身宮", "丙子"}));
    EXPECT_EQ(chart.value("bureau").toString(), "水二局");
    EXPECT_EQ(chart.value("stars").toArray()[0].toArray(), (QJsonArray{"紫微", "丑", "廟"}));
    EXPECT_EQ(chart.value("stars").toArray()[16].toArray(), (QJsonArray{"左輔", "寅", ""}));
    EXPECT_EQ(chart.value("lifeMaster").toString(), "文曲");
    EXPECT_EQ(chart.value("bodyMaster").toString(), "天同");
    EXPECT_EQ(chart.value("transformations").toArray(), (QJsonArray{"武曲", "貪狼", "天梁", "文曲"}));
    const QJsonObject calendar = names.value("calendar").toObject();
    EXPECT_EQ(calendar.value("lunarMonth").toString(), "十一");
    EXPECT_EQ(calendar.value("lunarDay").toString(), "廿五");
    EXPECT_EQ(calendar.value("pillars").toObject().value("day").toString(), "戊午");
    const QJsonObject layer = names.value("layer").toObject();
    EXPECT_EQ(layer.value("index").toString(), "流日");
    EXPECT_EQ(layer.value("markStem").toString(), "甲");
    EXPECT_EQ(layer.value("flowingStars").toArray()[3].toArray(), (QJsonArray{"流魁", "丑"}));
}

TEST(EndToEnd, TextHoldsTheTwelvePalaces) {
    const ToolRun run = RunTool({"--text", "1984-12-31", "13", "F"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = QString::fromUtf8(run.out);
    for (const char* palace : {"命宮", "兄弟", "夫妻", "子女", "財帛", "疾厄", "遷移", "交友", "官祿", "田宅", "福德", "父母"})
        EXPECT_EQ(text.count(QString::fromUtf8(palace)), 1) << palace << "\n" << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("、身宮")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("命局:  "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" 時生\n"))) << text.toStdString();
}

// Columns: arguments, a text the one-line message must hold.
struct RefusedRow {
    QStringList arguments;
    const char* messagePart;
};

// Between 立春 and the lunar new year the year counted from each differs: the
// month pillar counted from the lunar year stays under "month", the one counted
// from 立春 is added as "solarMonth", and the text's 四柱 takes that one.
TEST(EndToEnd, TheFourPillarsCountTheMonthFromTheSpringYear) {
    struct Row {
        const char* date;
        QJsonArray month, solarMonth;
        const char* solarMonthName;
        const char* fourPillars;
    };
    // Columns: birth date (午 period), month, solarMonth, its name, the text's 四柱 line.
    const Row rows[] = {
        {"1984-02-01", Pair(2, 2), Pair(2, 2), "乙丑", "癸亥        月柱:   乙丑        日柱:   乙丑        時柱:   壬午"},
        {"1984-02-02", Pair(4, 2), Pair(2, 2), "乙丑", "癸亥        月柱:   乙丑        日柱:   丙寅        時柱:   甲午"},
        {"1984-02-04", Pair(3, 3), Pair(3, 3), "丙寅", "甲子        月柱:   丙寅        日柱:   戊辰        時柱:   戊午"},
        {"1980-02-14", Pair(3, 3), Pair(5, 3), "戊寅", "庚申        月柱:   戊寅        日柱:   丁巳        時柱:   丙午"},
        {"1980-02-16", Pair(5, 3), Pair(5, 3), "戊寅", "庚申        月柱:   戊寅        日柱:   己未        時柱:   庚午"},
    };
    for (const Row& row : rows) {
        const ToolRun json = RunTool({"--names", row.date, "7", "M"});
        ASSERT_EQ(json.exitCode, 0) << row.date << json.err.toStdString();
        const QJsonObject object = ParseObject(json.out);
        const QJsonObject pillars = object.value("calendar").toObject().value("pillars").toObject();
        EXPECT_EQ(pillars.value("month").toArray(), row.month) << row.date;
        EXPECT_EQ(pillars.value("solarMonth").toArray(), row.solarMonth) << row.date;
        const QJsonObject names = object.value("names").toObject().value("calendar").toObject();
        EXPECT_EQ(names.value("pillars").toObject().value("solarMonth").toString(), QString::fromUtf8(row.solarMonthName));
        const ToolRun text = RunTool({"--text", row.date, "7", "M"});
        EXPECT_TRUE(QString::fromUtf8(text.out).contains(QStringLiteral("年柱:   ") + QString::fromUtf8(row.fourPillars)))
            << row.date << "\n" << text.out.toStdString();
    }
}

TEST(EndToEnd, BadArgumentsExitTwoWithOneLine) {
    const RefusedRow rows[] = {
        {{"2001-02-29", "1", "M"}, "DATE \"2001-02-29\""},
        {{"1799-12-31", "1", "M"}, "1800-01-01..2200-12-31"},
        {{"2000-01-01", "0", "M"}, "PERIOD \"0\""},
        {{"2000-01-01", "14", "M"}, "PERIOD \"14\""},
        {{"2000-01-01", "1", "X"}, "GENDER \"X\""},
        {{"2000-01-01", "1", "M", "2024-01-01", "1", "7"}, "LAYER \"7\""},
        {{"2000-01-01", "1"}, "got 2 fields"},
        {{"2000-01-01", "1", "M", "2024-01-01", "1", "3", "x"}, "got 7 fields"},
        {{}, "got 0 fields"},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--script", "simplfied", "2000-01-01", "1", "M"}, "--script \"simplfied\" is not traditional or simplified"},
        {{"2000-01-01", "1", "M", "--script"}, "--script needs traditional or simplified"},
        {{"--data", "/nonexistent/velmora", "2000-01-01", "1", "M"}, "/nonexistent/velmora"},
        {{"--batch", "/nonexistent/queries.txt"}, "/nonexistent/queries.txt"},
    };
    for (const RefusedRow& row : rows) {
        const ToolRun run = RunTool(row.arguments);
        const QString shown = row.arguments.join(' ');
        EXPECT_EQ(run.exitCode, 2) << shown.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << shown.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << shown.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(row.messagePart)) << shown.toStdString() << ": " << run.err.toStdString();
    }
}

TEST(EndToEnd, AMissingDataFileIsNamedWithItsPath) {
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_DATA_DIR "/Mia"), folder.filePath("Mia")));
    // Four is missing; ProperN is missing too but the numbers need no words.
    ToolRun run = RunTool({"--data", folder.path(), "2000-01-01", "1", "M"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QDir(folder.path()).filePath("Four").toUtf8())) << run.err.toStdString();

    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_DATA_DIR "/Four"), folder.filePath("Four")));
    run = RunTool({"--data", folder.path(), "2000-01-01", "1", "M"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = RunTool({"--data", folder.path(), "--names", "2000-01-01", "1", "M"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QDir(folder.path()).filePath("ProperN").toUtf8())) << run.err.toStdString();
}

TEST(EndToEnd, HelpNamesBothForms) {
    const ToolRun run = RunTool({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("--batch [FILE]"));
    EXPECT_TRUE(run.out.contains("AT-DATE AT-PERIOD LAYER"));
}

}  // namespace
}  // namespace velmora::tool::testing
