#include "output/BatchRun.h"

#include <cstring>

#include "output/ChartJson.h"
#include "output/LineReader.h"

namespace velmora::tool {

namespace {

constexpr std::size_t kFlushBytes = 1 << 16;
const std::string kTooLongMessage = "line longer than " + std::to_string(LineReader::kMaxLineBytes) + " bytes";

// The second birth a line gives after "/", else the command line's --with.
std::optional<std::string> SecondBirthOf(const BatchLineParts& parts, const OverlayOptions& overlay,
                                         std::optional<Query>& with) {
    with = overlay.with;
    if (!parts.second) return std::nullopt;
    ParsedQuery parsed = ParseSecondBirthLine(*parts.second, overlay.calendar);
    if (auto* problem = std::get_if<std::string>(&parsed)) return std::move(*problem);
    with = std::get<Query>(parsed);
    return std::nullopt;
}

// The readings asked for and the second birth laid over the chart.
std::optional<std::string> ReadLineChart(const BatchSettings& settings, const std::optional<Query>& with,
                                         const ReferenceTables& tables, ChartResult& result) {
    const Conventions second = settings.overlay.conventions.value_or(settings.conventions.conventions);
    return ReadChart(settings.reading, with, second, tables, result);
}

// A line with a clock time at a place: its object with "moment", or its error object.
bool AnswerClockLine(std::string_view line, long long number, const MomentSetting& moment,
                     const ReferenceTables& tables, const ReferenceTables* words,
                     const BatchSettings& settings, ChartResult& result, std::string& out) {
    const BatchConventions& conventions = settings.conventions;
    const BatchLineParts parts = SplitAtSecondBirth(line);
    std::variant<MomentAnswer, std::string> answer = AnswerMomentLine(parts.first, moment);
    const auto* problem = std::get_if<std::string>(&answer);
    std::optional<Query> with;
    std::optional<std::string> computeProblem = SecondBirthOf(parts, settings.overlay, with);
    if (!problem && !computeProblem)
        computeProblem = ComputeQuery(std::get<MomentAnswer>(answer).query, tables, result, conventions.conventions);
    if (!problem && !computeProblem && conventions.flying) ComputeFlying(result, tables);
    if (!problem && !computeProblem) computeProblem = ReadLineChart(settings, with, tables, result);
    if (problem || computeProblem) {
        AppendLineError(number, problem ? *problem : *computeProblem, out);
        return false;
    }
    AppendChartJsonWithMoment(result, words, std::get<MomentAnswer>(answer), out);
    return true;
}

// One line's object, or its error object; true when it was charted.
bool AnswerLine(std::string_view line, long long number, const ReferenceTables& tables,
                const ReferenceTables* words, const BatchSettings& settings, ChartResult& result, std::string& out) {
    const BatchConventions& conventions = settings.conventions;
    const BatchLineParts parts = SplitAtSecondBirth(line);
    ParsedQuery parsed = ParseQueryLine(parts.first, settings.calendar);
    std::optional<Query> with;
    std::optional<std::string> problem;
    if (const auto* wrong = std::get_if<std::string>(&parsed)) problem = *wrong;
    if (!problem) problem = SecondBirthOf(parts, settings.overlay, with);
    if (!problem) problem = ComputeQuery(std::get<Query>(parsed), tables, result, conventions.conventions);
    if (!problem && conventions.flying) ComputeFlying(result, tables);
    if (!problem) problem = ReadLineChart(settings, with, tables, result);
    if (problem) {
        AppendLineError(number, *problem, out);
        return false;
    }
    const Query& query = std::get<Query>(parsed);
    if (!conventions.compare) {
        AppendChartJson(result, words, out);
        return true;
    }
    const std::vector<ConventionDifference> compare = CompareConventions(query, tables, result);
    AppendChartJson(result, words, out, &compare);
    return true;
}

}  // namespace

bool AnswerBatchLine(std::string_view line, long long number, bool tooLong, const ReferenceTables& tables,
                     const ReferenceTables* words, const BatchSettings& settings, ChartResult& result,
                     std::string& out) {
    const bool charted =
        !tooLong &&
        (settings.moment ? AnswerClockLine(line, number, *settings.moment, tables, words, settings, result, out)
                         : AnswerLine(line, number, tables, words, settings, result, out));
    if (tooLong) AppendLineError(number, kTooLongMessage, out);
    out += '\n';
    return charted;
}

void OutputBuffer::flushIfFull() {
    if (text_.size() >= kFlushBytes) flush();
}

bool OutputBuffer::flush() {
    const bool converting = script_ != Script::Traditional;
    if (converting) {
        converted_.clear();
        converter_.appendConverted(text_, converted_);
    }
    const std::string& shown = converting ? converted_ : text_;
    const bool written = shown.empty() || std::fwrite(shown.data(), 1, shown.size(), file_) == shown.size();
    text_.clear();
    return std::fflush(file_) == 0 && written;
}

BatchOutcome RunBatch(int fd, const ReferenceTables& tables, const ReferenceTables* words, OutputBuffer& out,
                      const BatchSettings& settings) {
    BatchOutcome outcome;
    LineReader reader(fd, [&out] { out.flush(); });
    ChartResult result;
    ForEachBatchLine(reader, outcome, [&](std::string_view line, long long number, bool tooLong) {
        if (!AnswerBatchLine(line, number, tooLong, tables, words, settings, result, out.text()))
            ++outcome.failedLines;
        out.flushIfFull();
    });
    return outcome;
}

}  // namespace velmora::tool
