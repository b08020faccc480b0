// The cases no record claims. Another program rewrote User: it dropped the ids
// of 甲 and 乙, removed 丙, and 己 was renamed (its id kept). On reading User
// the window gives 甲 and 乙 their ids back (written at once), 己's
// case follows the new name, and only 丙's case is listed as unlinked; each
// row then links or deletes that case from the keyboard, and nothing changes
// without a yes or while the library is locked.

#include <QAction>
#include <QFile>
#include <QLockFile>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <algorithm>

#include "cases/CaseStore.h"
#include "files/FileLock.h"
#include "tests/ui/records/RecordWindowFixture.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/records/UnlinkedCasesWindow.h"
#include "ui/session/Session.h"

namespace velmora::testing {
namespace {

const QString kIdA = QStringLiteral("00000000-0000-4000-8000-00000000000a");
const QString kIdB = QStringLiteral("00000000-0000-4000-8000-00000000000b");
const QString kIdC = QStringLiteral("00000000-0000-4000-8000-00000000000c");
const QString kIdE = QStringLiteral("00000000-0000-4000-8000-00000000000e");
const QString kIdF = QStringLiteral("00000000-0000-4000-8000-00000000000f");
const QString kD = QStringLiteral("丁\t男\t1985\t2\t4\t") + kRat;             // no id, no case
const QString kE = QStringLiteral("戊\t女\t1970\t1\t1\t") + kRat;             // its own id, no case
const QString kF = QStringLiteral("己己\t男\t1980\t3\t3\t") + kHorse;         // renamed from 己
const QString kIdPiece = QStringLiteral("\tid=");

// User as the other program left it: rows 甲 0, 乙 1, 丁 2, 戊 3, 己己 4.
const QStringList kRewritten{kA, kB, kD, kE + kIdPiece + kIdE, kF + kIdPiece + kIdF};

cases::CaseEntry Case(const QString& id, const QString& line) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    cases::CaseEntry entry;
    entry.id = id;
    entry.person = {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    entry.notes = fields[0] + QStringLiteral("的筆記\n第二行");
    entry.source = QStringLiteral("出生證明");
    entry.changed = entry.created = QStringLiteral("2026-12-01T08:30:00.000Z");
    return entry;
}

const std::vector<cases::CaseEntry> kLibrary{
    Case(kIdA, kA), Case(kIdB, kB), Case(kIdC, QStringLiteral("丙\t男\t1985\t2\t4\t") + kRat),
    Case(kIdF, QStringLiteral("己\t男\t1980\t3\t3\t") + kHorse)};

std::unique_ptr<cases::CaseStore> OpenStore(const QString& folder) {
    cases::CaseOpen opened = cases::CaseStore::Open(folder);
    if (auto* problem = std::get_if<files::FileProblem>(&opened)) {
        ADD_FAILURE() << problem->describe().toStdString();
        return nullptr;
    }
    return std::move(std::get<std::unique_ptr<cases::CaseStore>>(opened));
}

std::vector<cases::CaseEntry> StoredCases(const QString& folder) {
    std::vector<cases::CaseEntry> all;
    if (auto store = OpenStore(folder)) {
        EXPECT_FALSE(store->load(all));
    }
    return all;
}

// The ids, sorted and joined, as a failure prints them.
std::string Ids(QStringList ids) {
    ids.sort();
    return ids.join(QLatin1Char(',')).toStdString();
}
std::string Ids(const std::vector<cases::CaseEntry>& all) {
    QStringList ids;
    for (const cases::CaseEntry& entry : all) ids.append(entry.id);
    return Ids(ids);
}

enum class Act { Link, Delete };

// Columns: row name, act (Enter links, Delete deletes), the record picked in
// the record window (-1 none), the answer to the question, whether another
// program holds the library's lock, the words the question or notice must
// hold, the case ids afterwards, the id 丁's line holds afterwards ("" none),
// and the cases still unlinked.
struct Row {
    const char* name;
    Act act;
    int record;
    bool yes;
    bool locked;
    QStringList said;
    QStringList ids;
    QString idOfD;
    int unlinked;
};

const QStringList kAll{kIdA, kIdB, kIdC, kIdF};
const std::vector<Row> kRows{
    {"link to a record without id", Act::Link, 2, true, false, {"「丙（男", "「丁（男"}, kAll, kIdC, 0},
    {"link to a record with its own id", Act::Link, 3, true, false, {"「丙（男", "「戊（女"}, {kIdA, kIdB, kIdE, kIdF}, "", 0},
    {"link cancelled", Act::Link, 2, false, false, {"「丁（男"}, kAll, "", 1},
    {"link without a picked record", Act::Link, -1, true, false, {"請先在「排盤」視窗"}, kAll, "", 1},
    {"link to a record that has a case", Act::Link, 0, true, false, {"已有自己的案例"}, kAll, "", 1},
    {"link while locked", Act::Link, 3, true, true, {"Cases.sqlite", "檔案保持原樣"}, kAll, "", 1},
    {"delete confirmed", Act::Delete, -1, true, false, {"「丙（男", "筆記、標籤和事件"}, {kIdA, kIdB, kIdF}, "", 0},
    {"delete cancelled", Act::Delete, -1, false, false, {"「丙（男"}, kAll, "", 1},
    {"delete while locked", Act::Delete, -1, true, true, {"Cases.sqlite", "檔案保持原樣"}, kAll, "", 1},
};

class UnlinkedCasesTest : public RecordWindowTest {
protected:
    void startRewritten() {
        folder_.remove(cases::kCasesFile);
        if (auto store = OpenStore(folder_.path())) {
            const cases::CaseWrite saved = store->saveAll(kLibrary);
            ASSERT_FALSE(saved) << saved->describe().toStdString();
        }
        start(kRewritten);
        ASSERT_TRUE(form2);
        form1->session().writeOptions.lockWait = std::chrono::milliseconds(50);
        find<QAction>(QStringLiteral("UnlinkedCasesCommand"))->trigger();
        window = form2->findChild<UnlinkedCasesWindow*>(QStringLiteral("UnlinkedCases"));
        ASSERT_TRUE(window && window->isVisible());
        list = window->findChild<QTreeWidget*>(QStringLiteral("UnlinkedList"));
    }
    QString commandText() const { return find<QAction>(QStringLiteral("UnlinkedCasesCommand"))->text(); }
    bool userHolds(const QString& line) const { return userFileAsIs().contains(UserBytes({line})); }

