// The transformation-table editor: what it shows of Four, picks, and the ten
// lines it writes back.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>

#include "chart/TimeLayers.h"
#include "tests/ui/editors/EditorFixture.h"
#include "ui/common/Twips.h"
#include "ui/editors/EditorWindow.h"

namespace velmora::testing {
namespace {

const QString kTitle = QStringLiteral("編修四化表訊息");
const QString kNoStars = QStringLiteral("00000000");

QComboBox* Combo(Form5* editor, int k) {
    return editor->findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(k));
}

// The user's choice of list position `index` in cell k.
void Pick(Form5* editor, int k, int index) { emit Combo(editor, k)->activated(index); }

bool Edited(QComboBox* combo) { return combo->palette().color(QPalette::Button) == kEditedCellColour; }

void PressSave(Form5* editor) {
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
}

TEST_F(EditorTest, TransformationEditorShowsFourWhileTheMainWindowWaits) {
    startWithEditors();
    Form5* editor = openForm5();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("編修四化表"));
    EXPECT_EQ(editor->size(), TwipSize(5775, 6060));
    EXPECT_FALSE(form->isEnabled());
    EXPECT_EQ(editor->ChangeCount(), 0);
    // Columns: heading text, its colour.
    const std::array<std::pair<QString, QColor>, 4> headings{{{QStringLiteral("化祿"), QColor(0, 128, 96)},
                                                               {QStringLiteral("化權"), QColor(168, 16, 152)},
                                                               {QStringLiteral("化科"), QColor(0, 24, 255)},
                                                               {QStringLiteral("化忌"), QColor(224, 48, 8)}}};
    for (int t = 0; t < 4; ++t) {
        auto* label = editor->findChild<QLabel*>(QStringLiteral("Label2_%1").arg(t));
        EXPECT_EQ(label->text(), headings[static_cast<std::size_t>(t)].first);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), headings[static_cast<std::size_t>(t)].second);
        EXPECT_TRUE(label->font().bold());
    }
    EXPECT_EQ(editor->findChild<QLabel*>(QStringLiteral("Label1_0"))->text(), QStringLiteral("甲"));
    EXPECT_EQ(editor->findChild<QLabel*>(QStringLiteral("Label1_9"))->text(), QStringLiteral("癸"));
    // 甲: 廉貞 破軍 武曲 太陽 (06 14 04 03); 癸's 忌 is 貪狼 (09).
    const QStringList first{"廉貞", "破軍", "武曲", "太陽"};
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(Combo(editor, t)->currentText(), first[t]);
        EXPECT_FALSE(Edited(Combo(editor, t)));
    }
    EXPECT_EQ(Combo(editor, 39)->currentText(), QStringLiteral("貪狼"));
    QComboBox* any = Combo(editor, 17);
    EXPECT_EQ(any->count(), Form5::kOfferedStars);
    EXPECT_EQ(any->itemText(0), QStringLiteral("紫微"));
    EXPECT_EQ(any->itemText(17), QStringLiteral("右弼"));
    EXPECT_EQ(any->maxVisibleItems(), 18);
}

TEST_F(EditorTest, OpeningAndClosingWithoutAPickAsksNothingAndLeavesFour) {
    startWithEditors();
    const QByteArray before = bytes(QStringLiteral("Four"));
    Form5* editor = openForm5();
    ASSERT_NE(editor, nullptr);
    editor->close();
    settle();
    EXPECT_EQ(ShownWindow<Form5>(), nullptr);
    EXPECT_TRUE(boxes->shown().empty());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(bytes(QStringLiteral("Four")), before);
}

TEST_F(EditorTest, SaveWithoutPicksWritesNothingAndLeavesTheEditorOpen) {
    startWithEditors();
    Form5* editor = openForm5();
    ASSERT_NE(editor, nullptr);
    PressSave(editor);
    EXPECT_EQ(ShownWindow<Form5>(), editor);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(boxes->shown().empty());
}

