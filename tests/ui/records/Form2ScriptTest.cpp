// The record window in 简体: it shows the script but User keeps what it
// always held (the name as typed, the period label in Traditional), and a
// name Big5 cannot hold is offered in its Traditional form.

#include <QLabel>
#include <QTreeWidget>

#include "tests/ui/records/RecordWindowFixture.h"
#include "ui/common/ShownScript.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/session/Session.h"

namespace velmora::testing {
namespace {

class Form2ScriptTest : public RecordWindowTest {
protected:
    void startSimplified(const QStringList& lines) {
        start(lines);
        form1->scriptCommand().setScript(Script::Simplified);
    }
};

TEST_F(Form2ScriptTest, ShowsTheScriptButStoresWhatUserAlwaysHeld) {
    const QString stored = QStringLiteral("陳東\t女\t1991\t6\t4\t") + kRat;
    startSimplified({stored});
    EXPECT_EQ(form2->windowTitle(), QStringLiteral("排盘"));
    EXPECT_EQ(listRows(), QStringList{QStringLiteral("陳東|女|1991|6|4|") + kRat}) << "the name as typed";

    clickRow(0);
    press(2);  // 修改, nothing changed: the line is written back as it was
    typeName(QStringLiteral("錢塘"));
    pickBirth(1990, 5, 3, 0);
    press(1);  // 輸入
    EXPECT_EQ(userFile(), UserBytes({stored, QStringLiteral("錢塘\t女\t1990\t5\t3\t") + kRat}));
    for (const QString& notice : notices()) {
        EXPECT_EQ(notice, SimplifiedText(notice)) << notice.toStdString();
    }
}

// One script on one screen: the board shows the owner's name as the list
// does (as typed), in whichever script, beside words in the script shown.
TEST_F(Form2ScriptTest, TheBoardShowsTheNameAsTheListDoes) {
    for (const Script script : {Script::Simplified, Script::Traditional}) {
        start({QStringLiteral("陳大文\t男\t1990\t5\t3\t") + kHorse});
        form1->scriptCommand().setScript(script);
        EXPECT_EQ(listRows().front().section(QLatin1Char('|'), 0, 0), QStringLiteral("陳大文"));
        clickRow(0);
        press(4);
        settle();
        const QString board = form1->findChild<QLabel*>(QStringLiteral("Label6_0"))->text();
        EXPECT_TRUE(board.contains(QStringLiteral("陳大文"))) << board.toStdString();
        form1->scriptCommand().setScript(script == Script::Simplified ? Script::Traditional : Script::Simplified);
        EXPECT_TRUE(form1->findChild<QLabel*>(QStringLiteral("Label6_0"))->text().contains(QStringLiteral("陳大文")));
        form1.reset();
    }
}

TEST_F(Form2ScriptTest, ANameBig5CannotHoldIsOfferedInTraditional) {
    struct Row {
        const char* typed;
        bool offered;        // a question offers the Traditional form
        bool accept;         // its answer
        const char* stored;  // the name User holds after 輸入; empty: nothing stored
    };
    const Row rows[] = {
        {"张伟", true, true, "張偉"},
        {"张伟", true, false, ""},
        {"范丽", true, true, "范麗"},  // the surname 范 is not 範
        {"陳東", false, false, "陳東"},  // Big5 holds it: no question
        {"\xf0\xa0\xae\xb7", false, false, ""},  // 𠮷: no Big5 form either way, refused as before
    };
    for (const Row& row : rows) {
        startSimplified({});
        boxes->clear();
        boxes->queueAnswer(row.accept);
        typeName(QString::fromUtf8(row.typed));
        pickBirth(1990, 5, 3, 6);
        press(1);
        const auto& shown = boxes->shown();
        const bool asked = !shown.empty() && shown.front().kind == ScriptedMessageBoxes::Kind::Question;
        EXPECT_EQ(asked, row.offered) << row.typed;
        const QString name = QString::fromUtf8(row.stored);
        EXPECT_EQ(userFile(), name.isEmpty() ? QByteArray() : UserBytes({name + QStringLiteral("\t男\t1990\t5\t3\t") + kHorse}))
            << row.typed;
        form1.reset();
    }
}

}  // namespace
}  // namespace velmora::testing
