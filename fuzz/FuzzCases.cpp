// The case library's import as any bytes: read as the library's JSON and as
// CSV (ours or a plain list). What a reader refuses it refuses with words;
// what it accepts is planned against a small fixed library, each step naming
// a record that is there, and written back in the same format, which must
// read back and write the very same bytes again.

#include <QStringList>

#include <vector>

#include "cases/CaseImport.h"
#include "files/RecordExtras.h"
#include "files/RecordId.h"
#include "fuzz/FuzzSupport.h"

using namespace velmora;
using cases::ImportStep;

namespace {

files::BirthRecord Record(const QString& name, const QString& id) {
    files::BirthRecord record{name, QStringLiteral("男"), QStringLiteral("1968"), QStringLiteral("3"),
                              QStringLiteral("21"), QStringLiteral("寅  (03:00-04:59)"), {}, {}};
    files::SetExtra(record, files::extra_keys::kPlace, QStringLiteral("臺北"));
    if (!id.isEmpty()) files::SetRecordId(record, id);
    return record;
}

// Two records with ids (the first with a case), one without, and a case
// whose record is gone: each way a person can be found or not.
struct FixedLibrary {
    std::vector<files::BirthRecord> records;
    std::vector<cases::CaseEntry> entries;
};

const FixedLibrary& Library() {
    static const FixedLibrary library = [] {
        const QString a = QStringLiteral("6f1c2a9e-0d2b-4c55-9a41-3b8f0f6e7a10");
        const QString lost = QStringLiteral("9d8e7f60-1a2b-4c3d-8e9f-0a1b2c3d4e5f");
        FixedLibrary made{{Record(QStringLiteral("陳大文"), a),
                           Record(QStringLiteral("李小龍"), QStringLiteral("0b3a7c55-2e9d-4f7e-8c11-5d2e6a4b9c21")),
                           Record(QStringLiteral("無名"), {})},
                          {}};
        made.entries.push_back({a, cases::KeyOf(made.records[0]), QStringLiteral("紫微在命"), {QStringLiteral("客戶")},
                                QStringLiteral("本人口述"), QStringLiteral("A"), {{"1999-09-09", "09:00", "結婚"}}, {}, {}});
        made.entries.push_back(
            {lost, cases::KeyOf(Record(QStringLiteral("失聯"), {})), {}, {}, {}, QStringLiteral("X"), {}, {}, {}});
        return made;
    }();
    return library;
}

void CheckPlan(const cases::People& people) {
    const FixedLibrary& library = Library();
    const cases::ImportPlan plan = cases::PlanImport(library.records, library.entries, people);
    if (plan.steps.size() != people.size()) fuzz::Fail("a plan without a step for each person");
    for (std::size_t i = 0; i < people.size(); ++i) {
        const ImportStep& step = plan.steps[i];
        if (step.record < -1 || step.record >= static_cast<int>(library.records.size()))
            fuzz::Fail("a step naming a record that is not there");
        if (!people[i].inUser && step.record != -1) fuzz::Fail("a case alone matched to a record");
        if (step.action == ImportStep::Action::Add && step.record != -1) fuzz::Fail("a found record added again");
        const bool found = step.action != ImportStep::Action::Add;
        if (found && (step.action == ImportStep::Action::Change) == step.changes.isEmpty())
            fuzz::Fail("a change without changes, or one present with changes");
        if (cases::PlanLine(step).isEmpty()) fuzz::Fail("a plan line without words");
        (void)cases::RecordOf(people[i]);
    }
}

using Write = QByteArray (*)(const cases::People&);
using Read = cases::PeopleRead (*)(const QByteArray&);

// A reader's people written out must read back, and write the same bytes.
void CheckWrittenBack(const cases::People& people, Write write, Read read) {
    const QByteArray written = write(people);
    const cases::PeopleRead back = read(written);
    if (const auto* problem = std::get_if<QString>(&back))
        fuzz::Fail("what was written cannot be read back: " + problem->toStdString());
    if (write(std::get<cases::People>(back)) != written) fuzz::Fail("written again, the people changed");
}

void CheckReader(const QByteArray& bytes, Write write, Read read) {
    const cases::PeopleRead people = read(bytes);
    if (const auto* problem = std::get_if<QString>(&people)) {
        if (problem->isEmpty()) fuzz::Fail("a refusal without words");
        return;
    }
    CheckPlan(std::get<cases::People>(people));
    CheckWrittenBack(std::get<cases::People>(people), write, read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    CheckReader(bytes, cases::PeopleToJson, cases::PeopleFromJson);
    CheckReader(bytes, cases::PeopleToCsv, cases::PeopleFromCsv);
    return 0;
}