TEST_F(EditorTest, APickTurnsTheCellYellowAndSavingWritesTenLinesOfEightDigits) {
    startWithEditors();
    const QStringList shipped = readLines(QStringLiteral("Four"));
    Form5* editor = openForm5();
    ASSERT_NE(editor, nullptr);
    QComboBox* combo = Combo(editor, 5);  // 乙's 權
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);  // 天梁 (12) -> 七殺 (13)
    EXPECT_EQ(editor->entry(2, 2), 13);
    EXPECT_TRUE(Edited(combo));
    EXPECT_EQ(editor->ChangeCount(), 1);
    PressSave(editor);
    settle();
    EXPECT_EQ(ShownWindow<Form5>(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    ASSERT_EQ(boxes->shown().size(), 1u);
    EXPECT_EQ(boxes->shown()[0].title, kTitle);
    EXPECT_EQ(boxes->shown()[0].text, QStringLiteral("編修過的資料已儲存，命盤已依新資料重新排好。"));
    const QByteArray written = bytes(QStringLiteral("Four"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\\A([0-9]{8}\r\n){10}\\z")).match(QString::fromLatin1(written)).hasMatch());
    QStringList expected = shipped;
    expected[1] = QStringLiteral("02130108");
    EXPECT_EQ(readLines(QStringLiteral("Four")), expected);
}

// 庚's 化科 set to 天同, its 化忌 already: each save asks first. Rows in
// turn: the answer, then whether Four was written and the editor closed.
TEST_F(EditorTest, AStarTransformedTwiceByOneStemIsSavedOnlyWhenTheUserAgrees) {
    startWithEditors();
    const QStringList shipped = readLines(QStringLiteral("Four"));
    Form5* editor = openForm5();
    ASSERT_NE(editor, nullptr);
    Pick(editor, 4 * 6 + 2, 4);  // 天同 (5) as 庚's 科
    for (const bool agreed : {false, true}) {
        SCOPED_TRACE(agreed);
        boxes->clear();
        boxes->queueAnswer(agreed);
        PressSave(editor);
        settle();
        ASSERT_FALSE(boxes->shown().empty());
        EXPECT_EQ(boxes->shown()[0].kind, ScriptedMessageBoxes::Kind::Question);
        EXPECT_TRUE(boxes->shown()[0].text.startsWith(QStringLiteral("庚：天同化科、化忌。"))) << boxes->shown()[0].text.toStdString();
        EXPECT_EQ(readLines(QStringLiteral("Four"))[6], agreed ? QStringLiteral("03040505") : shipped[6]);
        EXPECT_EQ(ShownWindow<Form5>() == nullptr, agreed);
    }
}

// Rows: entries of a stem that is 0, an empty line, and lines the file lacks;
// each shows empty cells and is written back as 00.
TEST_F(EditorTest, StemsWithoutStarsShowEmptyCellsAndSaveAsNoughts) {
    startWithEditors();
    writeLines(QStringLiteral("Four"), {"00140403", "02120108", "", "08050210"});
    Form5* editor = openForm5();
    ASSERT_NE(editor, nullptr);
    for (const int k : {0, 8, 9, 10, 11, 16, 39}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Combo(editor, k)->currentIndex(), -1);
        EXPECT_TRUE(Combo(editor, k)->currentText().isEmpty());
        EXPECT_TRUE(Combo(editor, k)->placeholderText().isEmpty());
    }
    Pick(editor, 1, 0);
    EXPECT_EQ(editor->ChangeCount(), 1);
    editor->SaveFile();
    const QStringList lines = readLines(QStringLiteral("Four"));
    EXPECT_EQ(lines, QStringList({"00010403", "02120108", kNoStars, "08050210", kNoStars, kNoStars, kNoStars,
                                  kNoStars, kNoStars, kNoStars}));
    for (int s = 5; s <= 10; ++s) {
        EXPECT_EQ(ParseTransformations(lines[s - 1].toStdString()), (std::array<int, 5>{}));
    }
}

// A star the lists do not offer (23 火星, and 60 with no name) is shown by
// name and kept until another star is picked in its cell.
TEST_F(EditorTest, AStarOutsideTheListIsShownAndKeptUntilReplaced) {
    startWithEditors();
    writeLines(QStringLiteral("Four"), {"23140460"});
    Form5* editor = openForm5();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Combo(editor, 0)->currentIndex(), -1);
    EXPECT_EQ(Combo(editor, 0)->placeholderText(), QStringLiteral("火星"));
    EXPECT_EQ(Combo(editor, 3)->placeholderText(), QString());
    EXPECT_EQ(editor->entry(1, 1), 23);
    EXPECT_EQ(editor->entry(1, 4), 60);
    Pick(editor, 1, 17);
    EXPECT_EQ(editor->lines()[0], QStringLiteral("23180460"));
    Pick(editor, 0, 2);
    EXPECT_EQ(Combo(editor, 0)->currentText(), QStringLiteral("太陽"));
    editor->SaveFile();
    EXPECT_EQ(readLines(QStringLiteral("Four")).value(0), QStringLiteral("03180460"));
}

TEST_F(EditorTest, CancelInTheCloseQuestionKeepsFourAndOkSavesIt) {
    startWithEditors();
    const QByteArray before = bytes(QStringLiteral("Four"));
    for (const bool ok : {false, true}) {
        Form5* editor = openForm5();
        ASSERT_NE(editor, nullptr);
        Pick(editor, 0, 0);
        boxes->queueAnswer(ok);
        editor->close();
        settle();
        EXPECT_EQ(ShownWindow<Form5>(), nullptr);
        EXPECT_TRUE(form->isEnabled());
        ASSERT_FALSE(boxes->shown().empty());
        EXPECT_EQ(boxes->shown()[0].kind, ScriptedMessageBoxes::Kind::Question);
        EXPECT_EQ(boxes->shown()[0].title, kTitle);
        EXPECT_EQ(boxes->shown()[0].text, QStringLiteral("資料已編修過，要儲存請按確定！"));
        EXPECT_EQ(readLines(QStringLiteral("Four")).value(0), ok ? QStringLiteral("01140403") : QStringLiteral("06140403"));
        if (!ok) {
            EXPECT_EQ(bytes(QStringLiteral("Four")), before);
        }
        boxes->clear();
    }
}

}  // namespace
}  // namespace velmora::testing
