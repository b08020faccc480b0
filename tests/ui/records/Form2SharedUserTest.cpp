// Two record windows on one folder (each main window with its own session),
// and User rewritten by hand behind a window's back: after every step User
// holds every edit that was meant, and an edit whose record is gone changes
// nothing and leaves its entry in the boxes.

#include <QApplication>
#include <QLineEdit>
#include <QLockFile>

#include <vector>

#include "tests/ui/records/RecordWindowFixture.h"

namespace velmora::testing {
namespace {

const QString kC = QStringLiteral("丙\t男\t1985\t2\t4\t") + kRat;    // added
const QString kD = QStringLiteral("丁\t男\t1985\t2\t4\t") + kRat;    // added
const QString kE = QStringLiteral("戊\t女\t1970\t1\t1\t") + kRat;    // written by hand
const QString kA2 = QStringLiteral("甲甲\t男\t1990\t5\t3\t") + kHorse;  // 甲 renamed
const QString kB2 = QStringLiteral("乙乙\t女\t1991\t6\t4\t") + kRat;    // 乙 renamed
const QString kD2 = QStringLiteral("丁丁\t男\t1985\t2\t4\t") + kRat;    // 丁 renamed

enum class Act { Add, Change, Delete, ByHand };

// Columns: who acts (window 0 or 1; -1 a hand rewriting the file), what,
// the row of that window's own list (Change, Delete), the name entered (Add,
// Change), whether the record is gone, and User afterwards.
struct Step {
    int window;
    Act act;
    int row;
    QString name;
    bool gone;
    QStringList user;
};
struct Interleaving {
    const char* name;
    std::vector<Step> steps;
};

// Both windows read {甲, 乙} before the first step.
const std::vector<Interleaving> kInterleavings = {
    {"AddAdd", {{0, Act::Add, 0, "丙", false, {kA, kB, kC}}, {1, Act::Add, 0, "丁", false, {kA, kB, kC, kD}}}},
    {"AddChange", {{1, Act::Add, 0, "丙", false, {kA, kB, kC}}, {0, Act::Change, 1, "乙乙", false, {kA, kB2, kC}}}},
    {"AddDelete", {{0, Act::Add, 0, "丙", false, {kA, kB, kC}}, {1, Act::Delete, 0, "", false, {kB, kC}}}},
    {"ChangeAdd", {{0, Act::Change, 0, "甲甲", false, {kA2, kB}}, {1, Act::Add, 0, "丁", false, {kA2, kB, kD}}}},
    {"ChangeChange", {{0, Act::Change, 0, "甲甲", false, {kA2, kB}}, {1, Act::Change, 1, "乙乙", false, {kA2, kB2}}}},
    {"ChangeDelete", {{1, Act::Change, 0, "甲甲", false, {kA2, kB}}, {0, Act::Delete, 1, "", false, {kA2}}}},
    {"DeleteAdd", {{0, Act::Delete, 0, "", false, {kB}}, {1, Act::Add, 0, "丁", false, {kB, kD}}}},
    {"DeleteChange", {{0, Act::Delete, 0, "", false, {kB}}, {1, Act::Change, 1, "乙乙", false, {kB2}}}},
    {"DeleteDelete", {{0, Act::Delete, 0, "", false, {kB}}, {1, Act::Delete, 1, "", false, {}}}},
    {"SameChangedTwice", {{0, Act::Change, 0, "甲甲", false, {kA2, kB}}, {1, Act::Change, 0, "甲丙", true, {kA2, kB}}}},
    {"ChangedThenDeleted", {{0, Act::Change, 0, "甲甲", false, {kA2, kB}}, {1, Act::Delete, 0, "", true, {kA2, kB}}}},
    {"DeletedThenChanged", {{0, Act::Delete, 0, "", false, {kB}}, {1, Act::Change, 0, "甲丙", true, {kB}}}},
    {"DeletedTwice", {{1, Act::Delete, 0, "", false, {kB}}, {0, Act::Delete, 0, "", true, {kB}}}},
    {"BackAndForth",
     {{0, Act::Add, 0, "丙", false, {kA, kB, kC}},
      {1, Act::Add, 0, "丁", false, {kA, kB, kC, kD}},
      {0, Act::Delete, 2, "", false, {kA, kB, kD}},
      {1, Act::Change, 3, "丁丁", false, {kA, kB, kD2}}}},
    {"RewrittenByHand",
     {{-1, Act::ByHand, 0, "", false, {kB, kE}},
      {0, Act::Change, 0, "甲甲", true, {kB, kE}},
      {0, Act::Add, 0, "丙", false, {kB, kE, kC}},
      {1, Act::Delete, 1, "", false, {kE, kC}}}},
};

class SharedUserTest : public RecordWindowTest {
protected:
    // Opens a second main window, with its own session, on the same folder.
    void startSecond() {
        std::swap(form1, other_.form1);
        std::swap(boxes, other_.boxes);
        std::swap(form2, other_.form2);
        startAsIs();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* records = qobject_cast<Form2*>(window);
            if (records != nullptr && records->isVisible() && records != other_.form2) form2 = records;
        }
        active_ = 1;
    }
    // Makes window `w` the one the fixture's helpers drive.
    void use(int w) {
        if (w == active_) return;
        std::swap(form1, other_.form1);
        std::swap(boxes, other_.boxes);
        std::swap(form2, other_.form2);
        active_ = w;
    }
    void perform(const Step& step) {
        if (step.act == Act::ByHand) return folder_.write(QStringLiteral("User"), UserBytes(step.user));
        use(step.window);
        boxes->clear();
        if (step.act != Act::Add) clickRow(step.row);
        if (step.act != Act::Delete) typeName(step.name);
        if (step.act == Act::Add) pickBirth(1985, 2, 4, 0);
        press(step.act == Act::Add ? 1 : step.act == Act::Change ? 2 : 3);
    }

