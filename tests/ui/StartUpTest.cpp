// Start-up, the User check, "NOW", modes, layers and the buttons that open
// the other windows.

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <vector>

#include "tests/ui/MainWindowFixture.h"
#include "ui/common/ArrowSpinner.h"
#include "ui/common/Twips.h"
#include "ui/board/PalaceBoard.h"
#include "ui/records/Form3.h"

namespace velmora::testing {
namespace {

const QString kNotice = QStringLiteral(
    "尚未建立使用者資料檔，現在已建立！如果你不需要建立使用者資料，也可切換到【擇盤】模式，再調整下方的日期。");

TEST_F(MainWindowTest, OpensInRecordsModeOnTheNatalLayerWithTheDateInputsOff) {
    start();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Velmora"));
    EXPECT_EQ(form->size(), TwipSize(12320, 9690));
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option2_0"))->isChecked());
    EXPECT_FALSE(find<QFrame>(QStringLiteral("Frame3"))->isEnabled());
    EXPECT_EQ(form->session().RecordLoaded, 0);
    EXPECT_TRUE(boxes->shown().empty());  // User is there, so no notice
    EXPECT_EQ(shownDate(), QStringLiteral("2024-01-31"));
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label2"))->text().startsWith(QStringLiteral("陰曆  癸卯年 十二月 廿一日")));
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label6_1"))->text().isEmpty());
}

TEST_F(MainWindowTest, MissingUserFileIsCreatedEmptyAfterTheNotice) {
    folder_.remove(QStringLiteral("User"));
    start();
    ASSERT_EQ(boxes->shown().size(), 1U);
    EXPECT_EQ(boxes->shown()[0].kind, ScriptedMessageBoxes::Kind::Information);
    EXPECT_EQ(boxes->shown()[0].title, QStringLiteral("提示"));
    EXPECT_EQ(boxes->shown()[0].text, kNotice);
    QFile user(folder_.filePath(QStringLiteral("User")));
    ASSERT_TRUE(user.exists());
    EXPECT_EQ(user.size(), 0);
    EXPECT_TRUE(form->isEnabled());
}

// Installed where the user cannot write, the first start creates User in the
// user's data folder, says where once, and reads the shipped tables.
TEST(MainWindow, ASeparateDataFolderGetsUserAndTheNoticeNamesIt) {
    const ProgramFolder program(ProgramFolder::UserFile::Absent);
    const ProgramFolder data(ProgramFolder::UserFile::Absent, {});
    auto boxesUsed = std::make_shared<ScriptedMessageBoxes>();
    Session session(program.path(), boxesUsed);
    session.dataFolder = data.path();
    Form1 window(std::move(session));
    ASSERT_TRUE(window.startUpWithoutRecords());
    window.CheckUser();
    ASSERT_EQ(boxesUsed->shown().size(), 1U);
    const QString user = data.filePath(QStringLiteral("User"));
    EXPECT_EQ(boxesUsed->shown()[0].text, kNotice + QStringLiteral("\n\n使用者資料檔存放在：") + user);
    EXPECT_TRUE(QFile::exists(user));
    EXPECT_FALSE(QFile::exists(program.filePath(QStringLiteral("User"))));
}

TEST(MainWindow, ExistingUserFileOpensTheRecordWindow) {
    int opened = 0;
    ProgramFolder folder;
    auto boxesUsed = std::make_shared<ScriptedMessageBoxes>();
    Session session(folder.path(), boxesUsed);
    Form1 window(std::move(session));
    SecondaryWindows windows;
    windows.records = [&opened](Form1&) -> QWidget* {
        ++opened;
        return new QWidget;
    };
    window.setSecondaryWindows(windows);
    ASSERT_TRUE(window.startUp());
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(window.isEnabled());
    EXPECT_TRUE(boxesUsed->shown().empty());
}

TEST_F(MainWindowTest, MissingNameListEndsStartUpWithItsPath) {
    folder_.remove(QStringLiteral("ProperN"));
    auto used = std::make_shared<ScriptedMessageBoxes>();
    Form1 window(Session(folder_.path(), used));
    EXPECT_FALSE(window.startUp());
    ASSERT_EQ(used->shown().size(), 1U);
    EXPECT_TRUE(used->shown()[0].text.contains(QStringLiteral("ProperN")));
    EXPECT_TRUE(used->shown()[0].text.contains(folder_.filePath(QStringLiteral("ProperN"))));
}

TEST_F(MainWindowTest, ClockHourGivesThePeriodAtStartAndOnNow) {
    // Columns: clock time, period, period label.
    struct Row {
        QTime time;
        int period;
        const char* label;
    };
    const std::vector<Row> rows{{QTime(1, 30), 2, "丑  (01:00-02:59)"},
                                {QTime(23, 10), 13, "子  (23:00-00:59)"},
                                {QTime(0, 10), 1, "子  (23:00-00:59)"},
                                {QTime(12, 59), 7, "午  (11:00-12:59)"}};
    for (const Row& row : rows) {
        start(QDateTime(QDate(2024, 5, 6), row.time));
        EXPECT_EQ(find<ArrowSpinner>(QStringLiteral("VScroll1_3"))->value(), row.period);
        EXPECT_EQ(find<QLabel>(QStringLiteral("Label3_3"))->text(), QString::fromUtf8(row.label));
    }
    start(QDateTime(QDate(2024, 5, 6), QTime(9, 0)));
    clickLayer(3);
    step(2, 3);
    form->session().now = [] { return QDateTime(QDate(2030, 7, 8), QTime(1, 30)); };
    QTest::mouseClick(find<QPushButton>(QStringLiteral("Command4")), Qt::LeftButton);
    EXPECT_EQ(shownDate(), QStringLiteral("2030-07-08"));
    EXPECT_EQ(find<ArrowSpinner>(QStringLiteral("VScroll1_3"))->value(), 2);
}

TEST_F(MainWindowTest, NatalLayerInRecordsModeDisablesTheDateInputs) {
    start();
    auto* frame3 = find<QFrame>(QStringLiteral("Frame3"));
    // Columns: layer clicked, date inputs enabled afterwards.
    const std::vector<std::pair<int, bool>> rows{{3, true}, {0, false}, {1, true}, {6, true}, {0, false}};
    for (const auto& [layer, enabled] : rows) {
        clickLayer(layer);
        EXPECT_EQ(form->session().LayerIndex, layer);
        EXPECT_EQ(frame3->isEnabled(), enabled) << layer;
    }
    // A disabled spinner does not step.
    step(2, 1);
    EXPECT_EQ(shownDate(), QStringLiteral("2024-01-31"));
}

TEST_F(MainWindowTest, RecordsModeWithoutARecordStepsOnlyTheDateLine) {
    start();
    clickLayer(4);
    const QString before = find<QLabel>(QStringLiteral("Label2"))->text();
    step(2, 1);
    EXPECT_NE(find<QLabel>(QStringLiteral("Label2"))->text(), before);
    EXPECT_TRUE(find<QLabel>(QStringLiteral("LAB01_0"))->text().isEmpty());  // no chart computed
    EXPECT_EQ(form->session().chart.PalaceTable[1].branch, 0);
}

TEST_F(MainWindowTest, OpenButtonsShowTheirWindowsAndDisableTheMainWindow) {
    start();
    std::vector<QString> opened;
    QPointer<QWidget> last;
    SecondaryWindows windows;
    auto opener = [&opened, &last](const char* name) {
        return [&opened, &last, name](Form1&) -> QWidget* {
            opened.push_back(QLatin1String(name));
            last = new QWidget;
            return last.data();
        };
    };
    windows.records = opener("Form2");
    windows.brightnessEditor = opener("Form4");
    windows.transformationEditor = opener("Form5");
    form->setSecondaryWindows(windows);
    // Columns: button, window it opens.
    const std::vector<std::pair<const char*, const char*>> rows{
        {"Command1", "Form2"}, {"Command2", "Form5"}, {"Command3", "Form4"}};
    for (const auto& [button, window] : rows) {
        QTest::mouseClick(find<QPushButton>(QLatin1String(button)), Qt::LeftButton);
        ASSERT_FALSE(opened.empty());
        EXPECT_EQ(opened.back(), QLatin1String(window));
        EXPECT_FALSE(form->isEnabled());
        ASSERT_FALSE(last.isNull());
        EXPECT_TRUE(last->isVisible());
        last->close();  // the window is deleted when closed, which enables the main window
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(last.isNull());
        EXPECT_TRUE(form->isEnabled());
    }
}

TEST_F(MainWindowTest, ClosingTheMainWindowClosesTheOthers) {
    start();
    QPointer<QWidget> other;
    SecondaryWindows windows;
    windows.brightnessEditor = [&other](Form1&) -> QWidget* {
        other = new QWidget;
        return other.data();
    };
    form->setSecondaryWindows(windows);
    form->openBrightnessEditor();
    ASSERT_FALSE(other.isNull());
    form->close();
    EXPECT_TRUE(other.isNull());
}

TEST_F(MainWindowTest, ModeFrameSitsInTheTopRowInsideTheWindow) {
    start();
    const QRect frame = find<QFrame>(QStringLiteral("Frame1"))->geometry();
    const QRect lastLayer = find<QRadioButton>(QStringLiteral("Option2_6"))->geometry();
    EXPECT_GT(frame.left(), lastLayer.right());
    EXPECT_LE(frame.right(), form->width());
    EXPECT_LT(frame.bottom(), TwipPoint(0, 750).y());  // above the board
}

TEST_F(MainWindowTest, ButtonsOfWindowsNotYetOfferedDoNothing) {
    start();
    QTest::mouseClick(find<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(MainWindowTest, ModeClicksClearTheRecordFlagAndSwitchTheInputs) {
    start();
    form->session().RecordLoaded = 1;
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("Option1_1")), Qt::LeftButton);
    EXPECT_EQ(form->session().RecordLoaded, 0);
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("Command1"))->isEnabled());
    EXPECT_TRUE(find<QFrame>(QStringLiteral("Frame3"))->isEnabledTo(form));
    EXPECT_FALSE(form->isEnabled());  // the gender dialog is open
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<Form3*>(top); dialog != nullptr && dialog->isVisible()) {
            dialog->confirm();
        }
    }
    EXPECT_TRUE(form->isEnabled());
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("Option1_0")), Qt::LeftButton);
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("Command1"))->isEnabled());
    EXPECT_FALSE(find<QFrame>(QStringLiteral("Frame3"))->isEnabled());
}

}  // namespace
}  // namespace velmora::testing
