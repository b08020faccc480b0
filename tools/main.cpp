// velmora-chart: the chart engine for scripts, exports and checks.

#include <QCoreApplication>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/Utf8.h"
#include "tools/CasesCommand.h"
#include "output/BatchJobs.h"
#include "output/AllPeriods.h"
#include "output/BatchRun.h"
#include "output/ChartJson.h"
#include "output/ChartText.h"
#include "output/CommandLine.h"
#include "output/SearchCommandLine.h"
#include "output/MomentRun.h"
#include "output/OverlayRun.h"
#include "output/ReferenceLoad.h"
#include "output/YearReport.h"
#include "tools/SearchCommand.h"

namespace {

using namespace velmora::tool;

constexpr int kExitDone = 0;
constexpr int kExitSomeLinesFailed = 1;
constexpr int kExitBadInput = 2;
constexpr const char* kDrawProgram = "velmora-chart-draw";

int Fail(const std::string& message) {
    std::fprintf(stderr, "velmora-chart: %s\n", message.c_str());
    return kExitBadInput;
}

// The readings asked for, and the second birth of --with laid over the chart.
std::optional<std::string> ReadSingleChart(const CommandLine& line, const ReferenceTables& tables, ChartResult& result) {
    const velmora::Conventions second = line.overlay.conventions.value_or(line.conventions);
    return ReadChart(line.reading, line.overlay.with, second, tables, result);
}

int RunSingle(const CommandLine& line, const ReferenceTables& tables) {
    ChartResult result;
    if (auto problem = ComputeQuery(line.query, tables, result, line.conventions)) return Fail(*problem);
    if (line.flying) ComputeFlying(result, tables);
    if (auto problem = ReadSingleChart(line, tables, result)) return Fail(*problem);
    OutputBuffer out(stdout, line.outputScript());
    if (line.text) out.text() = ChartText(result, tables);
    else {
        std::vector<ConventionDifference> compare;
        if (line.compare) compare = CompareConventions(line.query, tables, result);
        AppendChartJson(result, line.names ? &tables : nullptr, out.text(), line.compare ? &compare : nullptr);
        out.text() += '\n';
    }
    return out.flush() ? kExitDone : Fail("cannot write the output");
}

// A single query whose PERIOD may be a clock time at a place.
int RunSingleMoment(const CommandLine& line, const ReferenceTables& tables, const MomentSetting& moment) {
    const std::vector<std::string_view> fields(line.momentFields.begin(), line.momentFields.end());
    std::variant<MomentAnswer, std::string> answer = AnswerMomentFields(fields, moment);
    if (const auto* problem = std::get_if<std::string>(&answer)) return Fail(*problem);
    const MomentAnswer& asked = std::get<MomentAnswer>(answer);
    ChartResult result;
    if (auto problem = ComputeQuery(asked.query, tables, result, line.conventions)) return Fail(*problem);
    if (line.flying) ComputeFlying(result, tables);
    if (auto problem = ReadSingleChart(line, tables, result)) return Fail(*problem);
    OutputBuffer out(stdout, line.outputScript());
    if (line.text) out.text() = ChartText(result, tables) + MomentStepText(asked, moment);
    else {
        AppendChartJsonWithMoment(result, line.names ? &tables : nullptr, asked, out.text());
        out.text() += '\n';
    }
    return out.flush() ? kExitDone : Fail("cannot write the output");
}

// --years: the birth's rows as JSON lines, paragraphs or CSV lines.
int RunYears(const CommandLine& line, const ReferenceTables& tables, const Query& birth) {
    ChartResult natal;
    std::vector<velmora::YearRow> rows;
    if (auto problem = ComputeYearReport(birth, *line.years, tables, line.conventions, natal, rows)) return Fail(*problem);
    OutputBuffer out(stdout, line.outputScript());
    if (line.csv) AppendYearCsvHeader(out.text());
    const YearReportWords words(tables.names);
    for (const velmora::YearRow& row : rows) {
        if (line.csv) AppendYearRowCsv(row, natal, words, out.text());
        else if (line.text) AppendYearRowText(row, natal, words, out.text());
        else {
            AppendYearRowJson(row, out.text());
            out.text() += '\n';
        }
        out.flushIfFull();
    }
    return out.flush() ? kExitDone : Fail("cannot write the output");
}

// --years with the birth as a clock time at a place.
int RunYearsMoment(const CommandLine& line, const ReferenceTables& tables, const MomentSetting& moment) {
    const std::vector<std::string_view> fields(line.momentFields.begin(), line.momentFields.end());
    std::variant<MomentAnswer, std::string> answer = AnswerMomentFields(fields, moment);
    if (const auto* problem = std::get_if<std::string>(&answer)) return Fail(*problem);
    return RunYears(line, tables, std::get<MomentAnswer>(answer).query);
}

int RunAllPeriods(const CommandLine& line, const ReferenceTables& tables) {
    OutputBuffer out(stdout, line.outputScript());
    const ReferenceTables* words = line.names ? &tables : nullptr;
    if (auto problem = AppendAllPeriodsJson(line.query, tables, words, line.flying, out.text(), line.conventions)) return Fail(*problem);
    out.text() += '\n';
    return out.flush() ? kExitDone : Fail("cannot write the output");
}

int RunBatchFile(const CommandLine& line, const ReferenceTables& tables, const MomentSetting* moment) {
    const bool fromStdin = line.batchFile == "-";
    const int fd = fromStdin ? STDIN_FILENO : ::open(line.batchFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fail("cannot open batch file " + line.batchFile + ": " + std::strerror(errno));
    OutputBuffer out(stdout, line.outputScript());
    const ReferenceTables* words = line.names ? &tables : nullptr;
    const BatchSettings settings{line.lunar ? DateCalendar::Lunar : DateCalendar::Gregorian,
                                 {line.conventions, line.compare, line.flying}, moment, line.reading, line.overlay};
    // A zone's history is read through Qt's time-zone objects, which are not
    // made to be shared by threads: clock times are answered on one.
    const BatchOutcome outcome = line.jobs > 1 && moment == nullptr
                                     ? RunBatchJobs(fd, tables, words, out, line.jobs, settings)
                                     : RunBatch(fd, tables, words, out, settings);
    if (!fromStdin) ::close(fd);
    const bool written = out.flush();
    if (outcome.readError) return Fail("cannot read batch file " + line.batchFile + ": " + *outcome.readError);
    if (!written) return Fail("cannot write the output");
    return outcome.failedLines > 0 ? kExitSomeLinesFailed : kExitDone;
}

// Pictures are drawn by velmora-chart-draw beside this executable: it links
// the windows, whose libraries take longer to load than a chart to compute.
int RunDrawProgram(char** argv) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path program = (error ? std::filesystem::path(argv[0]) : self).parent_path() / kDrawProgram;
    ::execv(program.c_str(), argv);
    return Fail("cannot start " + program.string() + ": " + std::strerror(errno));
}

// After the reference tables: the run the command line asks for.
int RunAfterTables(const CommandLine& line, const ReferenceTables& tables, const QString& folder) {
    if (line.years && !line.moment.given()) return RunYears(line, tables, line.query);
    if (!line.moment.given()) return line.batch ? RunBatchFile(line, tables, nullptr) : RunSingle(line, tables);
    std::variant<MomentSetting, std::string> moment = PrepareMoment(line.moment, folder);
    if (const auto* problem = std::get_if<std::string>(&moment)) return Fail(*problem);
    const MomentSetting& setting = std::get<MomentSetting>(moment);
    if (line.years) return RunYearsMoment(line, tables, setting);
    return line.batch ? RunBatchFile(line, tables, &setting) : RunSingleMoment(line, tables, setting);
}

// --with's DATE PERIOD GENDER read as a clock time at the --with-place (or other) given.
std::variant<Query, std::string> SecondBirthAtPlace(const CommandLine& line, const QString& folder) {
    std::variant<MomentSetting, std::string> moment = PrepareMoment(line.withMoment, folder);
    if (auto* problem = std::get_if<std::string>(&moment)) return "the second birth: " + *problem;
    const std::vector<std::string_view> fields(line.withFields.begin(), line.withFields.end());
    std::variant<MomentAnswer, std::string> answer = AnswerMomentFields(fields, std::get<MomentSetting>(moment));
    if (auto* problem = std::get_if<std::string>(&answer)) return "the second birth: " + *problem;
    return std::get<MomentAnswer>(answer).query;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (IsSearchCommand(arguments)) return RunSearchCommand({arguments.begin() + 1, arguments.end()}, argc, argv);
    if (AsksForCases(arguments)) {
        const QCoreApplication app(argc, argv);
        return RunCasesCommand(arguments, QCoreApplication::applicationDirPath().toStdString());
    }
    ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (const auto* problem = std::get_if<std::string>(&parsed)) return Fail(*problem);
    const CommandLine& line = std::get<CommandLine>(parsed);
    if (line.help) {
        std::fputs(UsageText().data(), stdout);
        return kExitDone;
    }
    if (line.version) {
        std::printf("velmora-chart %s\n", VELMORA_VERSION);
        return kExitDone;
    }
    if (line.picture()) return RunDrawProgram(argv);

    const QCoreApplication app(argc, argv);
    const QString folder = line.dataFolder ? velmora::files::FromUtf8(*line.dataFolder)
                                           : QCoreApplication::applicationDirPath();
    ReferenceTables tables;
    const LoadOutcome loaded = LoadReferenceTables(folder, line.wantsWords(), tables);
    for (const std::string& warning : loaded.warnings) std::fprintf(stderr, "velmora-chart: warning: %s\n", warning.c_str());
    if (loaded.error) return Fail(*loaded.error);
    if (line.allPeriods) return RunAllPeriods(line, tables);
    if (line.withMoment.given()) {
        // The second birth as a clock time at a place, read into a plain query.
        std::variant<Query, std::string> with = SecondBirthAtPlace(line, folder);
        if (const auto* problem = std::get_if<std::string>(&with)) return Fail(*problem);
        CommandLine resolved = line;
        resolved.overlay.with = std::get<Query>(with);
        resolved.withMoment = {};
        return RunAfterTables(resolved, tables, folder);
    }
    return RunAfterTables(line, tables, folder);
}

