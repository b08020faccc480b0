#pragma once
// A started main window in a temporary program folder, shown on the
// offscreen screen, with controls found by their object names.

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <gtest/gtest.h>

#include "tests/ui/UiTestSupport.h"
#include "ui/main/Form1.h"

namespace velmora::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void start(const QDateTime& now = QDateTime(QDate(2024, 1, 31), QTime(10, 0))) {
        started_ = StartForm1(folder_, now);
        form = started_.form.get();
        boxes = started_.boxes.get();
        form->show();
    }

    template <typename T>
    T* find(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    // The date the labels show, as YYYY-MM-DD.
    QString shownDate() const;
    // A click on the upper (steps > 0) or lower arrow of spinner VScroll1_<part>, `steps` times.
    void step(int part, int steps);
    // Picks a layer by clicking its button Option2_<index>.
    void clickLayer(int index);

    ProgramFolder folder_;
    StartedWindow started_;
    Form1* form = nullptr;
    ScriptedMessageBoxes* boxes = nullptr;
};

}  // namespace velmora::testing
