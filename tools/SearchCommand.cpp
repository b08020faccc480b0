#include "tools/SearchCommand.h"

#include <QCoreApplication>

#include <cstdio>
#include <variant>

#include "files/Utf8.h"
#include "output/BatchRun.h"
#include "output/DateSearch.h"
#include "output/ReferenceLoad.h"
#include "output/SearchCommandLine.h"
#include "output/SearchOutput.h"
#include "query/QueryParser.h"
#include "script/ScriptedNames.h"

namespace velmora::tool {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitBadInput = 2;

int Fail(const std::string& message, Script script = Script::Traditional) {
    std::fprintf(stderr, "velmora-chart: %s\n", TextIn(script, message).c_str());
    return kExitBadInput;
}

// The query's words in both scripts, whatever --script says.
query::QueryWords WordsOf(const ReferenceTables& tables) {
    return query::QueryWords(tables.names, [](std::string_view word) { return TextIn(Script::Simplified, word); });
}

int Search(const SearchCommandLine& line, const ReferenceTables& tables) {
    query::ParsedChartQuery parsed = query::ParseChartQuery(line.query, WordsOf(tables));
    if (const auto* problem = std::get_if<query::QueryProblem>(&parsed)) return Fail(problem->message(), line.script);
    const DateSearch search{line.from, line.to, line.gender, line.conventions, line.jobs};
    OutputBuffer out(stdout, line.text ? line.script : Script::Traditional);
    SearchDates(std::get<query::ChartQuery>(parsed), search, tables.transformations,
                [&](std::span<const SearchHit> hits) {
                    for (const SearchHit& hit : hits) {
                        if (line.text) AppendSearchHitText(hit, out.text());
                        else AppendSearchHitJson(hit, out.text());
                    }
                    out.flushIfFull();
                });
    return out.flush() ? kExitDone : Fail("cannot write the output");
}

}  // namespace

int RunSearchCommand(const std::vector<std::string>& arguments, int argc, char** argv) {
    ParsedSearchCommandLine parsed = ParseSearchCommandLine(arguments);
    if (const auto* problem = std::get_if<std::string>(&parsed)) return Fail(*problem);
    const SearchCommandLine& line = std::get<SearchCommandLine>(parsed);
    if (line.help) {
        std::fputs(SearchUsageText().data(), stdout);
        return kExitDone;
    }
    const QCoreApplication app(argc, argv);
    const QString folder = line.dataFolder ? files::FromUtf8(*line.dataFolder) : QCoreApplication::applicationDirPath();
    ReferenceTables tables;
    const LoadOutcome loaded = LoadReferenceTables(folder, true, tables);
    for (const std::string& warning : loaded.warnings) std::fprintf(stderr, "velmora-chart: warning: %s\n", warning.c_str());
    if (loaded.error) return Fail(*loaded.error);
    return Search(line, tables);
}

}  // namespace velmora::tool
