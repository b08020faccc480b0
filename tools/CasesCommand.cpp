#include "tools/CasesCommand.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <variant>

#include "cases/CaseImport.h"
#include "files/SafeSave.h"
#include "files/Utf8.h"
#include "output/ReferenceLoad.h"
#include "query/QueryParser.h"
#include "script/ScriptedNames.h"
#include "tools/RecordQuery.h"

namespace velmora::tool {

namespace {

constexpr int kDone = 0;
constexpr int kBadInput = 2;

struct CasesLine {
    bool exporting = false;
    bool importing = false;
    bool dryRun = false;
    std::string file;  // empty: standard output
    std::optional<std::string> data;
    std::optional<std::string> search;  // --export-cases: only the records whose chart fulfils it
};

int Fail(const QString& message) {
    std::fprintf(stderr, "velmora-chart: %s\n", message.toUtf8().constData());
    return kBadInput;
}

std::optional<CasesLine> Parse(const std::vector<std::string>& arguments, QString& error) {
    CasesLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool hasNext = i + 1 < arguments.size() && arguments[i + 1].rfind("--", 0) != 0;
        if (a == "--export-cases") {
            line.exporting = true;
            if (hasNext) line.file = arguments[++i];
        } else if (a == "--import-cases") {
            line.importing = true;
            if (!hasNext) error = QStringLiteral("--import-cases needs a FILE");
            else line.file = arguments[++i];
        } else if (a == "--dry-run") {
            line.dryRun = true;
        } else if (a == "--search") {
            if (!hasNext) error = QStringLiteral("--search needs a QUERY");
            else line.search = arguments[++i];
        } else if (a == "--data" && hasNext) {
            line.data = arguments[++i];
        } else {
            error = QStringLiteral("%1 does not go with the case commands").arg(files::FromUtf8(a));
        }
    }
    if (line.exporting && line.importing) error = QStringLiteral("--export-cases and --import-cases go one at a time");
    if (line.dryRun && !line.importing) error = QStringLiteral("--dry-run goes with --import-cases");
    if (line.search && !line.exporting) error = QStringLiteral("--search goes with --export-cases");
    return error.isEmpty() ? std::optional(line) : std::nullopt;
}

bool IsCsv(const QString& path) { return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive); }

// The records a search by chart keeps, the reference tables read from the
// data folder (an edited Four counts) or else beside the program.
std::variant<std::vector<int>, QString> Searched(const std::vector<files::BirthRecord>& records,
                                                 const std::string& text, const QString& folder,
                                                 const QString& programFolder) {
    ReferenceTables tables;
    LoadOutcome loaded = LoadReferenceTables(folder, true, tables);
    if (loaded.error) loaded = LoadReferenceTables(programFolder, true, tables);
    if (loaded.error) return files::FromUtf8(*loaded.error);
    const query::QueryWords words(tables.names, [](std::string_view word) { return TextIn(Script::Simplified, word); });
    query::ParsedChartQuery parsed = query::ParseChartQuery(text, words);
    if (const auto* problem = std::get_if<query::QueryProblem>(&parsed)) return files::FromUtf8(problem->message());
    return RecordsMatching(records, std::get<query::ChartQuery>(parsed), tables);
}

int Export(const QString& folder, const QString& path, const std::optional<std::string>& search,
           const QString& programFolder) {
    const cases::FolderLibrary library = cases::ReadFolderLibrary(folder);
    if (library.problem) return Fail(library.problem->describe());
    cases::People people = cases::GatherPeople(library.records, library.cases);
    if (search) {
        auto kept = Searched(library.records, *search, folder, programFolder);
        if (const auto* problem = std::get_if<QString>(&kept)) return Fail(*problem);
        cases::People found;  // GatherPeople gives the records' people first, in User's order
        for (int index : std::get<std::vector<int>>(kept)) found.push_back(people[static_cast<std::size_t>(index)]);
        people = std::move(found);
    }
    const QByteArray bytes = IsCsv(path) ? cases::PeopleToCsv(people) : cases::PeopleToJson(people);
    if (!path.isEmpty()) {  // whole or not at all: a failed export leaves an older file as it was
        if (auto problem = files::SaveBytes(path, QFileInfo(path).fileName(), bytes)) return Fail(problem->describe());
        return kDone;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
        return Fail(QStringLiteral("cannot write to standard output"));
    return kDone;
}

int Import(const QString& folder, const QString& path, bool dryRun) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return Fail(QStringLiteral("cannot read %1: %2").arg(path, in.errorString()));
    const QByteArray bytes = in.readAll();
    cases::PeopleRead read = IsCsv(path) ? cases::PeopleFromCsv(bytes) : cases::PeopleFromJson(bytes);
    if (auto* problem = std::get_if<QString>(&read)) return Fail(path + QStringLiteral(": ") + *problem);
    const cases::People& people = std::get<cases::People>(read);
    const cases::FolderLibrary library = cases::ReadFolderLibrary(folder);
    if (library.problem) return Fail(library.problem->describe());
    const cases::ImportPlan plan = cases::PlanImport(library.records, library.cases, people);
    QString text;
    for (const cases::ImportStep& step : plan.steps) text += cases::PlanLine(step) + QLatin1Char('\n');
    std::fputs(text.toUtf8().constData(), stdout);
    if (dryRun) return kDone;
    if (auto problem = cases::ImportIntoFolder(folder, people)) return Fail(problem->describe());
    return kDone;
}

}  // namespace

bool AsksForCases(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& a) { return a == "--export-cases" || a == "--import-cases"; });
}

int RunCasesCommand(const std::vector<std::string>& arguments, const std::string& programFolder) {
    QString error;
    const std::optional<CasesLine> line = Parse(arguments, error);
    if (!line) return Fail(error);
    const QString folder = files::FromUtf8(line->data.value_or(programFolder));
    const QString file = files::FromUtf8(line->file);
    return line->exporting ? Export(folder, file, line->search, files::FromUtf8(programFolder))
                           : Import(folder, file, line->dryRun);
}

}  // namespace velmora::tool
