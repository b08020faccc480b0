// The record window as it opens: its controls, and User read into the list,
// malformed lines included.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "tests/ui/records/RecordWindowFixture.h"
#include "ui/records/Form2Moment.h"
#include "ui/common/Twips.h"

namespace velmora::testing {
namespace {


TEST_F(RecordWindowTest, OpensAtStartWhenUserExistsWithTheMainWindowDisabled) {
    start();
    ASSERT_NE(form2, nullptr);
    EXPECT_FALSE(form1->isEnabled());
    EXPECT_EQ(form2->windowTitle(), QStringLiteral("排盤"));
    // The birth-moment panel adds its rows below the original area.
    EXPECT_EQ(form2->size(), TwipSize(6375, 8130 + kMomentPanelHeight));
    EXPECT_EQ(form2->minimumSize(), form2->maximumSize());
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
    EXPECT_EQ(find<QRadioButton>(QStringLiteral("Option1_1"))->text(), QStringLiteral("女"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("輸入陽曆可轉換陰曆"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label3"))->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label1_1"))->text(),
              QStringLiteral("生日資料 西元             年            月          日            時"));
    const QStringList placeholders{QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"),
                                   QStringLiteral("時")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(combo(i)->placeholderText(), placeholders[i]);
        EXPECT_EQ(combo(i)->currentIndex(), -1);
        EXPECT_EQ(combo(i)->isEnabled(), i == 0) << i;
    }
    const QStringList captions{QStringLiteral("輸入"), QStringLiteral("修改"), QStringLiteral("刪除"),
                               QStringLiteral("確定")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(find<QPushButton>(QStringLiteral("Command%1").arg(i + 1))->text(), captions[i]);
    }
}

TEST_F(RecordWindowTest, ListHasSixColumnsWithTheirHeadersAndWidths) {
    start();
    auto* list = find<QTreeWidget>(QStringLiteral("ListView1"));
    // Columns: header, width in twips.
    const std::vector<std::pair<QString, int>> columns{{QStringLiteral("姓名"), 1425}, {QStringLiteral("性別"), 700},
                                                       {QStringLiteral("西元"), 700},  {QStringLiteral("月"), 600},
                                                       {QStringLiteral("日"), 600},    {QStringLiteral("時"), 2025}};
    ASSERT_EQ(list->columnCount(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(list->headerItem()->text(i), columns[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(list->columnWidth(i), TwipsToPixels(columns[static_cast<std::size_t>(i)].second));
    }
}

TEST_F(RecordWindowTest, EmptyFileGivesAnEmptyListAGreyedHintAndNoChangeOrDelete) {
    start();
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_FALSE(find<QLabel>(QStringLiteral("Label2"))->isEnabled());
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("Command2"))->isEnabled());
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("Command3"))->isEnabled());
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("Command1"))->isEnabled());
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("Command4"))->isEnabled());
    EXPECT_TRUE(boxes->shown().empty());
}

TEST_F(RecordWindowTest, RecordsListInFileOrderAndEnableTheHintChangeAndDelete) {
    start(QStringList{QStringLiteral("王小明\t男\t1990\t5\t3\t") + kHorse, QStringLiteral("陳美\t女\t2000\t2\t29\t") + kRat});
    EXPECT_EQ(listRows(), (QStringList{QStringLiteral("王小明|男|1990|5|3|") + kHorse,
                                       QStringLiteral("陳美|女|2000|2|29|") + kRat}));
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label2"))->isEnabled());
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("Command2"))->isEnabled());
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("Command3"))->isEnabled());
    // The hint names the button that charts the record, as it is captioned.
    const QString charting = QStringLiteral("【") + find<QPushButton>(QStringLiteral("Command4"))->text() + QStringLiteral("】");
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label2"))->text().contains(charting));
}

TEST_F(RecordWindowTest, YearComboOffers1800To2200InThirtyRows) {
    start();
    const QStringList years = entries(Form2::YearCombo);
    ASSERT_EQ(years.size(), 401);
    EXPECT_EQ(years.first(), QStringLiteral("1800"));
    EXPECT_EQ(years.last(), QStringLiteral("2200"));
    EXPECT_FALSE(years.contains(QStringLiteral("1799")));
    EXPECT_EQ(combo(Form2::YearCombo)->maxVisibleItems(), 30);
}

TEST_F(RecordWindowTest, BlankLinesAreSkipped) {
    folder_.write(QStringLiteral("User"), UserBytes({QStringLiteral("A\t男\t1990\t5\t3\t") + kHorse}) + "\r\n\r\n" +
                                              UserBytes({QStringLiteral("B\t女\t1991\t6\t4\t") + kRat}) + "\r\n");
    startAsIs();
    EXPECT_EQ(listRows().size(), 2);
}

// Lines the combos cannot offer are listed as they stand.
TEST_F(RecordWindowTest, MalformedLinesAreListedAsTheyStand) {
    const QStringList lines{
        QStringLiteral("短\t男\t1990"),
        QStringLiteral("早\t男\t1799\t5\t3\t") + kHorse,
        QStringLiteral("晚\t女\t2201\t5\t3\t") + kHorse,
        QStringLiteral("月\t女\t1990\t13\t3\t") + kHorse,
        QStringLiteral("日\t女\t1990\t4\t31\t") + kHorse,
        QStringLiteral("時\t男\t1990\t5\t3\t午時"),
    };
    start(lines);
    const QStringList rows = listRows();
    ASSERT_EQ(rows.size(), lines.size());
    EXPECT_EQ(rows[0], QStringLiteral("短|男|1990|||"));
    for (int i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(rows[i], QString(lines[i]).replace(QLatin1Char('\t'), QLatin1Char('|')));
    }
}

TEST_F(RecordWindowTest, ASevenPieceLineLoadsItsFirstSix) {
    start(QStringList{QStringLiteral("甲\t男\t1990\t5\t3\t") + kHorse + QStringLiteral("\t備註")});
    EXPECT_EQ(listRows(), QStringList{QStringLiteral("甲|男|1990|5|3|") + kHorse});
}

// Coming back from another of the program's windows starts a new entry; coming
// back from one of the window's own notices keeps what was typed.
TEST_F(RecordWindowTest, ActivationFromAnotherWindowEmptiesTheNameBoxButANoticeDoesNot) {
    start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2.data()));
    pickBirth(1990, 5, 3, 6);
    typeName(QStringLiteral("甲"));

    QMessageBox notice(QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("x"), QMessageBox::Ok, form2);
    notice.show();
    notice.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&notice));
    notice.close();
    form2->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2.data()));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("甲"));
    EXPECT_TRUE(combo(Form2::HourCombo)->isEnabled());

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form2->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2.data()));
    EXPECT_TRUE(find<QLineEdit>(QStringLiteral("Text1"))->text().isEmpty());
    EXPECT_FALSE(combo(Form2::MonthCombo)->isEnabled());
    EXPECT_FALSE(combo(Form2::HourCombo)->isEnabled());
    EXPECT_EQ(combo(Form2::HourCombo)->currentIndex(), 6);  // selections stay
}

}  // namespace
}  // namespace velmora::testing
