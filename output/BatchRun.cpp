#include "output/BatchRun.h"

#include <cstring>

#include "output/ChartJson.h"
#include "output/LineReader.h"

namespace velmora::tool {

namespace {

constexpr std::size_t kFlushBytes = 1 << 16;
const std::string kTooLongMessage = "line longer than " + std::to_string(LineReader::kMaxLineBytes) + " bytes";

// A line with a clock time at a place: its object with "moment", or its error object.
bool AnswerClockLine(std::string_view line, long long number, const MomentSetting& moment,
                     const ReferenceTables& tables, const ReferenceTables* words,
                     const BatchSettings& settings, ChartResult& result, std::string& out) {
    const BatchConventions& conventions = settings.conventions;
    std::variant<MomentAnswer, std::string> answer = AnswerMomentLine(line, moment);
    const auto* problem = std::get_if<std::string>(&answer);
    std::optional<std::string> computeProblem;
    if (!problem)
        computeProblem = ComputeQuery(std::get<MomentAnswer>(answer).query, tables, result, conventions.conventions);
    if (problem || computeProblem) {
        AppendLineError(number, problem ? *problem : *computeProblem, out);
        return false;
    }
    if (conventions.flying) ComputeFlying(result, tables);
    if (settings.reading.any()) ComputeReading(settings.reading, result);
    AppendChartJsonWithMoment(result, words, std::get<MomentAnswer>(answer), out);
    return true;
}

// One line's object, or its error object; true when it was charted.
bool AnswerLine(std::string_view line, long long number, const ReferenceTables& tables,
                const ReferenceTables* words, const BatchSettings& settings, ChartResult& result, std::string& out) {
    const BatchConventions& conventions = settings.conventions;
    ParsedQuery parsed = ParseQueryLine(line, settings.calendar);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        AppendLineError(number, *problem, out);
        return false;
    }
    const Query& query = std::get<Query>(parsed);
    if (auto problem = ComputeQuery(query, tables, result, conventions.conventions)) {
        AppendLineError(number, *problem, out);
        return false;
    }
    if (conventions.flying) ComputeFlying(result, tables);
    if (settings.reading.any()) ComputeReading(settings.reading, result);
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
