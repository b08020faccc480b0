// The year tables as data, the record readers, civil-date arithmetic and the lunar texts.

#include <gtest/gtest.h>

#include <chrono>
#include <string_view>

#include "calendar/CalendarDay.h"
#include "calendar/CivilDate.h"
#include "calendar/JieDayTable.h"
#include "calendar/LunarText.h"
#include "calendar/LunarYearRecord.h"
#include "calendar/LunarYearTable.h"

namespace velmora {
namespace {

using std::chrono::sys_days;

TEST(LunarYearTable, EachYearsMonthsFillTheDaysToTheNextNewYear) {
    for (int year = kFirstTableYear; year < kLastTableYear; ++year) {
        const LunarYearRecord record = LunarYearRecord::Of(year);
        EXPECT_EQ(record.DayCount(), DaysBetween(record.NewYear(), LunarYearRecord::Of(year + 1).NewYear())) << year;
    }
}

TEST(LunarYearTable, RecordsAreWellFormed) {
    for (int year = kFirstTableYear; year <= kLastTableYear; ++year) {
        const std::string_view text = LunarYearTable[TableIndex(year)];
        EXPECT_EQ(text.substr(0, kLeapMonthPos).find_first_not_of("01"), std::string_view::npos) << year;
        const char leapDigit = text[kLeapMonthPos];
        EXPECT_TRUE(leapDigit == '0' || LeapMonthNumber(leapDigit) != 0) << year;
        if (leapDigit == '0') {
            EXPECT_EQ(text[kLeapLengthPos], '0') << year;  // no leap-month length without a leap month
        }
        const int newYearMonth = TwoDecimalDigits(text, kNewYearMonthPos);
        const int newYearDay = TwoDecimalDigits(text, kNewYearDayPos);
        const sys_days newYear = CivilDate(year, newYearMonth, newYearDay);
        // The lunar new year falls between 21 January and 20 February.
        EXPECT_GE(newYear, CivilDate(year, 1, 21)) << year;
        EXPECT_LE(newYear, CivilDate(year, 2, 20)) << year;
        EXPECT_EQ(NewYearDate(year), newYear) << year;
    }
}

TEST(LunarYearTable, LeapMonthsFollowTheMonthTheirDigitNames) {
    // year -> digit: the only letters, and the years whose leap month the tests pin elsewhere
    const struct { int year; char digit; } rows[] = {
        {1984, 'A'}, {2033, 'B'}, {2023, '2'}, {2020, '4'}, {1914, '5'}, {1920, '0'}, {2100, '0'}};
    for (const auto& row : rows) EXPECT_EQ(LunarYearRecord::Of(row.year).LeapDigit(), row.digit) << row.year;
    int letters = 0;
    for (const std::string_view text : LunarYearTable) letters += (text[kLeapMonthPos] >= 'A') ? 1 : 0;
    EXPECT_EQ(letters, 6);  // 1870, 1984, 2033, 2128, 2147, 2166
}

TEST(JieDayTable, EveryDigitIsADayFrom3To9) {
    for (int year = kFirstTableYear; year <= kLastTableYear; ++year) {
        for (const char digit : JieDayTable[TableIndex(year)]) {
            EXPECT_GE(digit, '3') << year;
            EXPECT_LE(digit, '9') << year;
        }
    }
}

TEST(LeapMonthNumber, ReadsHexadecimalDigitsUpToC) {
    // digit -> month the leap month follows (0: none)
    const struct { char digit; int month; } rows[] = {
        {'0', 0}, {'1', 1}, {'9', 9}, {'A', 10}, {'B', 11}, {'C', 12}, {'a', 10}, {'c', 12},
        {'D', 0}, {'F', 0}, {'G', 0}, {' ', 0}, {'\0', 0}, {'/', 0}};
    for (const auto& row : rows) EXPECT_EQ(LeapMonthNumber(row.digit), row.month) << row.digit;
}

TEST(CivilDate, CarriesOverflowForward) {
    // (year, month, day) as given -> the date it stands for
    const struct { int year, month, day; std::chrono::year_month_day expected; } rows[] = {
        {2001, 1, 32, std::chrono::year{2001} / 2 / 1},
        {2099, 12, 32, std::chrono::year{2100} / 1 / 1},
        {2000, 2, 30, std::chrono::year{2000} / 3 / 1},     // 2000 is a leap year
        {1900, 2, 29, std::chrono::year{1900} / 3 / 1},     // 1900 is not
        {1990, 4, 31, std::chrono::year{1990} / 5 / 1},
        {2001, 1, 0, std::chrono::year{2000} / 12 / 31},
        {2001, 13, 1, std::chrono::year{2002} / 1 / 1},
        {1984, 2, 2, std::chrono::year{1984} / 2 / 2}};
    for (const auto& row : rows) {
        EXPECT_EQ(CivilDate(row.year, row.month, row.day), sys_days{row.expected})
            << row.year << '-' << row.month << '-' << row.day;
    }
}

TEST(CivilDate, CountsDaysBetweenDates) {
    EXPECT_EQ(DaysBetween(CivilDate(1900, 1, 31), CivilDate(1901, 2, 19)), 384);
    EXPECT_EQ(DaysBetween(CivilDate(1901, 2, 19), CivilDate(1900, 1, 31)), -384);
    EXPECT_EQ(DaysBetween(CivilDate(1900, 2, 20), CivilDate(1949, 10, 1)) % 60, 0);  // both 甲子 days
    EXPECT_EQ(DaysBetween(CivilDate(1901, 1, 1), CivilDate(2100, 1, 1)), 72684);
}

TEST(LunarText, NamesMonthsAndDaysAndNothingOutOfRange) {
    // number -> month text, day text
    const struct { int number; std::string_view month, day; } rows[] = {
        {1, "正", "初一"}, {2, "二", "初二"}, {10, "十", "初十"}, {11, "十一", "十一"}, {12, "十二", "十二"},
        {13, "", "十三"}, {20, "", "二十"}, {21, "", "廿一"}, {29, "", "廿九"}, {30, "", "三十"},
        {0, "", ""}, {31, "", ""}, {-1, "", ""}};
    for (const auto& row : rows) {
        EXPECT_EQ(LunarMonthText(row.number), row.month) << row.number;
        EXPECT_EQ(LunarDayText(row.number), row.day) << row.number;
    }
}

}  // namespace
}  // namespace velmora
