// "確定" and the main window: when the record window opens, what a charted
// record sets there, and the time layers following the date afterwards.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <functional>
#include <vector>

#include "tests/ui/records/RecordWindowFixture.h"
#include "ui/common/ArrowSpinner.h"
#include "ui/common/RowLabel.h"
#include "ui/board/PalaceBoard.h"
#include "ui/chartio/ChartCommands.h"

namespace velmora::testing {
namespace {


QString MainLabel(Form1& form, const QString& name) { return form.findChild<QLabel*>(name)->text(); }

// The flowing-star line of the palace on branch index b (0 子 .. 11 亥).
QString FlowingLine(Form1& form, int b) { return form.board().palaceLabel(board::PalaceSet::LAB02, b)->text(); }

TEST_F(RecordWindowTest, ConfirmWithTheHourEmptyKeepsTheWindowOpenAndTheMainWindowDisabled) {
    start();
    pickText(Form2::YearCombo, QStringLiteral("1990"));
    pickText(Form2::MonthCombo, QStringLiteral("5"));
    pickText(Form2::DayCombo, QStringLiteral("3"));
    press(4);
    settle();
    ASSERT_NE(form2, nullptr);
    EXPECT_TRUE(form2->isVisible());
    EXPECT_FALSE(form1->isEnabled());
    EXPECT_EQ(form1->session().RecordLoaded, 0);
    ASSERT_EQ(boxes->shown().size(), 1U);
    EXPECT_EQ(boxes->shown()[0].title, QStringLiteral("提示"));
    EXPECT_TRUE(boxes->shown()[0].text.contains(QStringLiteral("沒有選擇時辰")));
}

TEST_F(RecordWindowTest, ConfirmChartsTheRecordOnTheMainWindowAndCloses) {
    start({QStringLiteral("陳美\t女\t1990\t5\t3\t") + kHorse}, QDateTime(QDate(2024, 1, 31), QTime(13, 20)));
    clickRow(0);
    press(4);
    settle();
    EXPECT_EQ(form2, nullptr);  // closed and gone
    EXPECT_TRUE(form1->isEnabled());
    const Session& session = form1->session();
    EXPECT_EQ(session.RecordLoaded, 1);
    EXPECT_EQ(session.PersonName, QStringLiteral("陳美"));
    EXPECT_EQ(session.birth.Gender, 0);
    EXPECT_EQ(session.birth.SolarYear, 1990);
    EXPECT_EQ(session.birth.SolarMonth, 5);
    EXPECT_EQ(session.birth.SolarDay, 3);
    EXPECT_EQ(session.birth.ClockHour, 12);
    EXPECT_EQ(session.birth.YearStem, 7);  // 庚午
    EXPECT_TRUE(form1->findChild<QRadioButton*>(QStringLiteral("Option2_0"))->isChecked());
    EXPECT_EQ(session.LayerIndex, 0);
    // Today's date and period in the date inputs, as at start-up.
    EXPECT_EQ(MainLabel(*form1, QStringLiteral("Label3_0")), QStringLiteral("2024"));
    EXPECT_EQ(MainLabel(*form1, QStringLiteral("Label3_1")), QStringLiteral("1"));
    EXPECT_EQ(MainLabel(*form1, QStringLiteral("Label3_2")), QStringLiteral("31"));
    EXPECT_EQ(MainLabel(*form1, QStringLiteral("Label3_3")), QStringLiteral("未  (13:00-14:59)"));
    EXPECT_EQ(session.calendar.SolarYear, 2024);
    // Lunar 1990 to lunar 2023: nominal age 34.
    EXPECT_EQ(MainLabel(*form1, QStringLiteral("Label6_1")), QStringLiteral(" 34 歲"));
    EXPECT_TRUE(MainLabel(*form1, QStringLiteral("Label6_0")).contains(QStringLiteral("陳美")) ||
                MainLabel(*form1, QStringLiteral("Label6_2")).contains(QStringLiteral("陳美")));
}

TEST_F(RecordWindowTest, ARatRecordChartsTheEarlyRatPeriodOfItsStoredDay) {
    start({QStringLiteral("甲\t男\t1985\t2\t4\t") + kRat});
    clickRow(0);
    EXPECT_EQ(combo(Form2::HourCombo)->currentIndex(), 0);
    press(4);
    const BirthInput& birth = form1->session().birth;
    EXPECT_EQ(birth.ClockHour, 0);
    EXPECT_EQ(birth.SolarDay, 4);
    EXPECT_EQ(birth.HourBranch, 1);
    EXPECT_EQ(birth.LunarDay, 15);  // 1985-02-04 is the 15th of the twelfth month; the 5th would be the 16th
    EXPECT_EQ(birth.Gender, 1);
}

TEST_F(RecordWindowTest, ConfirmRefusesAMalformedRecordNamingTheBadField) {
    // Columns: the stored line, the phrase of the notice.
    const std::vector<std::pair<QString, QString>> rows{
        {QStringLiteral("甲\t男\t1799\t5\t3\t") + kHorse, QStringLiteral("年份「1799」")},
        {QStringLiteral("甲\t男\t2201\t5\t3\t") + kHorse, QStringLiteral("年份「2201」")},
        {QStringLiteral("甲\t男\t1990\t13\t3\t") + kHorse, QStringLiteral("月份「13」")},
        {QStringLiteral("甲\t男\t1990\t4\t31\t") + kHorse, QStringLiteral("日期「31」")},
        {QStringLiteral("甲\t男\t2001\t2\t29\t") + kHorse, QStringLiteral("日期「29」")},
        {QStringLiteral("甲\t男\t1990\t5\t3\t午時"), QStringLiteral("時辰「午時」")},
        {QStringLiteral("甲\t男\t1990\t5\t3"), QStringLiteral("這筆資料沒有時辰")},
        {QStringLiteral("甲\t男\t1990\t05\t3\t") + kHorse, QStringLiteral("月份「05」")},
    };
    for (const auto& [line, phrase] : rows) {
        start({line});
        clickRow(0);
        press(4);
        ASSERT_EQ(boxes->shown().size(), 1U) << line.toStdString();
        EXPECT_TRUE(boxes->shown()[0].text.contains(phrase)) << boxes->shown()[0].text.toStdString();
        EXPECT_TRUE(form2 != nullptr && form2->isVisible());
        EXPECT_EQ(form1->session().RecordLoaded, 0);
        EXPECT_FALSE(form1->isEnabled());
        form1.reset();
    }
}

// What can be filled is filled; picking the bad part by hand makes it chartable.
TEST_F(RecordWindowTest, AMalformedRecordFillsWhatItCanAndChartsOnceRepaired) {
    start({QStringLiteral("甲\t女\t1990\t5\t3\t午時")});
    clickRow(0);
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("甲"));
    EXPECT_EQ(combo(Form2::DayCombo)->currentText(), QStringLiteral("3"));
    EXPECT_EQ(combo(Form2::HourCombo)->currentIndex(), -1);
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("陰曆  庚午年 四月 初九日 "));
    pickText(Form2::HourCombo, kHorse);
    press(4);
    EXPECT_TRUE(boxes->shown().empty());
    EXPECT_EQ(form1->session().RecordLoaded, 1);
}