    struct Window {
        std::unique_ptr<Form1> form1;
        std::shared_ptr<ScriptedMessageBoxes> boxes;
        QPointer<Form2> form2;
    } other_;
    int active_ = 0;
};

TEST_F(SharedUserTest, EveryInterleavingKeepsEveryEditMeant) {
    for (const Interleaving& row : kInterleavings) {
        SCOPED_TRACE(row.name);
        start({kA, kB});
        startSecond();
        ASSERT_NE(form2, other_.form2);
        std::vector<int> writtenSinceSeen = {0, 0};  // saves by others since a window last read User
        for (const Step& step : row.steps) {
            perform(step);
            EXPECT_EQ(userFile(), UserBytes(step.user)) << "after a step of window " << step.window;
            if (step.window < 0) {
                writtenSinceSeen = {1, 1};
                continue;
            }
            const QString told = notices().join(QLatin1Char('\n'));
            EXPECT_EQ(told.contains(QStringLiteral("已被其他視窗或程式改過")), writtenSinceSeen[step.window] > 0) << told.toStdString();
            EXPECT_EQ(told.contains(QStringLiteral("已套用")), writtenSinceSeen[step.window] > 0 && !step.gone);
            EXPECT_EQ(told.contains(QStringLiteral("已在別處被修改或刪除")), step.gone) << told.toStdString();
            const QStringList shown = QStringList(step.user).replaceInStrings(QStringLiteral("\t"), QStringLiteral("|"));
            EXPECT_EQ(listRows().join(QLatin1Char('\n')).toStdString(), shown.join(QLatin1Char('\n')).toStdString());
            if (step.gone && step.act == Act::Change) {
                EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text1"))->text(), step.name);  // kept to add again
            }
            writtenSinceSeen[step.window] = 0;
            if (!step.gone) writtenSinceSeen[1 - step.window] += 1;
        }
        form2->close();
        use(1 - active_);
        form2->close();
        settle();
    }
}

// A lock another program holds: nothing is written, the user is told which
// file, and the edit stays to be saved by the next edit once the lock is gone.
TEST_F(SharedUserTest, AHeldLockDelaysTheSaveAndLosesNothing) {
    start({kA, kB});
    form1->session().writeOptions.lockWait = std::chrono::milliseconds(50);
    auto held = std::make_unique<QLockFile>(folder_.filePath(QStringLiteral("User.lock")));
    ASSERT_TRUE(held->tryLock());
    perform({0, Act::Add, 0, "丙", false, {}});
    ASSERT_EQ(notices().size(), 1);
    EXPECT_TRUE(notices()[0].contains(QStringLiteral("無法鎖定檔案 User"))) << notices()[0].toStdString();
    EXPECT_EQ(userFile(), UserBytes({kA, kB}));
    held.reset();
    perform({0, Act::Delete, 0, "", false, {}});
    EXPECT_EQ(userFile(), UserBytes({kB, kC}));
}

}  // namespace
}  // namespace velmora::testing
