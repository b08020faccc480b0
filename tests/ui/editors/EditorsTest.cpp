// What both editors do alike: a file they cannot read, a save that fails, and
// an edit that the next chart of the main window uses.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include <functional>

#include "chart/TimeLayers.h"
#include "tests/ui/editors/EditorFixture.h"

namespace velmora::testing {
namespace {

// Columns: the main window's button, the file it edits, the message title,
// one edit in the open editor.
struct EditorRow {
    const char* button;
    const char* file;
    const char16_t* title;
    std::function<void(QWidget*)> edit;
};

const std::array<EditorRow, 2> kEditors{{
    {"Command3", "Mia", u"編修廟旺表訊息",
     [](QWidget* editor) { QTest::mouseClick(editor->findChild<QLabel*>(QStringLiteral("LAB03_0")), Qt::LeftButton); }},
    {"Command2", "Four", u"編修四化表訊息",
     [](QWidget* editor) { emit editor->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->activated(0); }},
}};

QWidget* ShownEditor() {
    if (QWidget* editor = ShownWindow<Form4>()) {
        return editor;
    }
    return ShownWindow<Form5>();
}

class EachEditorTest : public EditorTest, public ::testing::WithParamInterface<EditorRow> {
protected:
    QWidget* open() {
        QTest::mouseClick(find<QPushButton>(QString::fromLatin1(GetParam().button)), Qt::LeftButton);
        return ShownEditor();
    }
    QString file() const { return QString::fromLatin1(GetParam().file); }
    QString title() const { return QString::fromUtf16(GetParam().title); }
};

// A file that is missing, or a folder where the file should be.
TEST_P(EachEditorTest, AnUnreadableFileIsNamedAndTheEditorDoesNotOpen) {
    for (const bool folderInItsPlace : {false, true}) {
        SCOPED_TRACE(folderInItsPlace ? "a folder" : "missing");
        startWithEditors();
        folder_.remove(file());
        if (folderInItsPlace) {
            ASSERT_TRUE(QDir(folder_.path()).mkdir(file()));
        }
        EXPECT_EQ(open(), nullptr);
        EXPECT_TRUE(form->isEnabled());
        ASSERT_EQ(boxes->shown().size(), 1u);
        EXPECT_EQ(boxes->shown()[0].title, title());
        EXPECT_TRUE(boxes->shown()[0].text.contains(file()));
        EXPECT_TRUE(boxes->shown()[0].text.contains(folder_.filePath(file())));
        QDir(folder_.path()).rmdir(file());
    }
}

TEST_P(EachEditorTest, AFailedSaveIsNamedAndKeepsTheEditorOpenWithItsEdits) {
    startWithEditors();
    const QByteArray before = bytes(file());
    QWidget* editor = open();
    ASSERT_NE(editor, nullptr);
    GetParam().edit(editor);
    form->session().writeOptions.failBeforeCommit = true;
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    boxes->queueAnswer(true);  // the close question: save, which fails again
    editor->close();
    settle();
    EXPECT_EQ(ShownEditor(), editor);
    EXPECT_GT(static_cast<EditorWindow*>(editor)->ChangeCount(), 0);
    EXPECT_EQ(bytes(file()), before);
    ASSERT_EQ(boxes->shown().size(), 3u);  // failed save, question, failed save
    for (const auto& shown : boxes->shown()) {
        EXPECT_EQ(shown.title, title());
    }
    EXPECT_TRUE(boxes->shown()[0].text.contains(folder_.filePath(file())));
    EXPECT_TRUE(boxes->shown()[2].text.contains(folder_.filePath(file())));

    form->session().writeOptions.failBeforeCommit = false;
    boxes->queueAnswer(true);
    editor->close();
    settle();
    EXPECT_EQ(ShownEditor(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_NE(bytes(file()), before);
}

// Another window or program changed the file while the editor was open:
// the save asks, naming the file; Cancel keeps the other change and the
// editor with its edits, OK writes over it. A vanished file is written afresh.
TEST_P(EachEditorTest, AFileChangedElsewhereIsOverwrittenOnlyWhenTheUserSaysSo) {
    // Columns: what happened meanwhile, the file removed (else rewritten), the answer, a question asked.
    struct Meanwhile { const char* what; bool removed; bool answer; bool asked; };
    for (const Meanwhile& row : {Meanwhile{"rewritten, Cancel", false, false, true},
                                 Meanwhile{"rewritten, OK", false, true, true},
                                 Meanwhile{"removed", true, true, false}}) {
        SCOPED_TRACE(row.what);
        startWithEditors();
        QWidget* editor = open();
        ASSERT_NE(editor, nullptr);
        GetParam().edit(editor);
        const QByteArray other = bytes(file()) + "\r\n";  // another's save: one blank line more
        row.removed ? folder_.remove(file()) : folder_.write(file(), other);
        boxes->queueAnswer(row.answer);
        QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        settle();

        const bool asked = !boxes->shown().empty() && boxes->shown()[0].kind == ScriptedMessageBoxes::Kind::Question;
        EXPECT_EQ(asked, row.asked);
        if (asked) {
            EXPECT_TRUE(boxes->shown()[0].text.contains(folder_.filePath(file())));
        }
        const bool kept = ShownEditor() == editor;
        EXPECT_EQ(kept, !row.answer);
        EXPECT_EQ(bytes(file()) == other, !row.answer);
        EXPECT_FALSE(bytes(file()).isEmpty());
        if (kept) {
            EXPECT_GT(static_cast<EditorWindow*>(editor)->ChangeCount(), 0);
            boxes->queueAnswer(false);  // close without saving
            editor->close();
            settle();
        }
        boxes->clear();
    }
}

// Installed where the user cannot write: the shipped table is read, the edit
// is saved as the user's copy in the data folder, and the next opening and
// the next chart read that copy; the shipped file is never touched.
TEST_P(EachEditorTest, AnEditOfAShippedTableIsSavedAsTheUsersCopy) {
    startWithEditors();
    const ProgramFolder data(ProgramFolder::UserFile::Absent, {});
    form->session().dataFolder = data.path();
    const QByteArray shipped = bytes(file());
    QWidget* editor = open();
    ASSERT_NE(editor, nullptr);
    GetParam().edit(editor);
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    settle();
    EXPECT_EQ(bytes(file()), shipped);
    QFile copy(data.filePath(file()));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    const QByteArray edited = copy.readAll();
    EXPECT_NE(edited, shipped);
    EXPECT_EQ(form->session().folders().readFolder(file()), data.path());
    if (QWidget* again = ShownEditor()) again->close();
    settle();
}

INSTANTIATE_TEST_SUITE_P(BothEditors, EachEditorTest, ::testing::ValuesIn(kEditors),
                         [](const auto& row) { return std::string(row.param.file); });

// 1984 is a 甲 year: its chart marks the transformations of 甲, Four's first line.
TEST_F(EditorTest, ANewTransformationStarIsUsedByTheNextChart) {
    startWithEditors();
    ChartByDate(*form, QDate(1984, 6, 1), 7);
    ASSERT_EQ(form->session().MarkStem, 1);
    EXPECT_EQ(ParseTransformations(form->session().transformations.lines[1])[1], 6);  // 廉貞 takes 祿

    Form5* editor = openForm5();
    ASSERT_NE(editor, nullptr);
    emit editor->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->activated(0);  // 紫微 takes 祿
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    settle();
    ASSERT_TRUE(form->isEnabled());
    step(DateInputs::Day, 1);
    EXPECT_EQ(shownDate(), QStringLiteral("1984-06-02"));
    EXPECT_EQ(form->session().MarkStem, 1);
    EXPECT_EQ(ParseTransformations(form->session().transformations.lines[1])[1], 1);
}

TEST_F(EditorTest, ANewLevelIsUsedByTheNextChart) {
    startWithEditors();
    ChartByDate(*form, QDate(1984, 6, 1), 7);
    const int ziwei = 1;
    const int branch = form->session().chart.StarTable[ziwei].branch;
    ASSERT_GE(branch, 1);
    const int before = form->session().chart.StarTable[ziwei].level;

    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    editor->cellClicked(branch - 1);  // 紫微's column is the first
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    settle();
    step(DateInputs::Day, 1);
    EXPECT_EQ(form->session().chart.StarTable[ziwei].branch, branch);  // the next day keeps 紫微 in place
    EXPECT_EQ(form->session().chart.StarTable[ziwei].level, before == 7 ? 0 : before + 1);
}

}  // namespace
}  // namespace velmora::testing