TEST_F(RecordWindowTest, ClosingTheWindowEnablesTheMainWindow) {
    start();
    ASSERT_FALSE(form1->isEnabled());
    form2->close();
    EXPECT_TRUE(form1->isEnabled());
    settle();
    EXPECT_EQ(form2, nullptr);
}

// 排盤 over a charted record, then the record window closed without charting
// another: the board's record stays charted, its layers and commands live.
TEST_F(RecordWindowTest, ClosingTheWindowAnyWayLeavesTheChartLive) {
    constexpr int kFlowingMonth = 4;
    // Columns: how the record window is closed.
    const std::vector<std::pair<const char*, std::function<void(RecordWindowTest&)>>> ways{
        {"Escape", [](RecordWindowTest& t) { QTest::keyClick(t.form2, Qt::Key_Escape); }},
        {"TitleBarClose", [](RecordWindowTest& t) { t.form2->close(); }},
        {"ConfirmUnchanged", [](RecordWindowTest& t) { t.press(4); }},
        {"RefusedThenEscape",
         [](RecordWindowTest& t) {
             t.combo(Form2::HourCombo)->setCurrentIndex(-1);
             t.press(4);
             QTest::keyClick(t.form2, Qt::Key_Escape);
         }},
    };
    for (const auto& [name, close] : ways) {
        start({kA});
        clickRow(0);
        press(4);
        settle();
        const QString centre = MainLabel(*form1, QStringLiteral("Label6_5"));
        QTest::mouseClick(form1->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);  // Ctrl+R
        form2 = OpenRecordWindow();
        ASSERT_NE(form2, nullptr) << name;
        clickRow(0);
        close(*this);
        settle();
        ASSERT_EQ(form2, nullptr) << name;
        EXPECT_TRUE(form1->chartShown()) << name;
        EXPECT_EQ(MainLabel(*form1, QStringLiteral("Label6_5")), centre) << name;
        QTest::mouseClick(form1->findChild<QRadioButton*>(QStringLiteral("Option2_%1").arg(kFlowingMonth)), Qt::LeftButton);
        EXPECT_EQ(form1->session().LayerIndex, kFlowingMonth) << name;
        bool flowingStars = false;
        for (int b = 0; b < 12; ++b) flowingStars = flowingStars || FlowingLine(*form1, b).contains(QStringLiteral("流祿"));
        EXPECT_TRUE(flowingStars) << name;
        emit form1->chartCommands().menu()->aboutToShow();
        for (int command = 0; command < ChartCommands::kCommandCount; ++command)  // 匯出, 列印, 複製
            EXPECT_TRUE(form1->chartCommands().action(ChartCommands::Command(command))->isEnabled()) << name;
        form1.reset();
        boxes.reset();
    }
}

