// velmora-chart --export-cases --search: the people written are exactly those
// a brute-force look at each record's natal chart keeps, each cast in the
// record's own school; a query that does not parse writes nothing.

#include <QFile>
#include <QTemporaryDir>

#include <random>

#include "cases/CaseExchange.h"
#include "chart/Conventions.h"
#include "files/RecordExtras.h"
#include "output/ChartRun.h"
#include "output/ReferenceLoad.h"
#include "reading/StarNumbers.h"
#include "tests/load/RandomQueries.h"
#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool::testing {
namespace {

constexpr int kRecords = 60;
constexpr int kLifePalace = 1;

struct Person {
    Query birth;
    const ConventionProfile* school;  // null: the default
};

// Random people; every third carries a school of its own.
std::vector<Person> RandomPeople() {
    std::mt19937_64 random(32);
    const std::span<const ConventionProfile> profiles = ConventionProfiles();
    std::vector<Person> people;
    for (int i = 0; i < kRecords; ++i) {
        Query birth = load::RandomQuery(random);
        birth.period = (birth.period - 1) % 12 + 1;  // a record's periods: early 子 .. 亥
        birth.at.reset();
        people.push_back({birth, i % 3 == 0 ? &profiles[static_cast<std::size_t>(i / 3) % profiles.size()] : nullptr});
    }
    // Births in leap months, where the schools place the palaces apart.
    const QueryDate leapDays[] = {{2020, 6, 10}, {2020, 6, 15}, {2023, 4, 5}, {2023, 4, 10}};
    for (const QueryDate& day : leapDays)
        for (int period = 1; period <= 12; period += 3)
            people.push_back({{day, period, period % 2 == 0 ? kMale : kFemale, std::nullopt},
                              &profiles[1 + static_cast<std::size_t>(period) % (profiles.size() - 1)]});
    return people;
}

QString Name(int i) { return QStringLiteral("人%1").arg(i); }

void WriteUser(const QString& folder, const std::vector<Person>& people) {
    const HourLabels labels = MakeHourLabels();
    std::vector<files::BirthRecord> records;
    for (std::size_t i = 0; i < people.size(); ++i) {
        const Query& b = people[i].birth;
        files::BirthRecord record{Name(static_cast<int>(i)), b.gender == kMale ? QStringLiteral("男") : QStringLiteral("女"),
                                  QString::number(b.birthDate.year), QString::number(b.birthDate.month),
                                  QString::number(b.birthDate.day),
                                  QString::fromStdString(labels[static_cast<std::size_t>(b.period)]), {}, {}};
        if (people[i].school) {
            const std::string_view name = people[i].school->name;
            EXPECT_FALSE(files::SetExtra(record, files::extra_keys::kProfile, QString::fromUtf8(name.data(), name.size())));
        }
        records.push_back(record);
    }
    ASSERT_FALSE(files::WriteUserFile(folder + QStringLiteral("/User"), records));
}

// Whether the life palace holds all of `stars` (or, `none`, none of them);
// star -1 is the birth year's 祿.
bool LifePalaceHas(const ChartResult& r, const std::vector<int>& stars, bool none) {
    int there = 0;
    for (int star : stars) {
        const int s = star < 0 ? r.transformations[0] : star;
        there += r.chart.StarTable[s].branch == r.chart.PalaceTable[kLifePalace].branch ? 1 : 0;
    }
    return none ? there == 0 : there == static_cast<int>(stars.size());
}

QStringList ExportedNames(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const cases::PeopleRead read = cases::PeopleFromJson(file.readAll());
    QStringList names;
    if (const auto* people = std::get_if<cases::People>(&read))
        for (const cases::ExchangePerson& p : *people) names.append(p.person.name);
    else ADD_FAILURE() << std::get<QString>(read).toStdString();
    return names;
}

TEST(CasesSearchExport, WritesThePeopleABruteForceFilterKeeps) {
    QTemporaryDir folder;
    const std::vector<Person> people = RandomPeople();
    WriteUser(folder.path(), people);
    ReferenceTables tables;
    ASSERT_FALSE(LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), true, tables).error);
    std::vector<int> majors;
    for (int s = reading::star::kZiWei; s <= reading::star::kLastMajor; ++s) majors.push_back(s);
    // Columns: the query, the stars of the life palace, whether none of them may be there.
    const struct {
        const char* query;
        std::vector<int> stars;
        bool none;
    } rows[] = {
        {"命宮 有 紫微", {reading::star::kZiWei}, false},
        {"命宫 无 主星", majors, true},
        {"命宮 有 化祿", {-1}, false},
        {"命宮 有 太陽 太陰", {reading::star::kTaiYang, reading::star::kTaiYin}, false},
    };
    int schoolDecides = 0;  // verdicts the default school would give otherwise: the own school is applied
    for (const auto& row : rows) {
        QStringList expected;
        for (std::size_t i = 0; i < people.size(); ++i) {
            ChartResult r, byDefault;
            const Conventions school = people[i].school ? people[i].school->conventions : Conventions{};
            ASSERT_FALSE(ComputeQuery(people[i].birth, tables, r, school));
            ASSERT_FALSE(ComputeQuery(people[i].birth, tables, byDefault));
            if (LifePalaceHas(r, row.stars, row.none)) expected.append(Name(static_cast<int>(i)));
            schoolDecides += LifePalaceHas(r, row.stars, row.none) != LifePalaceHas(byDefault, row.stars, row.none);
        }
        const QString out = folder.filePath(QStringLiteral("found.json"));
        const ToolRun run = RunTool({"--export-cases", out, "--search", QString::fromUtf8(row.query), "--data", folder.path()});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(ExportedNames(out), expected) << row.query;
    }
    EXPECT_GT(schoolDecides, 0);
    const ToolRun bad = RunTool({"--export-cases", folder.filePath(QStringLiteral("no.json")), "--search",
                                 QStringLiteral("命宮 有 紫薇"), "--data", folder.path()});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("紫薇")) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("no.json"))));
}

}  // namespace
}  // namespace velmora::tool::testing
