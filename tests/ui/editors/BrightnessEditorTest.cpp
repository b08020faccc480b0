// The brightness-table editor: what it shows of Mia, cell clicks, the level
// names, and what it writes back.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <limits>

#include "files/MiaDocument.h"
#include "files/MiaFile.h"
#include "tests/ui/editors/EditorFixture.h"
#include "ui/common/RowLabel.h"
#include "ui/common/Twips.h"
#include "ui/editors/EditorWindow.h"

namespace velmora::testing {
namespace {

const QString kTitle = QStringLiteral("編修廟旺表訊息");
const QString kLevelLine = QStringLiteral("陷不平利得旺廟");
// The shipped Mia's first rows: 紫微, 天機, 太陽.
const QString kRow01 = QStringLiteral("01376656776656");
const QString kRow02 = QStringLiteral("02715643715643");
const QString kRow03 = QStringLiteral("03126766655321");

QLabel* Cell(Form4* editor, int k) { return editor->findChild<QLabel*>(QStringLiteral("LAB03_%1").arg(k)); }

void Click(Form4* editor, int k, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(Cell(editor, k), Qt::LeftButton);
    }
}

bool Edited(QLabel* cell) { return cell->palette().color(QPalette::Window) == kEditedCellColour; }

QLineEdit* LevelBox(Form4* editor, int i) {
    return editor->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
}

TEST_F(EditorTest, BrightnessEditorShowsMiaWhileTheMainWindowWaits) {
    startWithEditors();
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("編修廟旺表"));
    EXPECT_EQ(editor->size(), TwipSize(13710, 6480));
    EXPECT_FALSE(form->isEnabled());
    EXPECT_EQ(editor->ChangeCount(), 0);
    EXPECT_TRUE(editor->findChild<QLabel*>(QStringLiteral("Label1"))->text().startsWith(QStringLiteral("右方的廟陷")));
    for (int i = 0; i < kLevelCount; ++i) {
        EXPECT_EQ(LevelBox(editor, i)->text(), kLevelLine.mid(i, 1));
        EXPECT_EQ(LevelBox(editor, i)->maxLength(), 1);
    }
    // Column 0 is 紫微, column 19 the twentieth row, 陀羅 (star 26).
    EXPECT_EQ(editor->findChild<RowLabel*>(QStringLiteral("LAB01_0"))->rows(), QStringList({"紫", "微"}));
    EXPECT_EQ(editor->findChild<RowLabel*>(QStringLiteral("LAB01_19"))->rows(), QStringList({"陀", "羅"}));
    auto* rat = editor->findChild<QLabel*>(QStringLiteral("LAB02_0"));
    auto* pig = editor->findChild<QLabel*>(QStringLiteral("LAB02_11"));
    EXPECT_EQ(rat->text(), QStringLiteral("子"));
    EXPECT_TRUE(rat->toolTip().isEmpty());
    EXPECT_EQ(pig->text(), QStringLiteral("亥"));
    EXPECT_EQ(pig->toolTip(), QStringLiteral("11"));
    // Cell k = 12 × column + row: 紫微 in 子 is level 3, 陀羅 in 亥 level 1, 陀羅 in 子 none.
    EXPECT_EQ(Cell(editor, 0)->text(), QStringLiteral("平"));
    EXPECT_EQ(Cell(editor, 0)->toolTip(), QStringLiteral("0"));
    EXPECT_EQ(Cell(editor, 239)->text(), QStringLiteral("陷"));
    EXPECT_EQ(Cell(editor, 239)->toolTip(), QStringLiteral("239"));
    EXPECT_EQ(Cell(editor, 228)->text(), QString());
    EXPECT_FALSE(Edited(Cell(editor, 0)));
}

TEST_F(EditorTest, ClicksCycleTheLevelThroughNoneAndTurnTheCellYellow) {
    startWithEditors();
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    // Rows: clicks on cell 1 (紫微 in 丑, level 7), level after them, caption.
    struct Row {
        int clicks;
        int level;
        const char16_t* caption;
    };
    for (const Row& row : {Row{1, 0, u""}, Row{1, 1, u"陷"}, Row{6, 7, u"廟"}}) {
        Click(editor, 1, row.clicks);
        EXPECT_EQ(editor->level(1), row.level);
        EXPECT_EQ(Cell(editor, 1)->text(), QString::fromUtf16(row.caption));
    }
    EXPECT_TRUE(Edited(Cell(editor, 1)));
    EXPECT_FALSE(Edited(Cell(editor, 2)));
    EXPECT_EQ(editor->ChangeCount(), 8);
}

