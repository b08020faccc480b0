// The chart's words for the palace labels and the centre lines.

#include <QDate>

#include <gtest/gtest.h>

#include "chart/NatalChart.h"
#include "files/MiaFile.h"
#include "files/NameListFile.h"
#include "tests/ReferenceCsv.h"
#include "ui/board/ChartFill.h"

namespace velmora {
namespace {

constexpr int kYang = 1;
constexpr int kMale = 1;
constexpr int kFemale = 0;

class ChartFillTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(files::LoadNameList(QStringLiteral(VELMORA_DATA_DIR), names).ok());
        std::vector<StarLevelRow> rows;
        ASSERT_TRUE(files::ReadMia(QStringLiteral(VELMORA_DATA_DIR), brightness, rows).ok());
        // Life palace on 寅 (branch 3), the others backwards from it; bureau 火六局.
        for (int k = 1; k <= 12; ++k) {
            chart.PalaceTable[static_cast<std::size_t>(k)] = {static_cast<std::int16_t>(k % 10 + 1),
                                                              static_cast<std::int16_t>((27 - k) % 12 + 1)};
        }
        chart.PalaceTable[13] = {3, 5};  // body palace on 辰
        chart.BureauIndex = 2;
        birth.YinYang = kYang;
        birth.Gender = kMale;
    }

    PalaceTexts fill(int branch) const {
        return FillPalaces(birth, chart, names, brightness, 0).palaces[static_cast<std::size_t>(branch - 1)];
    }

    NameList names;
    BrightnessTable brightness;
    ChartState chart;
    BirthInput birth;
};

TEST_F(ChartFillTest, BranchWithoutStarsKeepsOnlyItsAgeRange) {
    chart.BranchStarList[4] = "";
    const PalaceTexts texts = fill(4);
    EXPECT_TRUE(texts.Lab04.isEmpty());
    EXPECT_TRUE(texts.Lab05.isEmpty());
    EXPECT_TRUE(texts.Lab06.isEmpty());
    EXPECT_TRUE(texts.Lab07.isEmpty());
    EXPECT_TRUE(texts.Lab08.isEmpty());
    EXPECT_TRUE(texts.Lab10.isEmpty());
    EXPECT_EQ(texts.Lab09, QStringLiteral(" 16  -   25   "));
}

TEST_F(ChartFillTest, MajorStarsTakeOneRowEachWithBrightness) {
    chart.BranchStarList[4] = "003 020";
    chart.StarTable[3].level = 2;
    chart.StarTable[20].level = 0;
    EXPECT_EQ(fill(4).Lab04, QStringLiteral("太陽 不\u3000\r\n天鉞\u3000"));
}

TEST_F(ChartFillTest, MinorStarsGoToTheirOwnLabels) {
    chart.BranchStarList[4] = "040 060";
    chart.StarTable[40].level = 3;
    chart.StarTable[60].level = 5;  // stages show no brightness
    const PalaceTexts texts = fill(4);
    EXPECT_EQ(texts.Lab05, QStringLiteral("天哭 平 "));
    EXPECT_EQ(texts.Lab10, QStringLiteral("病 "));
    EXPECT_TRUE(texts.Lab04.isEmpty());
}

TEST_F(ChartFillTest, EveryGroupLandsInItsLabel) {
    chart.BranchStarList[4] = "001 015 023 029 054 066 068 080 092";
    const PalaceTexts texts = fill(4);
    EXPECT_EQ(texts.Lab04, QStringLiteral("紫微\u3000\r\n文昌\u3000\r\n火星 "));
    EXPECT_EQ(texts.Lab05, QStringLiteral("截路 "));
    EXPECT_EQ(texts.Lab10, QStringLiteral("長生 "));
    EXPECT_EQ(texts.Lab08, QStringLiteral("旬空 "));
    EXPECT_EQ(texts.Lab06, QStringLiteral("博士 歲建 "));  // star 92 and above are not shown
}

TEST_F(ChartFillTest, EmptyAndForeignItemsAreSkipped) {
    chart.BranchStarList[4] = "003  020 x 999 000 ";
    EXPECT_EQ(fill(4).Lab04, QStringLiteral("太陽\u3000\r\n天鉞\u3000"));
}

TEST_F(ChartFillTest, MajorLimitsRunForwardForAYangManAndBackForAYangWoman) {
    // Columns: gender, branch, range text.
    struct Row {
        int gender;
        int branch;
        const char* range;
    };
    const std::vector<Row> rows{
        {kMale, 3, " 6  -   15   "},     {kMale, 4, " 16  -   25   "},   {kMale, 2, " 116  -   125   "},
        {kFemale, 3, " 6  -   15   "},   {kFemale, 2, " 16  -   25   "}, {kFemale, 4, " 116  -   125   "},
    };
    for (const Row& row : rows) {
        birth.Gender = static_cast<std::int16_t>(row.gender);
        EXPECT_EQ(fill(row.branch).Lab09, QString::fromUtf8(row.range)) << row.gender << " " << row.branch;
    }
    EXPECT_EQ(FillPalaces(birth, chart, names, brightness, 0).BureauNumber, 6);
}

