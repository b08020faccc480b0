// Cases.sqlite: the schema's steps, search in Chinese, and faults that leave
// the file as it was with a message naming it.

#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <functional>

#include "cases/CaseSchema.h"
#include "cases/CaseStore.h"
#include "files/FileLock.h"
#include "tests/files/Fixture.h"

namespace velmora::cases {
namespace {

using files::testing::ProgramFolder;

std::unique_ptr<CaseStore> OpenOrFail(const QString& folder, const CaseOpenOptions& options = {}) {
    CaseOpen opened = CaseStore::Open(folder, options);
    if (auto* problem = std::get_if<files::FileProblem>(&opened)) ADD_FAILURE() << problem->describe().toStdString();
    auto* store = std::get_if<std::unique_ptr<CaseStore>>(&opened);
    return store ? std::move(*store) : nullptr;
}

CaseEntry Sample(const QString& id, const QString& notes, std::vector<CaseEvent> events = {}) {
    return {id, {"林美玲", "女", "1975", "8", "14", "午  (11:00-12:59)"}, notes, {"家人", "學員"},
            "出生證明", "AA", std::move(events), "2026-01-01T00:00:00Z", "2026-01-02T00:00:00Z"};
}

// Runs SQL on the file through a connection of the test's own.
void RunSql(const QString& path, const QString& sql) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test-side");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase("test-side");
}

TEST(CaseSchema, AVersionOneFileGrowsToTheCurrentSchemaAndItsNotesBecomeSearchable) {
    ProgramFolder folder;
    {
        auto old = OpenOrFail(folder.path(), {1});
        ASSERT_TRUE(old);
        EXPECT_EQ(old->schemaVersion(), 1);
    }
    RunSql(CasesFilePath(folder.path()),
           "INSERT INTO cases(id, name, gender, year, month, day, hour, notes, created, changed) VALUES "
           "('a', '張三', '男', '1960', '1', '2', '子  (23:00-00:59)', '命宮天機太陰', 't0', 't1')");
    RunSql(CasesFilePath(folder.path()),
           "INSERT INTO events(case_id, position, date, time, text) VALUES ('a', 0, '1990-01-01', NULL, '喜獲麟兒')");
    auto store = OpenOrFail(folder.path());
    ASSERT_TRUE(store);
    EXPECT_EQ(store->schemaVersion(), CurrentSchemaVersion());
    std::vector<CaseEntry> cases;
    ASSERT_FALSE(store->load(cases));
    ASSERT_EQ(cases.size(), 1u);
    EXPECT_EQ(cases[0].grade, "X");
    EXPECT_EQ(cases[0].events, (std::vector<CaseEvent>{{"1990-01-01", std::nullopt, "喜獲麟兒"}}));
    for (const QString& text : {QString("天機太陰"), QString("麟兒")}) {
        QStringList ids;
        ASSERT_FALSE(store->searchText(text, ids));
        EXPECT_EQ(ids, QStringList{"a"}) << text.toStdString();
    }
}

TEST(CaseStore, SavedCasesComeBackWholeAndTheTextSearchFindsChinese) {
    ProgramFolder folder;
    auto store = OpenOrFail(folder.path());
    ASSERT_TRUE(store);
    ASSERT_FALSE(store->save(Sample("a", "命宮紫微天府，三十歲升官發財")));
    ASSERT_FALSE(store->save(Sample("b", "", {{"2019-03-02", "14:30", "車禍受傷"}, {"2020-05-01", {}, "轉職"}})));
    std::vector<CaseEntry> cases;
    ASSERT_FALSE(store->load(cases));
    EXPECT_EQ(cases, (std::vector<CaseEntry>{Sample("a", "命宮紫微天府，三十歲升官發財"),
                                             Sample("b", "", {{"2019-03-02", "14:30", "車禍受傷"}, {"2020-05-01", {}, "轉職"}})}));
    // query, the cases found: one, two (below the trigram) and three or more characters
    const std::vector<std::pair<QString, QStringList>> rows = {
        {"財", {"a"}},       {"車禍", {"b"}},     {"車禍受", {"b"}}, {"紫微天府", {"a"}},
        {"轉職", {"b"}},     {"飛機", {}},         {"天府，三", {"a"}}, {"\"", {}}};
    for (const auto& [query, expected] : rows) {
        QStringList ids;
        ASSERT_FALSE(store->searchText(query, ids)) << query.toStdString();
        EXPECT_EQ(ids, expected) << query.toStdString();
    }
    CaseEntry unset;  // fields never set are null strings, stored and read back as empty
    unset.id = "c";
    unset.events = {{"2021-01-01", {}, QString()}};
    ASSERT_FALSE(store->save(unset));
    cases.clear();
    ASSERT_FALSE(store->load(cases));
    ASSERT_EQ(cases.size(), 3u);
    EXPECT_EQ(cases[2].notes, "");
    EXPECT_EQ(cases[2].events.at(0).text, "");
    ASSERT_FALSE(store->save(Sample("b", "")));  // its events gone: no longer found by them
    QStringList ids;
    ASSERT_FALSE(store->searchText("車禍", ids));
    EXPECT_TRUE(ids.isEmpty());
}

// A fault the store meets; the file, its data and a clear message must survive it.
struct Fault {
    const char* what;
    std::function<void(const QString& folder)> before;  // after one case is saved and the store closed
    bool openFails;
    const char* message;  // a phrase the message holds beside the file's name
    CaseOpenOptions options;
};

TEST(CaseStore, AFaultNamesTheFileAndLosesNothing) {
    const auto big = QString(200000, QChar(0x5FAE));
    const std::vector<Fault> faults = {
        {"locked by another program", [](const QString&) {}, false, "無法鎖定檔案", {0, std::chrono::milliseconds(50), 0}},
        {"disk full", [](const QString&) {}, false, "無法寫入檔案", {0, files::kLockWait, 8}},
        {"not a database", [](const QString& f) { QFile file(CasesFilePath(f)); ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                                                  file.write(QByteArray(4096, 'x')); }, true, "損壞", {}},
        {"from a newer program", [](const QString& f) { RunSql(CasesFilePath(f), "PRAGMA user_version = 99"); },
         true, "較新版本", {}},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.what);
        ProgramFolder folder;
        OpenOrFail(folder.path())->save(Sample("a", "原來的筆記"));
        fault.before(folder.path());
        const QByteArray bytes = folder.read(kCasesFile);
        QLockFile other(files::LockPath(CasesFilePath(folder.path())));
        if (QString(fault.what).startsWith("locked")) {
            ASSERT_TRUE(other.tryLock());
        }
        CaseOpen opened = CaseStore::Open(folder.path(), fault.options);
        std::optional<files::FileProblem> problem;
        if (auto* refused = std::get_if<files::FileProblem>(&opened)) problem = *refused;
        else problem = std::get<std::unique_ptr<CaseStore>>(opened)->save(Sample("a", big));
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem.has_value() && std::holds_alternative<files::FileProblem>(opened), fault.openFails);
        EXPECT_TRUE(problem->describe().contains("Cases.sqlite")) << problem->describe().toStdString();
        EXPECT_TRUE(problem->describe().contains(fault.message)) << problem->describe().toStdString();
        opened = CaseOpen{};
        other.unlock();
        if (fault.openFails) {
            EXPECT_EQ(folder.read(kCasesFile), bytes);
            continue;
        }
        std::vector<CaseEntry> cases;
        ASSERT_FALSE(OpenOrFail(folder.path())->load(cases));
        ASSERT_EQ(cases.size(), 1u);
        EXPECT_EQ(cases[0].notes, "原來的筆記");
        RunSql(CasesFilePath(folder.path()), "PRAGMA integrity_check");
    }
}

}  // namespace
}  // namespace velmora::cases
