// The case notes beside the record list: what is typed is saved as it is
// typed, with the record's id given and written to User on the first note,
// and comes back when the person is picked again; events from the keyboard.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "cases/CaseStore.h"
#include "files/RecordId.h"
#include "tests/ui/records/RecordWindowFixture.h"
#include "ui/records/CaseNotesWindow.h"

namespace velmora::testing {
namespace {

std::vector<cases::CaseEntry> StoredCases(const QString& folder) {
    std::vector<cases::CaseEntry> all;
    cases::CaseOpen opened = cases::CaseStore::Open(folder);
    auto* store = std::get_if<std::unique_ptr<cases::CaseStore>>(&opened);
    EXPECT_TRUE(store) << std::get<files::FileProblem>(opened).describe().toStdString();
    if (store) {
        EXPECT_FALSE((*store)->load(all));
    }
    return all;
}

TEST_F(RecordWindowTest, NotesAreSavedAsTypedAndComeBackForTheSamePerson) {
    start({kA, kB});
    clickRow(0);
    find<QAction>(QStringLiteral("CaseNotesToggle"))->trigger();
    auto* notes = form2->findChild<CaseNotesWindow*>(QStringLiteral("CaseNotes"));
    ASSERT_TRUE(notes && notes->isVisible());
    notes->findChild<QPlainTextEdit*>(QStringLiteral("CaseNotesText"))->setPlainText(QStringLiteral("命宮紫微"));
    notes->findChild<QLineEdit*>(QStringLiteral("CaseTags"))->setText(QStringLiteral("家人；學員"));
    notes->findChild<QComboBox*>(QStringLiteral("CaseGrade"))->setCurrentIndex(0);
    auto* events = notes->findChild<QTreeWidget*>(QStringLiteral("CaseEvents"));
    for (int i = 0; i < 2; ++i) QTest::keyClick(events, Qt::Key_Insert);  // two added by the keyboard
    events->setFocus();
    events->setCurrentItem(events->topLevelItem(0));
    QTest::keyClick(events, Qt::Key_Delete);                               // one deleted
    events->topLevelItem(0)->setText(2, QStringLiteral("結婚"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return userFileAsIs().contains("\tid="); }, 3000));  // saved without a button
    notes->hide();
    const std::vector<cases::CaseEntry> saved = StoredCases(folder_.path());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].notes, QStringLiteral("命宮紫微"));
    EXPECT_EQ(saved[0].tags, (QStringList{QStringLiteral("家人"), QStringLiteral("學員")}));
    EXPECT_EQ(saved[0].grade, QStringLiteral("AA"));
    ASSERT_EQ(saved[0].events.size(), 1u);
    EXPECT_EQ(saved[0].events[0].text, QStringLiteral("結婚"));
    EXPECT_EQ(userFile(), UserBytes({kA, kB}));  // only the id piece was added
    clickRow(1);
    EXPECT_TRUE(notes->findChild<QPlainTextEdit*>(QStringLiteral("CaseNotesText"))->toPlainText().isEmpty());
    clickRow(0);
    EXPECT_EQ(notes->findChild<QPlainTextEdit*>(QStringLiteral("CaseNotesText"))->toPlainText(), QStringLiteral("命宮紫微"));
    EXPECT_EQ(StoredCases(folder_.path()).size(), 1u);  // looking wrote nothing

    // An older program rewrites User without the id: the case is found by the
    // record's fields, and its next note gives the record that id back.
    folder_.write(QStringLiteral("User"), UserBytes({kA, kB}));
    form2->InputData();
    clickRow(0);
    auto* text = notes->findChild<QPlainTextEdit*>(QStringLiteral("CaseNotesText"));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("命宮紫微"));
    text->setPlainText(QStringLiteral("命宮紫微，補記"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return userFileAsIs().contains(("\tid=" + saved[0].id).toLatin1()); }, 3000));
    notes->hide();
    EXPECT_EQ(StoredCases(folder_.path()).size(), 1u);
}

}  // namespace
}  // namespace velmora::testing
