#pragma once
// Batch mode: one query a line in, one JSON object a line out, in order.

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "output/ChartRun.h"
#include "output/LineReader.h"
#include "output/MomentRun.h"
#include "output/OverlayRun.h"
#include "script/CachedConverter.h"
#include "script/Script.h"

namespace velmora::tool {

// Output gathered in one reused buffer and written in large blocks. In
// Simplified each block is converted as it is written: its keys and numbers
// are ASCII, which the conversion keeps, and its words come again and again,
// so each is converted once.
class OutputBuffer {
public:
    explicit OutputBuffer(std::FILE* file, Script script = Script::Traditional) : file_(file), script_(script) {}
    std::string& text() { return text_; }
    void flushIfFull();
    // Writes what is gathered and flushes the stream; false when writing failed.
    bool flush();

private:
    std::FILE* file_;
    Script script_;
    CachedConverter converter_;
    std::string text_;
    std::string converted_;
};

// How every line is charted: under which conventions, and whether "compare" is added.
struct BatchConventions {
    Conventions conventions;
    bool compare = false;
    bool flying = false;  // --flying: the flights of the natal palaces and the shown layer
};

struct BatchOutcome {
    long long failedLines = 0;
    std::optional<std::string> readError;  // the input could not be read to its end
};

// Reads queries from `fd` until its end. Blank lines are skipped (but
// counted, so line numbers match the input); a bad line gives
// {"line":N,"error":"..."} and the run goes on. `words` set adds "names".

// How every line of a batch is read: the calendar of its dates, the school it
// is charted in, and (when set) the place whose clock time PERIOD may be.
struct BatchSettings {
    DateCalendar calendar = DateCalendar::Gregorian;
    BatchConventions conventions;
    const MomentSetting* moment = nullptr;
    ReadingOptions reading;  // what is read of every chart
    OverlayOptions overlay{};  // a second birth for every line; a line's own after "/" comes first
};

// One batch line answered into `out` with its line end: the chart's object,
// or {"line":N,"error":"..."} for a bad or too long line (then false).
bool AnswerBatchLine(std::string_view line, long long number, bool tooLong, const ReferenceTables& tables,
                     const ReferenceTables* words, const BatchSettings& settings, ChartResult& result,
                     std::string& out);

BatchOutcome RunBatch(int fd, const ReferenceTables& tables, const ReferenceTables* words, OutputBuffer& out,
                      const BatchSettings& settings = {});

// Reads the batch's lines in order and hands each that is not blank to
// `answer(line, number, tooLong)`, numbered from 1 as the file counts them; a
// read error ends the run and is kept in `outcome`. Shared by one thread and --jobs.
template <typename Answer>
void ForEachBatchLine(LineReader& reader, BatchOutcome& outcome, Answer&& answer) {
    long long number = 0;
    std::string_view line;
    for (;;) {
        const LineReader::Status status = reader.next(line);
        if (status == LineReader::Status::End) return;
        if (status == LineReader::Status::Failed) {
            outcome.readError = std::strerror(reader.error());
            return;
        }
        ++number;
        const bool tooLong = status == LineReader::Status::TooLong;
        if (!tooLong && IsBlankLine(line)) continue;
        answer(line, number, tooLong);
    }
}

}  // namespace velmora::tool
