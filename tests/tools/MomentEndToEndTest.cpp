// velmora-chart with a clock time at a place: the chart's date and period
// from the conversion, the "moment" object, and the refusals that name what
// the user must choose.

#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool::testing {
namespace {

// Each row: the arguments, batch input (empty for a single chart), the exit
// status, then for each output line either the moment's date, period and
// true solar time, or a text its error must hold.
struct MomentRunRow {
    QStringList arguments;
    QByteArray input;
    int exitCode;
    struct Line {
        const char* date;
        int period;
        const char* trueSolarOrError;
    };
    std::vector<Line> lines;
};

void CheckLine(const QByteArray& text, const MomentRunRow::Line& expected) {
    const QJsonObject object = ParseObject(text);
    if (!expected.date) {
        EXPECT_TRUE(object.value("error").toString().contains(QString::fromUtf8(expected.trueSolarOrError)))
            << text.toStdString();
        return;
    }
    const QJsonObject moment = object.value("moment").toObject();
    EXPECT_EQ(moment.value("date").toString().toStdString(), expected.date);
    EXPECT_EQ(moment.value("period").toInt(), expected.period);
    EXPECT_EQ(moment.value("trueSolar").toString().toStdString(), expected.trueSolarOrError);
    const QJsonArray solar = object.value("calendar").toObject().value("solar").toArray();
    EXPECT_EQ(QStringLiteral("%1-%2-%3").arg(solar[0].toInt()).arg(solar[1].toInt(), 2, 10, QChar('0'))
                  .arg(solar[2].toInt(), 2, 10, QChar('0')).toStdString(), expected.date);
}

TEST(MomentEndToEnd, ClockTimesAtPlacesOnTheCommandLineAndInBatches) {
    const QStringList taipei = {"--place", "臺北", "--basis", "true"};
    const std::vector<MomentRunRow> rows = {
        {{"--place", "北京", "--basis", "true", "1988-07-15", "11:20", "M"}, {}, 0,
         {{"1988-07-15", 6, "1988-07-15T09:59:41"}}},
        {{"--longitude", "75.98951", "--zone", "Asia/Shanghai", "--basis", "true", "2010-12-25", "01:20", "F"}, {}, 0,
         {{"2010-12-24", 12, "2010-12-24T22:24:18"}}},
        {taipei + QStringList{"--reading", "1", "1974-09-30", "23:30", "M"}, {}, 0,
         {{"1974-09-30", 12, "1974-09-30T22:46:03"}}},
        {{"--longitude", "121.45806", "--utc-offset", "+08:00", "--basis", "true", "2001-11-03", "22:48", "M"}, {},
         0, {{"2001-11-03", 13, "2001-11-03T23:10:18"}}},
        {{"--place", "new york city", "--basis", "true", "1990-07-04", "07:20", "F"}, {}, 0,
         {{"1990-07-04", 4, "1990-07-04T06:19:39"}}},
        {taipei + QStringList{"--batch"}, "1974-09-30 23:30 M\n2003-11-05\t10:42 F\r\n", 1,
         {{nullptr, 0, "--reading 2 (UTC+8, 1974-09-30 period 13)"}, {"2003-11-05", 7, "2003-11-05T11:04:35"}}},
    };
    for (const MomentRunRow& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const ToolRun run = RunTool(row.arguments, row.input);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
        const QList<QByteArray> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), static_cast<qsizetype>(row.lines.size()));
        for (std::size_t i = 0; i < row.lines.size(); ++i) CheckLine(lines[i], row.lines[i]);
    }
    // A fixed offset is named as given, with no daylight part.
    const QJsonObject fixed = ParseObject(RunTool({"--longitude", "121.45806", "--utc-offset", "28800",
                                                   "2001-11-03", "22:48", "M"}).out).value("moment").toObject();
    EXPECT_EQ(fixed.value("zone").toString(), QStringLiteral("UTC+08:00"));
    EXPECT_EQ(fixed.value("utcOffset").toInt(), 28800);
    EXPECT_EQ(fixed.value("daylight").toInt(), 0);
}

TEST(MomentEndToEnd, RefusalsNameTheChoices) {
    // Each row: the arguments, then texts standard error must hold.
    const std::vector<std::pair<QStringList, QStringList>> rows = {
        {{"--place", "臺北", "1974-09-30", "23:30", "M"}, {}},  // on the clock both readings agree
        {{"--place", "臺北", "--basis", "standard", "1974-09-30", "23:30", "M"}, {"occurred twice", "--reading 1 (UTC+9", "--reading 2 (UTC+8"}},
        {{"--place", "中正區", "2000-01-01", "12:00", "M"}, {"ambiguous", "基隆市", "台北市"}},
        {{"--place", "Nowhere Town", "2000-01-01", "12:00", "M"}, {"no place named Nowhere Town"}},
        {{"--longitude", "121.5", "2000-01-01", "12:00", "M"}, {"--zone"}},
        {{"--place", "北京", "--zone", "Asia/Shanghai", "--utc-offset", "+08:00", "2000-01-01", "12:00", "M"},
         {"--zone and --utc-offset"}},
        {{"--longitude", "121.5", "--utc-offset", "+8:75", "2000-01-01", "12:00", "M"}, {"--utc-offset", "+8:75"}},
        {{"--place", "北京", "--basis", "solar", "2000-01-01", "12:00", "M"}, {"--basis must be"}},
        {{"--longitude", "0", "--zone", "Etc/UTC", "2200-12-31", "23:30", "M"}, {}},
        {{"--longitude", "170", "--zone", "Etc/UTC", "--basis", "mean", "2200-12-31", "23:30", "M"}, {"2201-01-01"}},
    };
    for (const auto& [arguments, texts] : rows) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, texts.isEmpty() ? 0 : 2) << run.err.toStdString();
        for (const QString& text : texts) EXPECT_TRUE(QString::fromUtf8(run.err).contains(text)) << run.err.toStdString();
    }
}

}  // namespace
}  // namespace velmora::tool::testing
