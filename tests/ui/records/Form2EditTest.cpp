// "輸入", "修改" and "刪除": the list, the file rewritten at once, and input
// refused before anything is stored.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTreeWidget>

#include <functional>

#include "tests/ui/records/RecordWindowFixture.h"

namespace velmora::testing {
namespace {

const QString kC = QStringLiteral("丙\t男\t1992\t7\t5\t") + kHorse;

TEST_F(RecordWindowTest, AddAppendsTheRecordAndRewritesUser) {
    start({kA});
    typeName(QStringLiteral("林大同"));
    find<QRadioButton>(QStringLiteral("Option1_1"))->setChecked(true);
    pickBirth(2000, 2, 29, 0);
    press(1);
    EXPECT_EQ(listRows().last(), QStringLiteral("林大同|女|2000|2|29|") + kRat);
    EXPECT_EQ(userFile(), UserBytes({kA, QStringLiteral("林大同\t女\t2000\t2\t29\t") + kRat}));
    EXPECT_TRUE(boxes->shown().empty());
}

// After an add the name box is empty and the month, day and period combos
// are off; the year combo and every selection stay.
TEST_F(RecordWindowTest, AddLeavesTheInputsReadyForTheNextName) {
    start();
    typeName(QStringLiteral("甲"));
    pickBirth(1990, 5, 3, 6);
    press(1);
    EXPECT_TRUE(find<QLineEdit>(QStringLiteral("Text1"))->text().isEmpty());
    EXPECT_TRUE(combo(Form2::YearCombo)->isEnabled());
    for (int i = Form2::MonthCombo; i <= Form2::HourCombo; ++i) {
        EXPECT_FALSE(combo(i)->isEnabled()) << i;
        EXPECT_GE(combo(i)->currentIndex(), 0) << i;
    }
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("Command2"))->isEnabled());
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label2"))->isEnabled());
    typeName(QStringLiteral("乙"));
    press(1);  // the same birth under another name
    EXPECT_EQ(userFile(), UserBytes({kA, QStringLiteral("乙\t男\t1990\t5\t3\t") + kHorse}));
}

// Each record the window writes gets an id piece once: an added record a
// new one, a record from an older hand at its first change; a second change
// keeps it.
TEST_F(RecordWindowTest, TheWindowGivesEachRecordItWritesOneLastingId) {
    static const QRegularExpression kId(QStringLiteral("\\tid=([0-9a-f-]{36})\\r"));
    start({kA});
    typeName(QStringLiteral("丁"));
    pickBirth(1992, 7, 6, 6);
    press(1);
    QStringList ids;
    for (int step = 0; step < 3; ++step) {
        clickRow(step == 0 ? 0 : 1);
        typeName(QStringLiteral("丁%1").arg(step));
        press(2);
        QStringList now;
        for (const auto& match : kId.globalMatch(QString::fromLatin1(userFileAsIs()))) now.append(match.captured(1));
        ASSERT_EQ(now.size(), 2) << userFileAsIs().toStdString();
        if (step > 0) {
            EXPECT_EQ(now, ids) << "a change kept the ids";
        }
        ids = now;
    }
    EXPECT_NE(ids[0], ids[1]);
}

TEST_F(RecordWindowTest, SelectingARecordFillsTheInputs) {
    start({kA, kB});
    clickRow(1);
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("乙"));
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
    const QStringList shown{QStringLiteral("1991"), QStringLiteral("6"), QStringLiteral("4"), kRat};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(combo(i)->isEnabled()) << i;
        EXPECT_EQ(combo(i)->currentText(), shown[i]) << i;
    }
    EXPECT_EQ(combo(Form2::HourCombo)->currentIndex(), 0);
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("陰曆  辛未年 四月 廿二日 "));
    clickRow(0);
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
    EXPECT_EQ(combo(Form2::HourCombo)->currentText(), kHorse);
}

TEST_F(RecordWindowTest, ChangeOfTheThirdRecordKeepsTheCaptionAndRewritesUser) {
    start({kA, kB, kC});
    clickRow(2);
    typeName(QStringLiteral("丁"));
    pickText(Form2::DayCombo, QStringLiteral("6"));
    press(2);
    EXPECT_EQ(form2->windowTitle(), QStringLiteral("排盤"));
    EXPECT_EQ(listRows()[2], QStringLiteral("丁|男|1992|7|6|") + kHorse);
    EXPECT_EQ(userFile(), UserBytes({kA, kB, QStringLiteral("丁\t男\t1992\t7\t6\t") + kHorse}));
}

TEST_F(RecordWindowTest, ChangeWithNothingAlteredWritesTheFileBackByteForByte) {
    start({kA, QStringLiteral("王小明\t女\t2000\t2\t29\t") + kRat, kC});
    const QByteArray before = userFile();
    clickRow(1);
    press(2);
    EXPECT_EQ(userFile(), before);
}

