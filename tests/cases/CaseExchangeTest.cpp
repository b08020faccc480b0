// The library between folders: orphans matched back, export then import
// into an empty folder giving the same User bytes and cases, plans that
// change nothing, and the plain CSV's periods.

#include "cases/CaseImport.h"
#include "cases/CaseLinks.h"
#include "cases/CaseStore.h"
#include "files/RecordExtras.h"
#include "files/RecordId.h"
#include "tests/files/Fixture.h"

namespace velmora::cases {
namespace {

using files::BirthRecord;
using files::testing::ProgramFolder;

const QString kIdA = "6f1c2a9e-0d2b-4c55-9a41-3b8f0f6e7a10";
const QString kIdB = "0b3a7c55-2e9d-4f7e-8c11-5d2e6a4b9c21";
const QString kIdLost = "9d8e7f60-1a2b-4c3d-8e9f-0a1b2c3d4e5f";

BirthRecord Record(const QString& name, const QString& id) {
    BirthRecord record{name, "男", "1968", "3", "21", "寅  (03:00-04:59)", {}, {}};
    files::SetExtra(record, files::extra_keys::kClock, "03:40");
    files::SetExtra(record, files::extra_keys::kPlace, "臺北");
    if (!id.isEmpty()) files::SetRecordId(record, id);
    return record;
}

CaseEntry CaseOf(const BirthRecord& record, const QString& id) {
    return {id, KeyOf(record), "紫微在命，晚年見財", {"客戶"}, "本人口述", "A",
            {{"1999-09-09", "09:00", "結婚"}, {"2008-01-01", std::nullopt, "創業, \"成功\""}},
            "2026-01-01T00:00:00Z", "2026-02-01T00:00:00Z"};
}

// A folder holding User and Cases.sqlite: two records with ids (one with a
// case), one without, and a case whose record is gone.
void MakeLibrary(const ProgramFolder& folder) {
    const std::vector<BirthRecord> records = {Record("陳大文", kIdA), Record("李小龍", kIdB), Record("無名", "")};
    ASSERT_FALSE(files::WriteUserFile(files::UserFilePath(folder.path()), records));
    CaseOpen opened = CaseStore::Open(folder.path());
    CaseStore& store = *std::get<std::unique_ptr<CaseStore>>(opened);
    ASSERT_FALSE(store.save(CaseOf(records[0], kIdA)));
    ASSERT_FALSE(store.save(CaseOf(Record("失聯", ""), kIdLost)));
}

TEST(CaseLinks, ARecordThatLostItsIdFindsItsCaseByItsFieldsAndNothingElseIsDropped) {
    const BirthRecord a = Record("陳大文", kIdA);
    const std::vector<CaseEntry> cases = {CaseOf(a, kIdA), CaseOf(Record("李小龍", ""), kIdB)};
    BirthRecord renamed = Record("陳大文", "");
    renamed.day = "22";  // a day after: another person
    // records as another program left them, restored (record, id), moved ids, unlinked ids
    struct Row { std::vector<BirthRecord> records; std::vector<std::pair<int, QString>> restored;
                 QStringList moved, unlinked; };
    const std::vector<Row> rows = {
        {{a, Record("李小龍", kIdB)}, {}, {}, {}},
        {{Record("李小龍", ""), Record("陳大文", "")}, {{0, kIdB}, {1, kIdA}}, {}, {}},
        {{renamed, Record("李小龍", "")}, {{1, kIdB}}, {}, {kIdA}},
        {{Record("陳大文 改名", kIdA)}, {}, {kIdA}, {kIdB}},
        {{}, {}, {}, {kIdA, kIdB}},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CaseLinks links = LinkCases(rows[i].records, cases);
        std::vector<std::pair<int, QString>> restored;
        for (const auto& r : links.restored) restored.emplace_back(r.record, r.id);
        QStringList moved;
        for (const auto& m : links.moved) moved.append(m.first);
        EXPECT_EQ(restored, rows[i].restored) << "row " << i;
        EXPECT_EQ(moved, rows[i].moved) << "row " << i;
        EXPECT_EQ(links.unlinked, rows[i].unlinked) << "row " << i;
        std::vector<BirthRecord> records = rows[i].records;
        RestoreIds(records, links);
        for (const auto& [index, id] : rows[i].restored) EXPECT_EQ(files::RecordId(records[index]), id);
    }
}

TEST(CaseExchange, ExportThenImportIntoAnEmptyFolderGivesTheSameUserBytesAndCases) {
    ProgramFolder from;
    MakeLibrary(from);
    const FolderLibrary library = ReadFolderLibrary(from.path());
    ASSERT_FALSE(library.problem);
    const People people = GatherPeople(library.records, library.cases);
    ASSERT_EQ(people.size(), 4u);
    EXPECT_FALSE(people[3].inUser);
    // the format, writing, reading
    const std::vector<std::pair<QByteArray (*)(const People&), PeopleRead (*)(const QByteArray&)>> formats = {
        {PeopleToJson, PeopleFromJson}, {PeopleToCsv, PeopleFromCsv}};
    for (const auto& [write, read] : formats) {
        const PeopleRead back = read(write(people));
        ASSERT_TRUE(std::holds_alternative<People>(back)) << std::get<QString>(back).toStdString();
        ProgramFolder into;
        const ImportPlan plan = PlanImport({}, {}, std::get<People>(back));
        EXPECT_EQ(plan.count(ImportStep::Action::Add), 4);
        ASSERT_FALSE(ImportIntoFolder(into.path(), std::get<People>(back)));
        EXPECT_EQ(into.read("User"), from.read("User"));
        const FolderLibrary copied = ReadFolderLibrary(into.path());
        EXPECT_EQ(copied.cases, library.cases);
        // Imported again, everything is recognised and nothing written.
        const QByteArray cases = into.read(kCasesFile);
        const ImportPlan again = PlanImport(copied.records, copied.cases, std::get<People>(back));
        EXPECT_EQ(again.count(ImportStep::Action::Present), 4);
        ASSERT_FALSE(ImportIntoFolder(into.path(), std::get<People>(back)));
        EXPECT_EQ(into.read("User"), from.read("User"));
        EXPECT_EQ(into.read(kCasesFile), cases);
    }
}

TEST(CaseExchange, APlanNamesWhatWouldChangeAndReadingTheFolderCreatesNothing) {
    ProgramFolder empty;
    EXPECT_TRUE(ReadFolderLibrary(empty.path()).records.empty());
    EXPECT_TRUE(empty.entries().isEmpty());
    ProgramFolder from;
    MakeLibrary(from);
    const FolderLibrary library = ReadFolderLibrary(from.path());
    People people = GatherPeople(library.records, library.cases);
    people[0].entry->notes += "。補記";
    people[0].pieces.replaceInStrings("place=臺北", "place=高雄");
    people[1].pieces.removeIf([](const QString& p) { return p.startsWith("id="); });  // found by its fields
    const ImportPlan plan = PlanImport(library.records, library.cases, people);
    EXPECT_EQ(plan.steps[0].action, ImportStep::Action::Change);
    EXPECT_EQ(plan.steps[0].changes, (QStringList{"place", "筆記"}));
    EXPECT_EQ(plan.steps[1].action, ImportStep::Action::Present);
    EXPECT_EQ(plan.steps[1].caseId, kIdB);
    EXPECT_TRUE(PlanLine(plan.steps[0]).startsWith("會變更\t陳大文"));
}

TEST(CaseExchange, APlainCsvGivesEachClockTimeItsPeriod) {
    // time, the period stored: each edge of 子 and 丑
    const std::vector<std::pair<QString, QString>> rows = {
        {"22:59", "亥  (21:00-22:59)"}, {"23:00", "子  (23:00-00:59)"},
        {"0:59", "子  (23:00-00:59)"},  {"01:00", "丑  (01:00-02:59)"}};
    QByteArray csv = "name,gender,date,time,place\r\n";
    for (const auto& [time, period] : rows) csv += ("王小明,M,1980/5/6," + time + ",臺中\r\n").toUtf8();
    const PeopleRead read = PeopleFromCsv(csv);
    ASSERT_TRUE(std::holds_alternative<People>(read)) << std::get<QString>(read).toStdString();
    const People& people = std::get<People>(read);
    ASSERT_EQ(people.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(people[i].person, (PersonKey{"王小明", "男", "1980", "5", "6", rows[i].second}));
        EXPECT_EQ(people[i].pieces.last(), "place=臺中");
    }
    const PeopleRead bad = PeopleFromCsv("王小明,X,1980-05-06,12:00,\r\n");
    ASSERT_TRUE(std::holds_alternative<QString>(bad));
    EXPECT_EQ(std::get<QString>(bad), "第 1 行：性別「X」不是 男、女、M 或 F");
}

}  // namespace
}  // namespace velmora::cases