TEST_F(RecordWindowTest, PaipanAndTheRecordsModeOpenTheWindow) {
    start();
    form2->close();
    settle();
    QTest::mouseClick(form1->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    form2 = OpenRecordWindow();
    ASSERT_NE(form2, nullptr);
    EXPECT_FALSE(form1->isEnabled());
    form2->close();
    settle();

    form1->modeChosen(Form1::ChartByDateMode);
    settle();
    form1->setEnabled(true);  // the gender dialog stands in the way; its own tests cover it
    QTest::mouseClick(form1->findChild<QRadioButton*>(QStringLiteral("Option1_0")), Qt::LeftButton);
    form2 = OpenRecordWindow();
    ASSERT_NE(form2, nullptr);
    EXPECT_FALSE(form1->isEnabled());
}

// End to end: a record added and charted, then the 流年 layer stepped a year
// on; the age, the layer's focus and marked stem and its flowing stars follow
// the date.
TEST_F(RecordWindowTest, ARecordAddedAndChartedFollowsTheFlowingYear) {
    start();
    typeName(QStringLiteral("林"));
    pickBirth(1990, 5, 3, 6);
    press(1);
    press(4);
    settle();
    ASSERT_EQ(form2, nullptr);
    Session& session = form1->session();
    ASSERT_EQ(session.RecordLoaded, 1);
    EXPECT_EQ(MainLabel(*form1, QStringLiteral("Label6_1")), QStringLiteral(" 34 歲"));
    QTest::mouseClick(form1->findChild<QRadioButton*>(QStringLiteral("Option2_3")), Qt::LeftButton);
    EXPECT_EQ(session.LayerIndex, 3);
    EXPECT_EQ(session.MarkStem, 10);     // 2024-01-31 lies in lunar 癸卯
    EXPECT_EQ(session.FocusBranch, 4);   // 卯
    EXPECT_TRUE(FlowingLine(*form1, 0).contains(QStringLiteral("流祿")));  // 癸's 祿 on 子
    auto* year = form1->findChild<ArrowSpinner*>(QStringLiteral("VScroll1_0"));
    ASSERT_TRUE(year->isEnabled());
    QTest::mouseClick(year, Qt::LeftButton, Qt::NoModifier, QPoint(year->width() / 2, 2));
    EXPECT_EQ(MainLabel(*form1, QStringLiteral("Label3_0")), QStringLiteral("2025"));
    EXPECT_EQ(MainLabel(*form1, QStringLiteral("Label6_1")), QStringLiteral(" 36 歲"));  // lunar 2025 began on 01-29
    EXPECT_EQ(session.MarkStem, 2);      // 乙巳
    EXPECT_EQ(session.FocusBranch, 6);
    EXPECT_FALSE(FlowingLine(*form1, 0).contains(QStringLiteral("流祿")));
    EXPECT_TRUE(FlowingLine(*form1, 3).contains(QStringLiteral("流祿")));  // 乙's 祿 on 卯
}

}  // namespace
}  // namespace velmora::testing
