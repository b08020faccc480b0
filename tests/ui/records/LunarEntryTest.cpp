// The record window's 農曆 entry: the lunar months and days it lists, the
// Gregorian combos it fills, and a record stored from it as from them.

#include <QCheckBox>
#include <QLabel>

#include "tests/ui/records/RecordWindowFixture.h"
#include "calendar/LunarText.h"
#include "ui/common/LunarDatePicker.h"

namespace velmora::testing {
namespace {

class LunarEntryTest : public RecordWindowTest {
public:
    LunarDatePicker& picker() const { return *find<LunarDatePicker>(QStringLiteral("LunarPicker")); }
    QStringList lunarEntries(LunarDatePicker::Part part) const {
        QStringList texts;
        for (int i = 0; i < picker().combo(part)->count(); ++i) texts.append(picker().combo(part)->itemText(i));
        return texts;
    }
    void pickLunar(LunarDatePicker::Part part, const QString& text) {
        const int index = picker().combo(part)->findText(text, Qt::MatchExactly);
        ASSERT_GE(index, 0) << text.toStdString();
        emit picker().combo(part)->activated(index);
    }
    void chooseLunar() { find<QCheckBox>(QStringLiteral("LunarChoice"))->setChecked(true); }
};

TEST_F(LunarEntryTest, MonthsListTheLeapMonthAfterItsOwnAndDaysFollowTheMonthAndTheRange) {
    // Columns: lunar year, month picked, months listed (abridged: count and the
    // entries around the leap month), days listed.
    const struct {
        const char* year;
        const char* month;
        int monthCount;
        const char* afterFourth;  // the entry after 四月
        int dayCount;
        const char* lastDay;
    } rows[] = {
        {"2020", "閏四月", 13, "閏四月", 29, "廿九"},  // leap month after month 4
        {"2021", "五月", 12, "五月", 30, "三十"},      // no leap month
        {"2023", "閏二月", 13, "五月", 29, "廿九"},
        {"2200", "十一月", 11, "五月", 25, "廿五"},    // the last record day, 2200-12-31, is 十一月廿五
        {"1799", "十二月", 1, "", 24, "三十"},         // 1800-01-01 is 十二月初七 of lunar 1799
    };
    start();
    chooseLunar();
    EXPECT_EQ(lunarEntries(LunarDatePicker::Year).first(), QStringLiteral("1799"));
    EXPECT_EQ(lunarEntries(LunarDatePicker::Year).last(), QStringLiteral("2200"));
    for (const auto& row : rows) {
        pickLunar(LunarDatePicker::Year, QString::fromUtf8(row.year));
        const QStringList months = lunarEntries(LunarDatePicker::Month);
        EXPECT_EQ(months.size(), row.monthCount) << row.year;
        const qsizetype fourth = months.indexOf(QStringLiteral("四月"));
        if (fourth >= 0) {
            EXPECT_EQ(months.value(fourth + 1), QString::fromUtf8(row.afterFourth)) << row.year;
        }
        pickLunar(LunarDatePicker::Month, QString::fromUtf8(row.month));
        EXPECT_EQ(lunarEntries(LunarDatePicker::Day).size(), row.dayCount) << row.year << row.month;
        EXPECT_EQ(lunarEntries(LunarDatePicker::Day).last(), QString::fromUtf8(row.lastDay)) << row.year;
    }
}

TEST_F(LunarEntryTest, ALunarDatePickedFillsTheGregorianCombosAndIsStoredAsThem) {
    start();
    chooseLunar();
    EXPECT_FALSE(find<QLabel>(QStringLiteral("Label3"))->isVisible());
    pickLunar(LunarDatePicker::Year, QStringLiteral("2020"));
    pickLunar(LunarDatePicker::Month, QStringLiteral("閏四月"));
    pickLunar(LunarDatePicker::Day, QStringLiteral("十五"));
    EXPECT_EQ(form2->PickedYear(), QStringLiteral("2020"));
    EXPECT_EQ(form2->PickedMonth(), QStringLiteral("6"));
    EXPECT_EQ(form2->PickedDay(), QStringLiteral("6"));
    EXPECT_TRUE(combo(Form2::HourCombo)->isEnabled());
    pickText(Form2::HourCombo, kHorse);
    typeName(QStringLiteral("丙"));
    press(1);
    EXPECT_EQ(userFile(), UserBytes({QStringLiteral("丙\t男\t2020\t6\t6\t") + kHorse}));
}

TEST_F(LunarEntryTest, ARecordPickedFromTheListShowsItsLunarDate) {
    // Columns: User line, the lunar year, month and day the entry shows.
    start({kA, kB});
    chooseLunar();
    const struct {
        int row;
        const char* year;
        const char* month;
        const char* day;
    } rows[] = {{0, "1990", "四月", "初九"}, {1, "1991", "四月", "廿二"}};
    for (const auto& row : rows) {
        clickRow(row.row);
        EXPECT_EQ(picker().combo(LunarDatePicker::Year)->currentText(), QString::fromUtf8(row.year));
        EXPECT_EQ(picker().combo(LunarDatePicker::Month)->currentText(), QString::fromUtf8(row.month));
        EXPECT_EQ(picker().combo(LunarDatePicker::Day)->currentText(), QString::fromUtf8(row.day));
    }
    find<QCheckBox>(QStringLiteral("LunarChoice"))->setChecked(false);
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label3"))->isVisible());
    EXPECT_FALSE(picker().isVisible());
}

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The notices of the day the window would store: the uncertain span
// 2057-09-28 .. 2057-10-27 is lunar 九月 of 2057, which opens on its first day;
// 1911-12-31 is 十一月十二 of lunar 1911, the last day before 1912.
TEST_F(LunarEntryTest, TheCalendarNoticesFollowTheLunarDateEnteredNotTheLastGregorianPick) {
    // Columns: the Gregorian day picked first (its notices are to go), the lunar
    // year, month and day entered then, the Gregorian day they are, notice, note;
    // a month picked last whose days end before the day (nullptr: none), which
    // leaves no whole date, so no day to store and no notices.
    const struct {
        int pickedYear;
        const char* year;
        const char* month;
        const char* day;
        QDate stored;
        bool notice;
        bool note;
        const char* thenMonth;
    } rows[] = {
        {2057, "2057", "八月", "廿九", QDate(2057, 9, 27), false, false, nullptr},
        {1911, "2057", "九月", "初一", QDate(2057, 9, 28), true, false, nullptr},
        {1911, "2057", "九月", "三十", QDate(2057, 10, 27), true, false, nullptr},
        {1911, "2057", "九月", "三十", QDate(2057, 10, 27), true, false, "八月"},  // 八月 has 29 days
        {2057, "2057", "十月", "初一", QDate(2057, 10, 28), false, false, nullptr},
        {2057, "1911", "十一月", "十二", QDate(1911, 12, 31), false, true, nullptr},
        {1911, "1911", "十一月", "十三", QDate(1912, 1, 1), false, false, nullptr},
    };
    const auto shown = [this](const char* name) {
        const QLabel* label = find<QLabel>(QLatin1String(name));
        return label->isVisibleTo(form2) ? label->text().remove(QLatin1Char('\n')) : QString();
    };
    start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored.toString(Qt::ISODate).toStdString());
        find<QCheckBox>(QStringLiteral("LunarChoice"))->setChecked(false);
        // A Gregorian day whose notices differ from the row's: 2057-10-01 or 1911-06-01.
        pickBirth(row.pickedYear, row.pickedYear == 2057 ? 10 : 6, 1, 6);
        chooseLunar();
        pickLunar(LunarDatePicker::Year, QString::fromUtf8(row.year));
        pickLunar(LunarDatePicker::Month, QString::fromUtf8(row.month));
        pickLunar(LunarDatePicker::Day, QString::fromUtf8(row.day));
        EXPECT_EQ(QDate(form2->PickedYear().toInt(), form2->PickedMonth().toInt(), form2->PickedDay().toInt()),
                  row.stored);
        EXPECT_EQ(shown("CalendarNotice"), row.notice ? Utf8(kUncertainDayNotice) : QString());
        EXPECT_EQ(shown("CalendarNote"), row.note ? Utf8(kQingAlmanacNote) : QString());
        if (row.thenMonth == nullptr) continue;
        pickLunar(LunarDatePicker::Month, QString::fromUtf8(row.thenMonth));
        EXPECT_EQ(combo(Form2::DayCombo)->currentIndex(), -1);
        EXPECT_EQ(shown("CalendarNotice"), QString());
        EXPECT_EQ(shown("CalendarNote"), QString());
    }
}

}  // namespace
}  // namespace velmora::testing