TEST_F(ChartFillTest, PalaceNamesStemsAndTheBodyPalaceWord) {
    EXPECT_EQ(*fill(3).LAB01, QStringLiteral("命宮"));
    EXPECT_EQ(*fill(3).LAB03, QStringLiteral("乙寅"));
    EXPECT_EQ(*fill(4).LAB01, QStringLiteral("父母"));
    EXPECT_EQ(*fill(5).LAB01, QStringLiteral("福德、身宮"));
    chart.PalaceTable[13] = {2, 3};
    EXPECT_EQ(*fill(3).LAB01, QStringLiteral("命宮、身宮"));
}

TEST_F(ChartFillTest, BranchWithoutAPalaceKeepsItsNameLabels) {
    chart.PalaceTable[12] = {1, 3};  // two palaces on 寅, none on 卯
    EXPECT_FALSE(fill(4).LAB01.has_value());
    EXPECT_FALSE(fill(4).LAB03.has_value());
    chart.BureauIndex = 0;  // names no bureau: the number in force stays
    const BoardTexts board = FillPalaces(birth, chart, names, brightness, 4);
    EXPECT_EQ(board.BureauNumber, 4);
    EXPECT_EQ(board.palaces[2].Lab09, QStringLiteral(" 4  -   13   "));
}

TEST_F(ChartFillTest, CentreLinesOfALeapMonthBirth) {
    CalendarDay day;
    day.LeapKind = 2;
    day.Pillars.SolarYearPillar = {7, 1};
    day.Pillars.SolarMonthPillar = {9, 7};
    birth = {};
    birth.SolarYear = 2020;
    birth.SolarMonth = 6;
    birth.SolarDay = 6;
    birth.LunarMonth = 4;
    birth.LunarDay = 15;
    birth.HourBranch = 1;
    birth.YearStem = 7;
    birth.YearBranch = 1;
    birth.MonthStem = 9;
    birth.MonthBranch = 7;
    birth.DayStem = 5;
    birth.DayBranch = 5;
    birth.HourStem = 9;
    birth.HourPillarBranch = 1;
    birth.LifeMaster = 9;
    birth.BodyMaster = 16;
    birth.DouJunBranch = 3;
    const CentreTexts centre =
        RunTextLines(birth, chart, day, names, {QString(), QStringLiteral("陽"), QStringLiteral("女")});
    EXPECT_EQ(centre.Label6_0, QStringLiteral("    "));
    EXPECT_EQ(centre.Label6_2, QStringLiteral("西元   2020 年  6 月  6 日 子 時生"));
    EXPECT_EQ(centre.Label6_3, QStringLiteral("陽女  庚子 年 閏四 月 十五 日 子 時生"));
    EXPECT_EQ(centre.Label6_4,
              QStringLiteral("命局:  火六局      命主:  貪狼        身主:  文曲        子年斗君: 寅"));
    EXPECT_EQ(centre.Label6_5, QStringLiteral("年柱:   庚子        月柱:   壬午        日柱:   戊辰        時柱:   壬子"));
}

// The centre's 四柱 against lunar-javascript's on every day whose 立春 year and
// lunar-new-year year differ (tests/calendar/reference/four_pillars.csv).
TEST_F(ChartFillTest, CentreFourPillarsReadAsOneWhereTheTwoYearsDiffer) {
    // Columns: day, lunar-new-year year, year from 立春, month, day, hour (午).
    const test::ReferenceList reference = test::ReadReference(VELMORA_CALENDAR_REFERENCE_DIR "/four_pillars.csv");
    ASSERT_GT(reference.rows.size(), 1400u);
    constexpr int kNoon = 12;
    for (const test::CsvRow& row : reference.rows) {
        const QDate date = QDate::fromString(QString::fromStdString(row[0]), Qt::ISODate);
        CalendarDay day;
        day.SolarYear = static_cast<std::int16_t>(date.year());
        day.SolarMonth = static_cast<std::int16_t>(date.month());
        day.SolarDay = static_cast<std::int16_t>(date.day());
        day.ClockHour = kNoon;
        CalcCalendar(day);
        CopyBirthMoment(day, birth);
        const QString expected = QStringLiteral("年柱:   %1        月柱:   %2        日柱:   %3        時柱:   %4")
                                     .arg(QString::fromStdString(row[2]), QString::fromStdString(row[3]),
                                          QString::fromStdString(row[4]), QString::fromStdString(row[5]));
        EXPECT_EQ(RunTextLines(birth, chart, day, names, {}).Label6_5, expected) << row[0];
    }
}

TEST(NumberTextTest, WritesABlankOrAMinusSign) {
    // Columns: number, text.
    const std::vector<std::pair<int, const char*>> rows{{35, " 35"}, {0, " 0"}, {-2, "-2"}, {116, " 116"}};
    for (const auto& [number, text] : rows) {
        EXPECT_EQ(NumberText(number), QLatin1String(text));
    }
}

}  // namespace
}  // namespace velmora
