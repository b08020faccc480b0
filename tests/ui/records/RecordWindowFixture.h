#pragma once
// A main window started on a program folder whose User file the test wrote,
// with the record window it opened at start, driven through its controls.

#include <QByteArray>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

#include "files/SafeSave.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/main/Form1.h"
#include "ui/records/Form2.h"

namespace velmora::testing {

// Period labels and User lines shared by the record-window tests.
inline const QString kRat = QStringLiteral("子  (23:00-00:59)");
inline const QString kHorse = QStringLiteral("午  (11:00-12:59)");
inline const QString kA = QStringLiteral("甲\t男\t1990\t5\t3\t") + kHorse;
inline const QString kB = QStringLiteral("乙\t女\t1991\t6\t4\t") + kRat;

// "first" .. "last" as the month and day combos list them.
QStringList NumberList(int first, int last);

// User lines as the file holds them: Big5, each ended by CR LF.
QByteArray UserBytes(const QStringList& lines);

class RecordWindowTest : public ::testing::Test {
public:
    // Writes User from `lines`, starts the main window at `now` and finds the
    // record window it opened.
    void start(const QStringList& lines = {}, const QDateTime& now = kNow);
    // The same on the program folder as the test left it.
    void startAsIs(const QDateTime& now = kNow);

    static inline const QDateTime kNow{QDate(2024, 1, 31), QTime(10, 0)};

    // The record window showing now, if any.
    static Form2* OpenRecordWindow();

    template <typename T>
    T* find(const QString& name) const {
        T* widget = form2->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QComboBox* combo(int index) const { return find<QComboBox>(QStringLiteral("Combo1_%1").arg(index)); }
    // The search box above the record list, and the names the list shows.
    QLineEdit* box() const { return find<QLineEdit>(QStringLiteral("FilterBox")); }
    QStringList shownNames() const {
        QStringList names;
        auto* list = find<QTreeWidget>(QStringLiteral("ListView1"));
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (!list->topLevelItem(i)->isHidden()) names.append(list->topLevelItem(i)->text(0));
        return names;
    }
    // The entries a combo lists.
    QStringList entries(int index) const;

    // Picks the entry with `text` in combo `index` as a user would; the combo
    // must be enabled and list it.
    void pickText(int index, const QString& text);
    // Year, month, day and period (index 0..11) picked in that order.
    void pickBirth(int year, int month, int day, int period);
    void typeName(const QString& name);
    // Clicks a button of the record window: 1 輸入, 2 修改, 3 刪除, 4 確定.
    void press(int command);
    // Clicks row `row` of the list.
    void clickRow(int row);
    // The texts of the list's rows, fields joined by '|'.
    QStringList listRows() const;
    // User's bytes without the id pieces the window gives (random UUIDs):
    // what the edit tests compare. userFileAsIs: the bytes as they are.
    QByteArray userFile() const;
    QByteArray userFileAsIs() const;
    // Lets the closed windows go and their closing hooks run.
    static void settle();
    // The texts of the notices shown so far.
    QStringList notices() const;

    ProgramFolder folder_;
    std::unique_ptr<Form1> form1;
    std::shared_ptr<ScriptedMessageBoxes> boxes;
    QPointer<Form2> form2;
};

}  // namespace velmora::testing
