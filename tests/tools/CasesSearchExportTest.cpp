// velmora-chart --export-cases --search: the people written are exactly those
// a brute-force look at each record's natal chart keeps, each cast in the
// record's own school.

#include <QFile>
#include <QTemporaryDir>

#include <random>

#include "cases/CaseExchange.h"
#include "files/RecordExtras.h"
#include "output/ReferenceLoad.h"
#include "reading/StarNumbers.h"
#include "tests/load/RandomQueries.h"
#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool::testing {
namespace {

namespace star = reading::star;

struct Person {
    QString name;
    Query birth;
    const ConventionProfile* school;  // null: the default
};

// Random births (every third in a school of its own), then births in leap
// months, where the schools place the palaces apart; each written to User.
std::vector<Person> WriteRandomPeople(const QString& folder) {
    std::mt19937_64 random(32);
    const std::span<const ConventionProfile> schools = ConventionProfiles();
    std::vector<Person> people;
    for (int i = 0; i < 60; ++i) {
        Query birth = load::RandomQuery(random);
        birth.period = (birth.period - 1) % 12 + 1;  // a record's periods: early 子 .. 亥
        people.push_back({{}, birth, i % 3 == 0 ? &schools[static_cast<std::size_t>(i / 3) % schools.size()] : nullptr});
    }
    for (const QueryDate& day : {QueryDate{2020, 6, 10}, QueryDate{2020, 6, 15}, QueryDate{2023, 4, 5}})
        for (int period = 1; period <= 12; period += 3)
            people.push_back({{}, {day, period, period % 2, std::nullopt}, &schools[1 + period % 2]});
    std::vector<files::BirthRecord> records;
    for (std::size_t i = 0; i < people.size(); ++i) {
        const Query& b = people[i].birth;
        people[i].name = QStringLiteral("人%1").arg(i);
        records.push_back({people[i].name, b.gender == kMale ? QStringLiteral("男") : QStringLiteral("女"),
                           QString::number(b.birthDate.year), QString::number(b.birthDate.month),
                           QString::number(b.birthDate.day),
                           QString::fromStdString(MakeHourLabels()[static_cast<std::size_t>(b.period)]), {}, {}});
        if (const ConventionProfile* school = people[i].school) {
            const QString profile = QString::fromUtf8(school->name.data(), school->name.size());
            EXPECT_FALSE(files::SetExtra(records.back(), files::extra_keys::kProfile, profile));
        }
    }
    EXPECT_FALSE(files::WriteUserFile(folder + QStringLiteral("/User"), records));
    return people;
}

// Whether the life palace holds all of `stars` (`none`: none of them); -1 is the birth year's 祿.
bool LifePalaceHas(const ChartResult& r, const std::vector<int>& stars, bool none) {
    int there = 0;
    for (int s : stars) there += r.chart.StarTable[s < 0 ? r.transformations[0] : s].branch == r.chart.PalaceTable[1].branch;
    return none ? there == 0 : there == static_cast<int>(stars.size());
}

QStringList ExportedNames(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const cases::PeopleRead read = cases::PeopleFromJson(file.readAll());
    QStringList names;
    for (const cases::ExchangePerson& p : std::get<cases::People>(read)) names.append(p.person.name);
    return names;
}

TEST(CasesSearchExport, WritesThePeopleABruteForceFilterKeeps) {
    QTemporaryDir folder;
    const std::vector<Person> people = WriteRandomPeople(folder.path());
    ReferenceTables tables;
    ASSERT_FALSE(LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), true, tables).error);
    std::vector<int> majors;
    for (int s = star::kZiWei; s <= star::kLastMajor; ++s) majors.push_back(s);
    // Columns: the query, the stars of the life palace, whether none of them may be there.
    const struct {
        const char* query;
        std::vector<int> stars;
        bool none;
    } rows[] = {
        {"命宮 有 紫微", {star::kZiWei}, false},
        {"命宫 无 主星", majors, true},
        {"命宮 有 化祿", {-1}, false},
        {"命宮 有 太陽 太陰", {star::kTaiYang, star::kTaiYin}, false},
    };
    int schoolDecides = 0;  // verdicts the default school would give otherwise
    for (const auto& row : rows) {
        QStringList expected;
        for (const Person& person : people) {
            ChartResult own, byDefault;
            ASSERT_FALSE(ComputeQuery(person.birth, tables, own, person.school ? person.school->conventions : Conventions{}));
            ASSERT_FALSE(ComputeQuery(person.birth, tables, byDefault));
            if (LifePalaceHas(own, row.stars, row.none)) expected.append(person.name);
            schoolDecides += LifePalaceHas(own, row.stars, row.none) != LifePalaceHas(byDefault, row.stars, row.none);
        }
        const QString out = folder.filePath(QStringLiteral("found.json"));
        const ToolRun run = RunTool({"--export-cases", out, "--search", QString::fromUtf8(row.query), "--data", folder.path()});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(ExportedNames(out), expected) << row.query;
    }
    EXPECT_GT(schoolDecides, 0);
}

}  // namespace
}  // namespace velmora::tool::testing
