// The main window without a mouse: the layer, NOW and record keys, the
// board's context menu by right click and by the Menu key, the Tab order,
// and palace selection by the arrow keys.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>
#include <QtTest/QTest>

#include <algorithm>
#include <functional>

#include "tests/ui/export/ExportFixture.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/board/PalaceBoard.h"

namespace velmora::testing {
namespace {

constexpr int kLayers = 7;

TEST_F(ExportTest, ControlDigitsChooseTheSevenLayers) {
    show(ShownChart::RecordOnLayer);
    for (int layer : {6, 0, 1, 2, 3, 4, 5}) {
        press(Qt::Key_1 + layer);
        EXPECT_EQ(form->session().LayerIndex, layer);
        EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option2_%1").arg(layer))->isChecked()) << layer;
    }
}

TEST_F(ExportTest, ControlNIsNow) {
    show(ShownChart::ByDate);
    ASSERT_EQ(shownDate(), QStringLiteral("1984-02-02"));
    press(Qt::Key_N);
    EXPECT_EQ(shownDate(), QStringLiteral("2024-05-14"));
}

TEST_F(ExportTest, ControlROpensTheRecordsInEitherMode) {
    int opened = 0;
    SecondaryWindows windows = DefaultSecondaryWindows();
    windows.records = [&opened](Form1&) -> QWidget* {
        ++opened;
        return nullptr;
    };
    form->setSecondaryWindows(windows);
    press(Qt::Key_R);
    EXPECT_EQ(opened, 1);
    show(ShownChart::ByDate);
    ASSERT_FALSE(form->recordsMode());
    press(Qt::Key_R);
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(form->recordsMode());
}

TEST_F(ExportTest, TheBoardMenuOpensByRightClickAndByTheMenuKey) {
    show(ShownChart::ByDate);
    QMenu* menu = form->chartCommands().menu();
    QWidget* palace = form->findChild<QWidget*>(QStringLiteral("Lab04_3"));
    ASSERT_NE(palace, nullptr);
    QContextMenuEvent click(QContextMenuEvent::Mouse, palace->rect().center(), palace->mapToGlobal(palace->rect().center()));
    QApplication::sendEvent(palace, &click);
    ASSERT_TRUE(menu->isVisible());
    QStringList captions;
    QStringList keys;
    for (QAction* action : menu->actions()) {
        captions.append(action->text());
        keys.append(action->shortcut().toString(QKeySequence::PortableText));
    }
    // The chart's commands; after separators the schools, the zoom, the
    // reading views, the overlay and the date jump.
    EXPECT_EQ(captions, (QStringList{"匯出圖片…", "匯出 PDF…", "列印…", "複製文字", "", "流派…", "流派比較", "", "放大",
                                     "縮小", "原始大小", "", "自化", "飛化列表", "運限", "流年報告", "借星", "疊四化", "運限宮名",
                                     "格局", "時辰未定…", "", "對照…", "對照互換", "結束對照", "", "跳至日期…", "", "简体"}));
    EXPECT_EQ(keys, (QStringList{"Ctrl+S", "Ctrl+Shift+S", "Ctrl+P", "Ctrl+C", "", "Ctrl+K", "Ctrl+Shift+K", "",
                                 "Ctrl+=", "Ctrl+-", "Ctrl+0", "", "", "Ctrl+Shift+F", "Ctrl+L", "Ctrl+Y", "", "", "",
                                 "Ctrl+Shift+G", "", "", "Ctrl+Shift+O", "", "", "", "Ctrl+G", "", "Ctrl+T"}));
    menu->hide();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    press(Qt::Key_Menu, Qt::NoModifier);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

// Columns: how the window is set, the Tab stops from the first on, in order.
struct TabRow {
    const char* setting;
    std::function<void(ExportTest&, Form1&)> set;
    QStringList stops;
};

// Walks from the first stop with `key` until it is back; the stops met on the way.
QStringList Walk(QWidget* first, Qt::KeyboardModifiers modifiers) {
    first->setFocus();
    QStringList walked{first->objectName()};
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        if (QApplication::focusWidget() == first) {
            break;
        }
        walked.append(QApplication::focusWidget()->objectName());
    }
    return walked;
}

TEST_F(ExportTest, TabWalksTheControlsInReadingOrderOneStopARadioGroup) {
    const QStringList spinners{"VScroll1_0", "VScroll1_1", "VScroll1_2", "VScroll1_3", "Command4"};
    const TabRow rows[] = {
        {"records, natal layer: the date row is off", [](ExportTest&, Form1&) {},
         {"Command1", "Command2", "Command3", "Option2_0", "Option1_0", "PalaceBoard"}},
        {"records, flowing year", [](ExportTest&, Form1& f) { f.layerChosen(3); },
         QStringList{"Command1", "Command2", "Command3", "Option2_3", "Option1_0"} + spinners + QStringList{"PalaceBoard"}},
        {"by date: 排盤 is off", [](ExportTest& t, Form1&) { t.show(ShownChart::ByDate); },
         QStringList{"Command2", "Command3", "Option2_0", "Option1_1"} + spinners + QStringList{"PalaceBoard"}},
    };
    for (const TabRow& row : rows) {
        row.set(*this, *form);
        QWidget* first = find<QWidget>(row.stops.front());
        EXPECT_EQ(Walk(first, Qt::NoModifier), row.stops) << row.setting;
        QStringList backwards = row.stops.mid(1);
        std::reverse(backwards.begin(), backwards.end());
        EXPECT_EQ(Walk(first, Qt::ShiftModifier), QStringList{row.stops.front()} + backwards) << row.setting;
    }
}

TEST_F(ExportTest, ArrowKeysOnARadioGroupChooseTheNextLayer) {
    show(ShownChart::RecordOnLayer);
    QWidget* layer = find<QWidget>(QStringLiteral("Option2_3"));
    layer->setFocus();
    QTest::keyClick(layer, Qt::Key_Right);
    EXPECT_EQ(form->session().LayerIndex, 4);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Option2_4"));
}

TEST_F(ExportTest, ArrowKeysOnTheBoardSelectThePalacesInTurn) {
    show(ShownChart::RecordOnLayer);
    PalaceBoard& board = form->board();
    board.setFocus();
    const int life = form->session().chart.PalaceTable[1].branch - 1;
    QTest::keyClick(&board, Qt::Key_Right);
    EXPECT_EQ(form->selectedPalaceShown(), life);
    QTest::keyClick(&board, Qt::Key_Down);
    EXPECT_EQ(form->selectedPalaceShown(), (life + 1) % 12);
    QTest::keyClick(&board, Qt::Key_Left);
    QTest::keyClick(&board, Qt::Key_Up);
    EXPECT_EQ(form->selectedPalaceShown(), (life + 11) % 12);
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_EQ(form->selectedPalaceShown(), -1);
    EXPECT_FALSE(board.highlight()->isVisible());
}

}  // namespace
}  // namespace velmora::testing