    UnlinkedCasesWindow* window = nullptr;
    QTreeWidget* list = nullptr;
};

TEST_F(UnlinkedCasesTest, ReadingUserGivesIdsBackAndListsTheCaseNoRecordClaims) {
    startRewritten();
    ASSERT_EQ(list->topLevelItemCount(), 1);
    const QStringList shown{list->topLevelItem(0)->text(0), list->topLevelItem(0)->text(2),
                            list->topLevelItem(0)->text(3), list->topLevelItem(0)->text(5)};
    EXPECT_EQ(shown, (QStringList{"丙", "1985/2/4", kRat, "丙的筆記"}));
    EXPECT_EQ(commandText(), QStringLiteral("未連結案例（1）…"));
    EXPECT_TRUE(find<QToolButton>(QStringLiteral("UnlinkedCasesButton"))->isVisible());
    const std::vector<cases::CaseEntry> stored = StoredCases(folder_.path());
    const auto moved = std::find_if(stored.begin(), stored.end(), [](const auto& c) { return c.id == kIdF; });
    ASSERT_NE(moved, stored.end());
    EXPECT_EQ(moved->person.name, QStringLiteral("己己"));   // followed its record
    EXPECT_EQ(moved->changed, kLibrary[3].changed);          // no one edited the case
    EXPECT_TRUE(userHolds(kA + kIdPiece + kIdA));            // opening wrote the ids back at once
    EXPECT_EQ(userFile(), UserBytes({kA, kB, kD, kE, kF}));  // and nothing else
    EXPECT_TRUE(userHolds(kB + kIdPiece + kIdB));
    EXPECT_TRUE(userHolds(kD));
    // Another program drops them again: a save takes its file in, and the ids
    // come back the same way for the save after.
    folder_.write(QStringLiteral("User"), UserBytes(kRewritten));
    form2->SAVELIST();
    ASSERT_TRUE(form2->SAVELIST());
    EXPECT_TRUE(userHolds(kB + kIdPiece + kIdB));

    // Shown in 简体 but for what the user typed: the name and the notes.
    form1->scriptCommand().setScript(Script::Simplified);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("未链接案例"));
    EXPECT_EQ(list->headerItem()->text(6), QStringLiteral("修改时间"));
    EXPECT_EQ(list->topLevelItem(0)->text(5), QStringLiteral("丙的筆記"));
    EXPECT_EQ(commandText(), QStringLiteral("未链接案例（1）…"));
}

TEST_F(UnlinkedCasesTest, LinkOrDeleteOnlyOnTheUsersWord) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        startRewritten();
        if (row.record >= 0) clickRow(row.record);
        QLockFile other(files::LockPath(cases::CasesFilePath(folder_.path())));
        if (row.locked) {
            ASSERT_TRUE(other.tryLock());
        }
        boxes->clear();
        boxes->queueAnswer(row.yes);
        list->setFocus();
        QTest::keyClick(list, row.act == Act::Link ? Qt::Key_Return : Qt::Key_Delete);
        other.unlock();
        const QString said = notices().join(QLatin1Char('\n'));
        for (const QString& words : row.said) EXPECT_TRUE(said.contains(words)) << said.toStdString();
        const std::vector<cases::CaseEntry> stored = StoredCases(folder_.path());
        EXPECT_EQ(Ids(stored), Ids(row.ids));
        for (const cases::CaseEntry& entry : stored) {
            if (entry.id != kIdE) continue;  // 丙's case under 戊's own id and fields
            EXPECT_EQ(entry.notes, kLibrary[2].notes);
            EXPECT_EQ(entry.person.name, QStringLiteral("戊"));
        }
        if (row.idOfD == kIdC) {
            EXPECT_TRUE(userHolds(kA + kIdPiece + kIdA));  // that save wrote the ids given back
        }
        EXPECT_TRUE(userHolds(row.idOfD.isEmpty() ? kD : kD + kIdPiece + row.idOfD));
        EXPECT_EQ(list->topLevelItemCount(), row.unlinked);
        EXPECT_EQ(commandText(), row.unlinked > 0 ? QStringLiteral("未連結案例（1）…") : QStringLiteral("未連結案例…"));
    }
}

}  // namespace
}  // namespace velmora::testing
