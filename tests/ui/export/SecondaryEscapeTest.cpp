// Escape closes the record window and the two table editors (an editor with
// edits asks first, as its close button does), never the gender dialog.

#include <QApplication>
#include <QPointer>
#include <QtTest/QTest>

#include "tests/ui/export/ExportFixture.h"
#include "ui/editors/ClickLabel.h"
#include "ui/editors/Form4.h"
#include "ui/editors/Form5.h"
#include "ui/records/Form2.h"
#include "ui/records/Form3.h"

namespace velmora::testing {
namespace {

template <typename Window>
QWidget* Shown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

class SecondaryEscape : public ExportTest {
protected:
    void SetUp() override {
        ExportTest::SetUp();
        form->setSecondaryWindows(DefaultSecondaryWindows());
    }

    // Escape pressed on `window`; true when it closed (and was deleted).
    bool escapeCloses(QWidget* window) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        QPointer<QWidget> guarded(window);
        QTest::keyClick(window, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return guarded.isNull();
    }
};

// Columns: the window, the command opening it, the shown window, whether an edit is made first.
struct EscapeRow {
    const char* window;
    void (*open)(Form1&);
    QWidget* (*shown)();
    bool edited;
};

TEST_F(SecondaryEscape, EscapeClosesTheRecordsAndTheEditors) {
    const EscapeRow rows[] = {
        {"Form2", [](Form1& f) { f.openRecordList(); }, &Shown<Form2>, false},
        {"Form4", [](Form1& f) { f.openBrightnessEditor(); }, &Shown<Form4>, false},
        {"Form4", [](Form1& f) { f.openBrightnessEditor(); }, &Shown<Form4>, true},
        {"Form5", [](Form1& f) { f.openTransformationEditor(); }, &Shown<Form5>, false},
    };
    for (const EscapeRow& row : rows) {
        boxes->clear();
        boxes->queueAnswer(false);  // the editor's question: do not save
        row.open(*form);
        QWidget* window = row.shown();
        ASSERT_NE(window, nullptr) << row.window;
        if (row.edited) {
            auto* cell = window->findChild<ClickLabel*>();
            ASSERT_NE(cell, nullptr);
            QTest::mouseClick(cell, Qt::LeftButton);
        }
        EXPECT_TRUE(escapeCloses(window)) << row.window;
        EXPECT_EQ(boxes->shown().size(), row.edited ? 1u : 0u) << row.window;
        EXPECT_TRUE(form->isEnabled()) << row.window;
    }
}

TEST_F(SecondaryEscape, EscapeLeavesTheGenderDialogOpen) {
    form->modeChosen(Form1::ChartByDateMode);
    auto* dialog = qobject_cast<Form3*>(Shown<Form3>());
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(escapeCloses(dialog));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(form->isEnabled());
    dialog->confirm();
    EXPECT_TRUE(form->isEnabled());
}

}  // namespace
}  // namespace velmora::testing
