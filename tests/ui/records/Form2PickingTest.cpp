// Picking the birth in the four combos: the lists each pick opens, the days
// of a month, and the lunar preview.

#include <QLabel>
#include <QLineEdit>

#include "tests/ui/records/RecordWindowFixture.h"

namespace velmora::testing {
namespace {

QString Preview(const Form2* form) { return form->findChild<QLabel*>(QStringLiteral("Label3"))->text(); }

TEST_F(RecordWindowTest, EachPickOpensTheNextComboWithItsList) {
    start();
    pickText(Form2::YearCombo, QStringLiteral("1990"));
    EXPECT_TRUE(combo(Form2::MonthCombo)->isEnabled());
    EXPECT_EQ(entries(Form2::MonthCombo), NumberList(1, 12));
    EXPECT_EQ(combo(Form2::MonthCombo)->maxVisibleItems(), 12);
    EXPECT_FALSE(combo(Form2::DayCombo)->isEnabled());
    pickText(Form2::MonthCombo, QStringLiteral("4"));
    EXPECT_TRUE(combo(Form2::DayCombo)->isEnabled());
    EXPECT_EQ(entries(Form2::DayCombo), NumberList(1, 30));
    EXPECT_EQ(combo(Form2::DayCombo)->maxVisibleItems(), 30);
    EXPECT_EQ(Preview(form2), QStringLiteral("陰曆"));
    pickText(Form2::DayCombo, QStringLiteral("30"));
    EXPECT_TRUE(combo(Form2::HourCombo)->isEnabled());
    EXPECT_EQ(entries(Form2::HourCombo),
              (QStringList{"子  (23:00-00:59)", "丑  (01:00-02:59)", "寅  (03:00-04:59)", "卯  (05:00-06:59)",
                           "辰  (07:00-08:59)", "巳  (09:00-10:59)", "午  (11:00-12:59)", "未  (13:00-14:59)",
                           "申  (15:00-16:59)", "酉  (17:00-18:59)", "戌  (19:00-20:59)", "亥  (21:00-22:59)"}));
    EXPECT_EQ(combo(Form2::HourCombo)->maxVisibleItems(), 12);
    EXPECT_EQ(form2->PickedYear(), QStringLiteral("1990"));
    EXPECT_EQ(form2->PickedMonth(), QStringLiteral("4"));
    EXPECT_EQ(form2->PickedDay(), QStringLiteral("30"));
}

TEST_F(RecordWindowTest, MonthLengthsFollowTheMonthAndTheGregorianLeapYear) {
    // Columns: year, month, days the day combo lists.
    const struct {
        int year;
        int month;
        int days;
    } rows[] = {{2000, 2, 29}, {2096, 2, 29}, {2001, 2, 28}, {2099, 2, 28}, {1904, 2, 29},
                {1990, 1, 31}, {1990, 4, 30}, {1990, 9, 30}, {1990, 12, 31}, {1990, 11, 30}};
    start();
    for (const auto& row : rows) {
        pickText(Form2::YearCombo, QString::number(row.year));
        pickText(Form2::MonthCombo, QString::number(row.month));
        EXPECT_EQ(entries(Form2::DayCombo), NumberList(1, row.days)) << row.year << "-" << row.month;
        EXPECT_EQ(combo(Form2::DayCombo)->maxVisibleItems(), row.days);
    }
}

TEST_F(RecordWindowTest, AMonthPickAfterADayClearsTheDayAndThePreviewReadsLunar) {
    start();
    pickBirth(1990, 5, 3, 6);
    ASSERT_NE(Preview(form2), QStringLiteral("陰曆"));
    pickText(Form2::MonthCombo, QStringLiteral("6"));
    EXPECT_EQ(combo(Form2::DayCombo)->currentIndex(), -1);
    EXPECT_EQ(Preview(form2), QStringLiteral("陰曆"));
    EXPECT_EQ(form2->PickedDay(), QStringLiteral("3"));  // the last pick is kept, though not shown
    pickText(Form2::DayCombo, QStringLiteral("3"));
    EXPECT_EQ(Preview(form2), QStringLiteral("陰曆  庚午年 五月 十一日 "));
}

TEST_F(RecordWindowTest, AYearPickRebuildsFebruaryAndClearsADayItLacks) {
    start();
    pickBirth(2000, 2, 29, 0);
    pickText(Form2::YearCombo, QStringLiteral("2001"));
    EXPECT_EQ(entries(Form2::DayCombo), NumberList(1, 28));
    EXPECT_EQ(combo(Form2::DayCombo)->currentIndex(), -1);
    EXPECT_EQ(Preview(form2), QStringLiteral("陰曆"));

    pickText(Form2::DayCombo, QStringLiteral("28"));
    pickText(Form2::YearCombo, QStringLiteral("2004"));
    EXPECT_EQ(entries(Form2::DayCombo), NumberList(1, 29));
    EXPECT_EQ(combo(Form2::DayCombo)->currentText(), QStringLiteral("28"));
    EXPECT_EQ(Preview(form2), QStringLiteral("陰曆  甲申年 二月 初九日 "));
}

TEST_F(RecordWindowTest, PreviewNamesTheLunarDateOfThePickedDay) {
    // Columns: Gregorian year, month, day; the preview.
    const struct {
        int year;
        int month;
        int day;
        const char* preview;
    } rows[] = {
        {2000, 1, 1, "陰曆  己卯年 十一月 廿五日 "},   {1984, 2, 2, "陰曆  甲子年 正月 初一日 "},
        {1984, 11, 23, "陰曆  甲子年 閏十月 初一日 "}, {2023, 4, 19, "陰曆  癸卯年 閏二月 廿九日 "},
        {1902, 1, 1, "陰曆  辛丑年 十一月 廿二日 "},   {2099, 12, 31, "陰曆  己未年 十一月 二十日 "},
    };
    start();
    for (const auto& row : rows) {
        pickBirth(row.year, row.month, row.day, 0);
        EXPECT_EQ(Preview(form2), QString::fromUtf8(row.preview)) << row.year << "-" << row.month << "-" << row.day;
    }
}

// At 23:30 the main window holds the late 子 period, which counts as the next
// day; the preview converts the picked day itself and leaves the main
// window's calendar as it was.
TEST_F(RecordWindowTest, PreviewConvertsThePickedDayWhateverHourTheMainWindowHolds) {
    start({}, QDateTime(QDate(2024, 1, 31), QTime(23, 30)));
    const CalendarDay before = form1->session().calendar;
    ASSERT_EQ(before.ClockHour, 23);
    pickBirth(2000, 1, 1, 0);
    EXPECT_EQ(Preview(form2), QStringLiteral("陰曆  己卯年 十一月 廿五日 "));
    EXPECT_EQ(form1->session().calendar, before);
}

}  // namespace
}  // namespace velmora::testing
