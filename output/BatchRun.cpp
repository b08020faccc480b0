#include "output/BatchRun.h"

#include <cstring>

#include "output/ChartJson.h"
#include "output/LineReader.h"

namespace velmora::tool {

namespace {

constexpr std::size_t kFlushBytes = 1 << 16;
const std::string kTooLongMessage = "line longer than " + std::to_string(LineReader::kMaxLineBytes) + " bytes";

// One line's object, or its error object; true when it was charted.
bool AnswerLine(std::string_view line, long long number, const ReferenceTables& tables,
                const ReferenceTables* words, ChartResult& result, std::string& out) {
    ParsedQuery parsed = ParseQueryLine(line);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        AppendLineError(number, *problem, out);
        return false;
    }
    if (auto problem = ComputeQuery(std::get<Query>(parsed), tables, result)) {
        AppendLineError(number, *problem, out);
        return false;
    }
    AppendChartJson(result, words, out);
    return true;
}

}  // namespace

bool AnswerBatchLine(std::string_view line, long long number, bool tooLong, const ReferenceTables& tables,
                     const ReferenceTables* words, ChartResult& result, std::string& out) {
    const bool charted = !tooLong && AnswerLine(line, number, tables, words, result, out);
    if (tooLong) AppendLineError(number, kTooLongMessage, out);
    out += '\n';
    return charted;
}

void OutputBuffer::flushIfFull() {
    if (text_.size() >= kFlushBytes) flush();
}

bool OutputBuffer::flush() {
    const bool written = text_.empty() || std::fwrite(text_.data(), 1, text_.size(), file_) == text_.size();
    text_.clear();
    return std::fflush(file_) == 0 && written;
}

BatchOutcome RunBatch(int fd, const ReferenceTables& tables, const ReferenceTables* words, OutputBuffer& out) {
    BatchOutcome outcome;
    LineReader reader(fd, [&out] { out.flush(); });
    ChartResult result;
    long long number = 0;
    std::string_view line;
    for (;;) {
        const LineReader::Status status = reader.next(line);
        if (status == LineReader::Status::End) break;
        if (status == LineReader::Status::Failed) {
            outcome.readError = std::strerror(reader.error());
            break;
        }
        ++number;
        const bool tooLong = status == LineReader::Status::TooLong;
        if (!tooLong && IsBlankLine(line)) continue;
        if (!AnswerBatchLine(line, number, tooLong, tables, words, result, out.text())) ++outcome.failedLines;
        out.flushIfFull();
    }
    return outcome;
}

}  // namespace velmora::tool
