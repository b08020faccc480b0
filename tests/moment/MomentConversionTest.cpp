// The birth-moment checks, each worked through by hand from the zone's
// history, the longitude and the equation of time: clock time at a place to
// the chart's date and period on the true-solar basis.

#include <gtest/gtest.h>

#include <cmath>

#include "moment/EquationOfTime.h"
#include "moment/MomentConversion.h"
#include "moment/MomentText.h"

namespace velmora::moment {
namespace {

// One expected reading: the clock's offset then (hours), the true solar time
// ("" when the check gives only the period), the period and the chart's date.
struct ExpectedReading {
    double offsetHours;
    const char* trueSolar;
    int period;
    QDate chartDate;
};

// Each row: the check, longitude, zone, clock date and time, the status and
// every reading (a repeated time's in UTC order, a skipped time's with the
// offset before the jump first).
struct MomentRow {
    const char* check;
    double longitude;
    const char* zone;
    QDate date;
    QTime clock;
    ClockStatus status;
    std::vector<ExpectedReading> readings;
};

TEST(MomentConversion, ChecksOfTheIssueOnTheTrueSolarBasis) {
    const std::vector<MomentRow> rows = {
        {"Beijing, daylight saving", 116.39723, "Asia/Shanghai", QDate(1988, 7, 15), QTime(11, 20),
         ClockStatus::Single, {{9, "09:59:41", 6, QDate(1988, 7, 15)}}},
        {"Shanghai, late 子", 121.45806, "Asia/Shanghai", QDate(2001, 11, 3), QTime(22, 48),
         ClockStatus::Single, {{8, "23:10:18", 13, QDate(2001, 11, 3)}}},
        {"Shanghai, a fixed offset", 121.45806, "UTC+08:00", QDate(2001, 11, 3), QTime(22, 48),
         ClockStatus::Single, {{8, "23:10:18", 13, QDate(2001, 11, 3)}}},
        {"Taipei", 121.53185, "Asia/Taipei", QDate(2003, 11, 5), QTime(10, 42), ClockStatus::Single,
         {{8, "11:04:35", 7, QDate(2003, 11, 5)}}},
        {"Taipei, repeated", 121.53185, "Asia/Taipei", QDate(1974, 9, 30), QTime(23, 30),
         ClockStatus::Repeated,
         {{9, "22:46:03", 12, QDate(1974, 9, 30)}, {8, "23:46:04", 13, QDate(1974, 9, 30)}}},
        {"Shanghai, skipped", 121.45806, "Asia/Shanghai", QDate(1988, 4, 17), QTime(2, 30),
         ClockStatus::Skipped, {{8, "", 2, QDate(1988, 4, 17)}, {9, "", 2, QDate(1988, 4, 17)}}},
        {"Kashgar on Beijing time", 75.98951, "Asia/Shanghai", QDate(2010, 12, 25), QTime(1, 20),
         ClockStatus::Single, {{8, "22:24:18", 12, QDate(2010, 12, 24)}}},
        {"New York, daylight saving", -74.00597, "America/New_York", QDate(1990, 7, 4), QTime(7, 20),
         ClockStatus::Single, {{-4, "06:19:39", 4, QDate(1990, 7, 4)}}},
    };
    for (const MomentRow& row : rows) {
        SCOPED_TRACE(row.check);
        // A zone written as "UTC+08:00" is a fixed offset, the way a doubtful record is typed.
        const std::optional<int> fixed = ParseFixedOffset(QString::fromLatin1(row.zone));
        const MomentResult result = ConvertMoment(
            {row.date, row.clock, row.longitude, fixed ? QByteArray() : QByteArray(row.zone), fixed, Basis::TrueSolar});
        ASSERT_FALSE(result.error.has_value()) << result.error->toStdString();
        EXPECT_EQ(result.status, row.status);
        ASSERT_EQ(result.readings.size(), row.readings.size());
        for (std::size_t i = 0; i < row.readings.size(); ++i) {
            const ExpectedReading& expected = row.readings[i];
            const MomentSteps& steps = result.readings[i];
            EXPECT_EQ(steps.reading.offsetSeconds, std::lround(expected.offsetHours * 3600));
            if (*expected.trueSolar) {
                EXPECT_EQ(WallTimeText(steps.trueSolarWall).toStdString(), expected.trueSolar);
            }
            EXPECT_EQ(steps.period, expected.period);
            EXPECT_EQ(steps.chartDate, expected.chartDate);
        }
    }
}

// Meeus, "Astronomical Algorithms", ex. 28.b and the issue's reference values.
TEST(EquationOfTime, ReferenceValues) {
    struct Row {
        QDateTime utc;
        double seconds;
    };
    const std::vector<Row> rows = {
        {QDateTime(QDate(2000, 2, 11), QTime(12, 0), Qt::UTC), -856.5},
        {QDateTime(QDate(2000, 11, 3), QTime(12, 0), Qt::UTC), 988.0},
        {QDateTime(QDate(1992, 10, 13), QTime(0, 0), Qt::UTC), 822.7},
    };
    for (const Row& row : rows) {
        const double julianDay = JulianDayOfUnixSeconds(static_cast<double>(row.utc.toSecsSinceEpoch()));
        EXPECT_NEAR(EquationOfTimeSeconds(julianDay), row.seconds, 0.5) << row.utc.toString().toStdString();
    }
}

}  // namespace
}  // namespace velmora::moment
