// The editors in 简体: cells, headings and level names shown in Simplified,
// Mia and Four saved in Traditional (a level name left as shown is saved as
// it was read, one typed in Simplified in its Traditional form).

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "tests/ui/editors/EditorFixture.h"
#include "ui/common/RowLabel.h"
#include "ui/common/ShownScript.h"
#include "ui/chartio/ScriptCommand.h"

namespace velmora::testing {
namespace {

const QString kLevelLine = QStringLiteral("陷不平利得旺廟");

TEST_F(EditorTest, BrightnessEditorShowsSimplifiedAndSavesTraditional) {
    struct Row {
        int box;             // level name box 0..6, -1 none typed
        const char* typed;   // what the user types there
        const char* stored;  // Mia's first line after 儲存變更
    };
    const Row rows[] = {
        {-1, "", "陷不平利得旺廟"},  // a cell edit only: the level names as read
        {6, "庙", "陷不平利得旺廟"},   // typed as shown
        {5, "优", "陷不平利得優廟"},   // a new name typed in Simplified
        {0, "陷", "陷不平利得旺廟"},   // the same in both scripts
    };
    const QByteArray shipped = bytes(QStringLiteral("Mia"));
    for (const Row& row : rows) {
        folder_.write(QStringLiteral("Mia"), shipped);
        startWithEditors();
        form->scriptCommand().setScript(Script::Simplified);
        Form4* editor = openForm4();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("编修庙旺表"));
        EXPECT_EQ(editor->findChild<QLineEdit*>(QStringLiteral("Text1_6"))->text(), QStringLiteral("庙"));
        EXPECT_EQ(editor->findChild<RowLabel*>(QStringLiteral("LAB01_1"))->rows(), QStringList({"天", "机"}));
        if (row.box >= 0) {
            QLineEdit* box = editor->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(row.box));
            box->selectAll();
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUtf8(row.typed), Qt::NoModifier);
        }
        QTest::mouseClick(editor->findChild<QLabel*>(QStringLiteral("LAB03_0")), Qt::LeftButton);
        QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        settle();
        EXPECT_EQ(readLines(QStringLiteral("Mia")).value(0), QString::fromUtf8(row.stored)) << row.typed;
        form = nullptr;
        started_ = {};
    }
}

TEST_F(EditorTest, TransformationEditorListsStarsInSimplifiedAndSavesFourAsItWas) {
    startWithEditors();
    const QByteArray before = bytes(QStringLiteral("Four"));
    form->scriptCommand().setScript(Script::Simplified);
    Form5* editor = openForm5();
    ASSERT_NE(editor, nullptr);
    for (const QComboBox* combo : editor->findChildren<QComboBox*>()) {
        for (int i = 0; i < combo->count(); ++i) {
            EXPECT_EQ(combo->itemText(i), SimplifiedText(combo->itemText(i))) << combo->objectName().toStdString();
        }
    }
    for (const QLabel* label : editor->findChildren<QLabel*>()) {
        EXPECT_EQ(label->text(), SimplifiedText(label->text())) << label->objectName().toStdString();
    }
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    settle();
    EXPECT_EQ(bytes(QStringLiteral("Four")), before);
}

}  // namespace
}  // namespace velmora::testing