TEST_F(RecordWindowTest, DeleteRemovesTheSelectedRecordAndRewritesUserAtOnce) {
    start({kA, kB});
    clickRow(0);
    press(3);
    EXPECT_EQ(listRows(), QStringList{QStringLiteral("乙|女|1991|6|4|") + kRat});
    EXPECT_EQ(userFile(), UserBytes({kB}));
    // The one question, answered OK by default.
    EXPECT_EQ(notices(), QStringList{QStringLiteral("提示:確定刪除「甲」？")});
    EXPECT_TRUE(find<QTreeWidget>(QStringLiteral("ListView1"))->selectedItems().isEmpty());

    clickRow(0);
    press(3);
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_TRUE(userFile().isEmpty());
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("Command2"))->isEnabled());
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("Command3"))->isEnabled());
    EXPECT_FALSE(find<QLabel>(QStringLiteral("Label2"))->isEnabled());
}

TEST_F(RecordWindowTest, ChangeOrDeleteWithNoRecordSelectedTellsAndKeepsEverything) {
    start({kA, kB});
    const QByteArray before = userFile();
    press(2);
    press(3);
    ASSERT_EQ(boxes->shown().size(), 2U);
    EXPECT_EQ(boxes->shown()[0].title, QStringLiteral("提示"));
    EXPECT_TRUE(boxes->shown()[0].text.contains(QStringLiteral("修改")));
    EXPECT_TRUE(boxes->shown()[1].text.contains(QStringLiteral("刪除")));
    EXPECT_EQ(listRows().size(), 2);
    EXPECT_EQ(userFile(), before);
    EXPECT_EQ(form2->windowTitle(), QStringLiteral("排盤"));
}

TEST_F(RecordWindowTest, AddAndChangeRefuseABirthNotFullyPicked) {
    const auto year = [](RecordWindowTest& t) { t.pickText(Form2::YearCombo, QStringLiteral("1990")); };
    const auto noHour = [](RecordWindowTest& t) {
        t.pickText(Form2::YearCombo, QStringLiteral("1990"));
        t.pickText(Form2::MonthCombo, QStringLiteral("5"));
        t.pickText(Form2::DayCombo, QStringLiteral("3"));
    };
    const auto monthAgain = [](RecordWindowTest& t) {
        t.pickBirth(1990, 5, 3, 6);
        t.pickText(Form2::MonthCombo, QStringLiteral("6"));
    };
    // Columns: entry before the press, the phrase naming what is missing.
    const std::vector<std::pair<std::function<void(RecordWindowTest&)>, QString>> rows{
        {[](RecordWindowTest&) {}, QStringLiteral("沒有選擇年份、月份、日期、時辰")},
        {year, QStringLiteral("沒有選擇月份、日期、時辰")},
        {noHour, QStringLiteral("沒有選擇時辰")},
        {monthAgain, QStringLiteral("沒有選擇日期")},
    };
    for (const int command : {1, 2}) {
        for (const auto& [enter, phrase] : rows) {
            start({kA});
            clickRow(0);
            for (int i = 0; i < 4; ++i) {
                form2->pick(i, -1);  // start from nothing picked
            }
            enter(*this);
            typeName(QStringLiteral("丙"));
            press(command);
            ASSERT_EQ(boxes->shown().size(), 1U) << phrase.toStdString();
            EXPECT_EQ(boxes->shown()[0].title, QStringLiteral("提示"));
            EXPECT_TRUE(boxes->shown()[0].text.contains(phrase)) << boxes->shown()[0].text.toStdString();
            EXPECT_EQ(listRows(), QStringList{QStringLiteral("甲|男|1990|5|3|") + kHorse});
            EXPECT_EQ(userFile(), UserBytes({kA}));
            EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("丙"));
            EXPECT_EQ(form2->windowTitle(), QStringLiteral("排盤"));
            form1.reset();
        }
    }
}

TEST_F(RecordWindowTest, AddAndChangeRefuseNamesUserCannotHold) {
    // Columns: name, phrase of the notice.
    const std::vector<std::pair<QString, QString>> rows{
        {QStringLiteral("甲\t乙"), QStringLiteral("定位字元")},
        {QStringLiteral("甲\n乙"), QStringLiteral("換行字元")},
        {QStringLiteral("甲\r乙"), QStringLiteral("換行字元")},
        {QStringLiteral("김철수"), QStringLiteral("Big5 無法儲存的字")},
        {QStringLiteral("王\U0001F600"), QStringLiteral("Big5 無法儲存的字")},
    };
    for (const int command : {1, 2}) {
        for (const auto& [name, phrase] : rows) {
            start({kA});
            clickRow(0);
            typeName(name);
            press(command);
            ASSERT_EQ(boxes->shown().size(), 1U);
            EXPECT_EQ(boxes->shown()[0].title, QStringLiteral("提示"));
            EXPECT_TRUE(boxes->shown()[0].text.contains(QStringLiteral("姓名")));
            EXPECT_TRUE(boxes->shown()[0].text.contains(phrase)) << boxes->shown()[0].text.toStdString();
            EXPECT_EQ(listRows().size(), 1);
            EXPECT_EQ(userFile(), UserBytes({kA}));
            form1.reset();
        }
    }
}

}  // namespace
}  // namespace velmora::testing
