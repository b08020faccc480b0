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
#include "output/AllPeriods.h"
#include "output/BatchRun.h"
#include "output/ChartJson.h"
#include "output/ChartText.h"
#include "output/CommandLine.h"
#include "output/ReferenceLoad.h"

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

int RunSingle(const CommandLine& line, const ReferenceTables& tables) {
    ChartResult result;
    if (auto problem = ComputeQuery(line.query, tables, result)) return Fail(*problem);
    if (line.flying) result.flying = AllFlights(result.chart, tables.transformations);
    OutputBuffer out(stdout);
    if (line.text) out.text() = ChartText(result, tables);
    else {
        AppendChartJson(result, line.names ? &tables : nullptr, out.text());
        out.text() += '\n';
    }
    return out.flush() ? kExitDone : Fail("cannot write the output");
}

int RunAllPeriods(const CommandLine& line, const ReferenceTables& tables) {
    OutputBuffer out(stdout);
    const ReferenceTables* words = line.names ? &tables : nullptr;
    if (auto problem = AppendAllPeriodsJson(line.query, tables, words, line.flying, out.text())) return Fail(*problem);
    out.text() += '\n';
    return out.flush() ? kExitDone : Fail("cannot write the output");
}

int RunBatchFile(const CommandLine& line, const ReferenceTables& tables) {
    const bool fromStdin = line.batchFile == "-";
    const int fd = fromStdin ? STDIN_FILENO : ::open(line.batchFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fail("cannot open batch file " + line.batchFile + ": " + std::strerror(errno));
    OutputBuffer out(stdout);
    const BatchOutcome outcome = RunBatch(fd, tables, line.names ? &tables : nullptr, out);
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

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
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
    const LoadOutcome loaded = LoadReferenceTables(folder, line.names || line.text, tables);
    for (const std::string& warning : loaded.warnings) std::fprintf(stderr, "velmora-chart: warning: %s\n", warning.c_str());
    if (loaded.error) return Fail(*loaded.error);
    if (line.allPeriods) return RunAllPeriods(line, tables);
    return line.batch ? RunBatchFile(line, tables) : RunSingle(line, tables);
}