TEST_F(EditorTest, EightClicksKeepTheLevelButStillAskAndCancelKeepsMia) {
    startWithEditors();
    const QByteArray before = bytes(QStringLiteral("Mia"));
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    Click(editor, 0, 8);
    EXPECT_EQ(editor->level(0), 3);
    EXPECT_EQ(Cell(editor, 0)->text(), QStringLiteral("平"));
    boxes->queueAnswer(false);
    editor->close();
    settle();
    ASSERT_EQ(boxes->shown().size(), 1u);
    EXPECT_EQ(boxes->shown()[0].kind, ScriptedMessageBoxes::Kind::Question);
    EXPECT_EQ(boxes->shown()[0].title, kTitle);
    EXPECT_EQ(boxes->shown()[0].text, QStringLiteral("資料已編修過，要儲存請按確定！"));
    EXPECT_EQ(ShownWindow<Form4>(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(bytes(QStringLiteral("Mia")), before);
}

// The count of edits is 16 bits wide; it stops at its largest value rather
// than wrapping round to a count that reads as "no edits".
TEST_F(EditorTest, ManyClicksStillCountAsEdits) {
    startWithEditors();
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    const int clicks = std::numeric_limits<std::int16_t>::max() + 1;
    for (int i = 0; i < clicks; ++i) {
        editor->cellClicked(0);
    }
    EXPECT_EQ(editor->ChangeCount(), std::numeric_limits<std::int16_t>::max());
    boxes->queueAnswer(false);
    editor->close();
    ASSERT_EQ(boxes->shown().size(), 1u);
    EXPECT_EQ(boxes->shown()[0].kind, ScriptedMessageBoxes::Kind::Question);
}

TEST_F(EditorTest, SaveWithoutEditsWritesNothingAndLeavesTheEditorOpen) {
    startWithEditors();
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(ShownWindow<Form4>(), editor);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(boxes->shown().empty());
}

// Saving by the button and by OK in the close question write the same file.
class BrightnessSaveTest : public EditorTest, public ::testing::WithParamInterface<bool> {};

TEST_P(BrightnessSaveTest, WritesTheLevelLineAndTwentyRowsThenCloses) {
    const bool byButton = GetParam();
    startWithEditors();
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    Click(editor, 1);      // 紫微 in 丑: 7 -> none
    Click(editor, 12, 2);  // 天機 in 子: 7 -> none -> 1
    if (byButton) {
        QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    } else {
        boxes->queueAnswer(true);
        editor->close();
    }
    settle();
    EXPECT_EQ(ShownWindow<Form4>(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(writes, 1);
    ASSERT_FALSE(boxes->shown().empty());
    EXPECT_EQ(boxes->shown().back().kind, ScriptedMessageBoxes::Kind::Information);
    EXPECT_EQ(boxes->shown().back().title, kTitle);
    EXPECT_EQ(boxes->shown().back().text, QStringLiteral("編修過的資料已儲存，命盤已依新資料重新排好。"));
    const QStringList lines = readLines(QStringLiteral("Mia"));
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], kLevelLine);
    EXPECT_EQ(lines[1], QStringLiteral("01306656776656"));
    EXPECT_EQ(lines[2], QStringLiteral("02115643715643"));
    EXPECT_EQ(lines[20], QStringLiteral("26071071071071"));
    EXPECT_TRUE(bytes(QStringLiteral("Mia")).endsWith("1\r\n"));
}

INSTANTIATE_TEST_SUITE_P(ByButtonAndByCloseQuestion, BrightnessSaveTest, ::testing::Bool());

TEST_F(EditorTest, BlankLinesBetweenRowsAreReadPastAndNotWritten) {
    startWithEditors();
    writeLines(QStringLiteral("Mia"), {"", kLevelLine, "", kRow01, "", "", kRow02, kRow03, ""});
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Cell(editor, 0)->text(), QStringLiteral("平"));
    EXPECT_EQ(Cell(editor, 12)->text(), QStringLiteral("廟"));
    EXPECT_EQ(Cell(editor, 24)->text(), QStringLiteral("陷"));
    Click(editor, 24);
    editor->SaveFile();
    EXPECT_EQ(readLines(QStringLiteral("Mia")),
              QStringList({kLevelLine, kRow01, kRow02, QStringLiteral("03226766655321")}));
}

// A level name is one character; an empty one is written as an ideographic
// space, so the names after it keep their places when the line is read back.
TEST_F(EditorTest, LevelNamesHoldOneCharacterAndAnEmptyNameKeepsItsPlace) {
    startWithEditors();
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    QLineEdit* strongest = LevelBox(editor, 6);
    strongest->selectAll();
    QTest::keyClicks(strongest, QStringLiteral("ab"));
    EXPECT_EQ(strongest->text(), QStringLiteral("a"));
    EXPECT_EQ(editor->ChangeCount(), 1);
    EXPECT_EQ(Cell(editor, 1)->text(), QStringLiteral("廟"));  // shown cells keep their captions
    Click(editor, 2);                                          // 紫微 in 寅: 6 -> 7
    EXPECT_EQ(Cell(editor, 2)->text(), QStringLiteral("a"));
    QLineEdit* weakest = LevelBox(editor, 0);
    weakest->selectAll();
    QTest::keyClick(weakest, Qt::Key_Backspace);
    EXPECT_EQ(weakest->text(), QString());
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    settle();

    EXPECT_EQ(readLines(QStringLiteral("Mia")).value(0), QStringLiteral("\u3000不平利得旺a"));
    BrightnessTable engine;
    std::vector<StarLevelRow> rows;
    ASSERT_TRUE(files::ReadMia(folder_.path(), engine, rows).ok());
    EXPECT_EQ(engine.LevelNames[1], "");
    EXPECT_EQ(engine.LevelNames[2], "不");
    EXPECT_EQ(engine.LevelNames[7], "a");
    editor = openForm4();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(LevelBox(editor, 0)->text(), QString());
    EXPECT_EQ(LevelBox(editor, 6)->text(), QStringLiteral("a"));
    EXPECT_EQ(Cell(editor, 239)->text(), QString());  // level 1 has no name now
    EXPECT_EQ(Cell(editor, 2)->text(), QStringLiteral("a"));
}

TEST_F(EditorTest, RowsPastTheTwentiethAreWrittenBackAfterIt) {
    startWithEditors();
    QStringList lines = readLines(QStringLiteral("Mia"));
    lines << QStringLiteral("27123123123123") << QString() << QStringLiteral("28777777777777");
    writeLines(QStringLiteral("Mia"), lines);
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->findChild<QLabel*>(QStringLiteral("LAB01_20")), nullptr);
    Click(editor, 0);
    editor->SaveFile();
    lines.removeAll(QString());
    lines[1] = QStringLiteral("01476656776656");
    EXPECT_EQ(readLines(QStringLiteral("Mia")), lines);
}

