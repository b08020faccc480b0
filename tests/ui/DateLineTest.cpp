// The lunar date line under the board, as df_date writes it.

#include <QLabel>

#include <ostream>

#include "tests/ui/MainWindowFixture.h"

namespace velmora::testing {
namespace {

struct DateLineCase {
    const char* date;   // the date shown
    QTime clock;        // gives the period at start-up
    const char* line;   // Label2, whole or its start
    bool whole;
};

void PrintTo(const DateLineCase& row, std::ostream* out) {
    *out << row.date << " " << row.clock.toString(QStringLiteral("HH:mm")).toStdString();
}

class DateLineTest : public MainWindowTest, public ::testing::WithParamInterface<DateLineCase> {};

TEST_P(DateLineTest, ShowsTheLunarDateAndPillars) {
    const DateLineCase& row = GetParam();
    start(QDateTime(QDate::fromString(QLatin1String(row.date), Qt::ISODate), row.clock));
    const QString line = find<QLabel>(QStringLiteral("Label2"))->text();
    const QString expected = QString::fromUtf8(row.line);
    if (row.whole) {
        EXPECT_EQ(line, expected);
    } else {
        EXPECT_TRUE(line.startsWith(expected)) << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DateLineTest,
    ::testing::Values(
        // The lunar new year of 1984 in the 午 period.
        DateLineCase{"1984-02-02", QTime(12, 0), "陰曆  甲子年 正月 初一日 午時   四柱  甲子-丁丑-丙寅-甲午", true},
        // The early 子 period keeps the day.
        DateLineCase{"1984-02-02", QTime(0, 10), "陰曆  甲子年 正月 初一日 子時   四柱  甲子-丁丑-丙寅-戊子", true},
        // The late 子 period counts as the next day: the new year's first 子 period.
        DateLineCase{"1984-02-01", QTime(23, 10), "陰曆  甲子年 正月 初一日 子時   四柱  甲子-丁丑-丙寅-戊子", true},
        // The leap month after the tenth.
        DateLineCase{"1984-11-23", QTime(12, 0), "陰曆  甲子年 閏十月 初一日 午時", false},
        // An ordinary month has nothing before its name.
        DateLineCase{"1984-03-03", QTime(12, 0), "陰曆  甲子年 二月 初一日 午時", false},
        DateLineCase{"2024-01-31", QTime(12, 0), "陰曆  癸卯年 十二月 廿一日 午時", false}));

}  // namespace
}  // namespace velmora::testing
