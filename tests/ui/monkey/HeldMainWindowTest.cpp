// Found by the monkey: a save without edits gives the main window back while
// its editor stays open, so a second window can be opened beside the first;
// closing either one must not free the main window while the other still
// holds it (two record windows, or two editors of one file, would each save
// over the other's edits).

#include <QApplication>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "tests/ui/UiTestSupport.h"
#include "ui/editors/Form4.h"
#include "ui/editors/Form5.h"
#include "ui/records/Form2.h"

namespace velmora::testing {
namespace {

template <typename T>
T* Shown() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* typed = qobject_cast<T*>(window); typed != nullptr && typed->isVisible()) return typed;
    return nullptr;
}

void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class HeldMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        started_ = StartForm1(folder_, QDateTime(QDate(2024, 1, 31), QTime(10, 0)));
        started_.form->setSecondaryWindows(DefaultSecondaryWindows());
        started_.form->show();
    }
    void press(const char* button) {
        QTest::mouseClick(started_.form->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    Form1& form() { return *started_.form; }

    ProgramFolder folder_;
    StartedWindow started_;
};

// Which window is opened beside the released editor, and which is closed first.
struct Row {
    const char* secondButton;  // Command1 排盤, Command2 四化
    bool closeEditorFirst;
};

class HeldBySecondWindow : public HeldMainWindowTest, public ::testing::WithParamInterface<Row> {};

TEST_P(HeldBySecondWindow, TheMainWindowIsFreeOnlyWhenNoWindowHoldsIt) {
    press("Command3");  // 廟旺
    Form4* editor = Shown<Form4>();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(form().isEnabled());
    editor->saveChanges();  // no edits: the editor stays open and gives the main window back
    EXPECT_TRUE(form().isEnabled());

    press(GetParam().secondButton);
    QWidget* second = GetParam().secondButton == std::string("Command1") ? static_cast<QWidget*>(Shown<Form2>())
                                                                        : static_cast<QWidget*>(Shown<Form5>());
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(form().isEnabled());

    QWidget* first = GetParam().closeEditorFirst ? static_cast<QWidget*>(editor) : second;
    QWidget* last = GetParam().closeEditorFirst ? second : static_cast<QWidget*>(editor);
    first->close();
    Settle();
    EXPECT_EQ(form().isEnabled(), !GetParam().closeEditorFirst)
        << "enabled only when the window left open is the released editor";
    last->close();
    Settle();
    EXPECT_TRUE(form().isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Windows, HeldBySecondWindow,
                         ::testing::Values(Row{"Command1", true}, Row{"Command1", false}, Row{"Command2", true},
                                           Row{"Command2", false}));

}  // namespace
}  // namespace velmora::testing