// Rows: a short Mia whose second row names no star and whose third names a
// star without a name in the name list.
TEST_F(EditorTest, ColumnsWithoutAStarRowAreEmptyAndCannotBeClicked) {
    startWithEditors();
    const QString noStar = QStringLiteral("xx123456712345");
    const QString unnamed = QStringLiteral("60111111111111");
    writeLines(QStringLiteral("Mia"), {kLevelLine, kRow01, noStar, unnamed});
    Form4* editor = openForm4();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->findChild<RowLabel*>(QStringLiteral("LAB01_2"))->rows(), QStringList({"6", "0"}));
    EXPECT_EQ(Cell(editor, 24)->text(), QStringLiteral("陷"));
    EXPECT_TRUE(Cell(editor, 24)->isEnabled());
    for (int c = 1; c < Form4::kColumns; ++c) {
        if (c == 2) {
            continue;
        }
        SCOPED_TRACE(c);
        EXPECT_TRUE(editor->findChild<QLabel*>(QStringLiteral("LAB01_%1").arg(c))->text().isEmpty());
        for (int r = 0; r < Form4::kRows; ++r) {
            QLabel* cell = Cell(editor, Form4::kRows * c + r);
            EXPECT_TRUE(cell->text().isEmpty());
            EXPECT_FALSE(cell->isEnabled());
        }
    }
    Click(editor, 12);
    editor->cellClicked(12);
    EXPECT_EQ(editor->ChangeCount(), 0);
    Click(editor, 0);
    editor->SaveFile();
    EXPECT_EQ(readLines(QStringLiteral("Mia")),
              QStringList({kLevelLine, QStringLiteral("01476656776656"), noStar, unnamed}));
}

}  // namespace
}  // namespace velmora::testing
