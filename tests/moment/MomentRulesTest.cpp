// The rules around the conversion: the period a basis time falls in and its
// boundaries, the four bases on one clock time, inputs that are refused, and
// the words the step line is made of.

#include <gtest/gtest.h>

#include "moment/MomentConversion.h"
#include "moment/MomentText.h"

namespace velmora::moment {
namespace {

constexpr int kHour = 3600;
constexpr int kMinute = 60;

TEST(MomentRules, PeriodsStartOnOddHoursAndBoundariesAreFlaggedWithinFiveMinutes) {
    // Each row: seconds into the day, the period, near a boundary.
    struct Row {
        int seconds;
        int period;
        bool near;
    };
    const std::vector<Row> rows = {
        {0, 1, true},                       // midnight: late 子 gives way to early 子
        {5 * kMinute + 1, 1, false},
        {kHour - 1, 1, true},
        {kHour, 2, true},                   // 01:00 starts 丑
        {kHour + 5 * kMinute, 2, false},
        {10 * kHour + 59 * kMinute, 6, true},
        {12 * kHour + 30 * kMinute, 7, false},
        {22 * kHour + 56 * kMinute, 12, true},
        {23 * kHour, 13, true},             // late 子
        {23 * kHour + 30 * kMinute, 13, false},
        {24 * kHour - 1, 13, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PeriodOfSecondsOfDay(row.seconds), row.period) << row.seconds;
        EXPECT_EQ(NearPeriodBoundary(row.seconds), row.near) << row.seconds;
    }
}

TEST(MomentRules, EachBasisReadsThePeriodFromItsOwnTime) {
    // Beijing 1988-07-15 11:20 under daylight saving, on each basis: the
    // basis time and its period.
    const std::vector<std::tuple<Basis, const char*, int>> rows = {
        {Basis::Clock, "11:20:00", 7},
        {Basis::Standard, "10:20:00", 6},
        {Basis::MeanSolar, "10:05:35", 6},
        {Basis::TrueSolar, "09:59:41", 6},
    };
    for (const auto& [basis, time, period] : rows) {
        const MomentResult result =
            ConvertMoment({QDate(1988, 7, 15), QTime(11, 20), 116.39723, "Asia/Shanghai", std::nullopt, basis});
        ASSERT_EQ(result.readings.size(), 1u);
        EXPECT_EQ(WallTimeText(result.readings[0].basisWall).toStdString(), time);
        EXPECT_EQ(result.readings[0].period, period);
    }
}

TEST(MomentRules, AFixedOffsetReplacesTheZoneAndBadInputIsRefused) {
    const MomentResult fixed =
        ConvertMoment({QDate(1930, 5, 1), QTime(8, 0), 121.45806, "", 8 * kHour, Basis::Standard});
    ASSERT_FALSE(fixed.error);
    ASSERT_EQ(fixed.readings.size(), 1u);
    EXPECT_EQ(fixed.readings[0].reading.utcSeconds, QDateTime(QDate(1930, 5, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch());
    // Each row: an input that cannot be converted.
    const std::vector<MomentInput> refused = {
        {QDate(2000, 1, 1), QTime(12, 0), 116.0, "Mars/Olympus", std::nullopt, Basis::Clock},
        {QDate(2000, 1, 1), QTime(12, 0), 181.0, "Asia/Shanghai", std::nullopt, Basis::Clock},
        {QDate(2000, 1, 1), QTime(12, 0), 116.0, "", 16 * kHour, Basis::Clock},
        {QDate(1800, 1, 1), QTime(0, 30), -170.0, "Etc/UTC", std::nullopt, Basis::MeanSolar},
        {QDate(2200, 12, 31), QTime(23, 30), 170.0, "Etc/UTC", std::nullopt, Basis::TrueSolar},
    };
    for (const MomentInput& input : refused) {
        EXPECT_TRUE(ConvertMoment(input).error.has_value()) << input.zone.toStdString() << " " << input.longitude;
    }
}

TEST(MomentRules, BeforeZoneHistoriesAClockKeepsLocalMeanTime) {
    // Each row: date, zone, longitude; the clock's offset from UTC in seconds.
    struct Row { QDate date; QByteArray zone; double longitude; int offset; };
    const Row rows[] = {
        {QDate(1899, 12, 31), "Asia/Shanghai", 116.4, 27936},   // the last day before: 116.4° * 240 s
        {QDate(1850, 6, 1), "Asia/Taipei", 121.5, 29160},
        {QDate(1800, 1, 1), "America/New_York", -74.0, -17760},
        {QDate(1850, 6, 1), "Etc/UTC", 116.4, 0},               // a fixed zone keeps its offset
    };
    for (const Row& row : rows) {
        const MomentResult result = ConvertMoment({row.date, QTime(12, 0), row.longitude, row.zone, std::nullopt, Basis::Clock});
        ASSERT_FALSE(result.error) << row.zone.toStdString();
        ASSERT_EQ(result.readings.size(), 1u) << row.zone.toStdString();
        EXPECT_EQ(result.readings[0].reading.offsetSeconds, row.offset) << row.zone.toStdString();
    }
}

TEST(MomentRules, TheLocalMeanTimeNoteNamesTheLongitudeAndOffsetTheConversionUsed) {
    // Each row: date, zone, longitude, fixed offset; the note ("" when the clock
    // keeps the zone's own or a fixed offset).
    struct Row { QDate date; QByteArray zone; double longitude; std::optional<int> fixed; const char* note; };
    const Row rows[] = {
        {QDate(1899, 12, 31), "Asia/Shanghai", 116.4, std::nullopt,
         "1900 年前無時區史料，以當地平太陽時（經度 116.4°E，UTC+7:45:36）計"},
        {QDate(1900, 1, 1), "Asia/Shanghai", 116.4, std::nullopt, ""},  // the zone's history from here
        {QDate(1800, 1, 1), "America/New_York", -74.0, std::nullopt,
         "1900 年前無時區史料，以當地平太陽時（經度 74°W，UTC-4:56）計"},
        {QDate(1899, 12, 31), "Asia/Shanghai", 105.005, std::nullopt,
         "1900 年前無時區史料，以當地平太陽時（經度 105.005°E，UTC+7:00:01）計"},  // 25201.2 s
        {QDate(1899, 12, 31), "Etc/UTC", 116.4, std::nullopt, ""},       // a zone that never changed
        {QDate(1899, 12, 31), "", 116.4, 8 * kHour, ""},                 // a fixed offset as typed
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.date.toString(Qt::ISODate).toStdString() + " " + row.zone.toStdString());
        const MomentInput input{row.date, QTime(12, 0), row.longitude, row.zone, row.fixed, Basis::TrueSolar};
        EXPECT_EQ(LocalMeanTimeNote(input), QString::fromUtf8(row.note));
        const std::optional<int> offset = LocalMeanTimeOffset(input);
        EXPECT_EQ(offset.has_value(), *row.note != '\0');
        const MomentResult result = ConvertMoment(input);
        ASSERT_FALSE(result.error);
        if (offset) {
            EXPECT_EQ(result.readings.at(0).reading.offsetSeconds, *offset);  // the offset used, not another
        }
    }
}

TEST(MomentRules, FixedOffsetsAsTyped) {
    // Each row: the text typed for a fixed offset, the seconds it means (unset when refused).
    const std::vector<std::pair<QString, std::optional<int>>> rows = {
        {"UTC+08:00", 8 * kHour},   {"+08:00", 8 * kHour},  {"utc-04:00", -4 * kHour},
        {"+5:30", 5 * kHour + 30 * kMinute}, {"-4", -4 * kHour}, {"28800", 8 * kHour},
        {"-14400", -4 * kHour},     {"+08:60", std::nullopt}, {"+16:00", std::nullopt},
        {"0800", std::nullopt},     {"Asia/Shanghai", std::nullopt}, {"+08:00x", std::nullopt},
    };
    for (const auto& [text, seconds] : rows) {
        EXPECT_EQ(ParseFixedOffset(text), seconds) << text.toStdString();
        if (seconds) {
            EXPECT_EQ(ParseFixedOffset(FixedOffsetText(*seconds)), seconds) << text.toStdString();
        }
    }
}

TEST(MomentRules, WordsOfTheStepLine) {
    EXPECT_EQ(UtcOffsetText(5 * kHour + 30 * kMinute), QStringLiteral("UTC+5:30"));
    EXPECT_EQ(UtcOffsetText(-4 * kHour), QStringLiteral("UTC-4"));
    EXPECT_EQ(UtcOffsetText(-(44 * kMinute + 30)), QStringLiteral("UTC-0:44:30"));
    EXPECT_EQ(PeriodText(1), QStringLiteral("子時"));
    EXPECT_EQ(PeriodText(12), QStringLiteral("亥時"));
    EXPECT_EQ(PeriodText(13), QStringLiteral("晚子時"));
    EXPECT_EQ(BasisFromKey(BasisKey(Basis::MeanSolar)), Basis::MeanSolar);
    EXPECT_FALSE(BasisFromKey(u"solar"));
}

}  // namespace
}  // namespace velmora::moment
