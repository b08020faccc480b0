#pragma once
// Batch mode: one query a line in, one JSON object a line out, in order.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "output/ChartRun.h"
#include "output/MomentRun.h"

namespace velmora::tool {

// Output gathered in one reused buffer and written in large blocks.
class OutputBuffer {
public:
    explicit OutputBuffer(std::FILE* file) : file_(file) {}
    std::string& text() { return text_; }
    void flushIfFull();
    // Writes what is gathered and flushes the stream; false when writing failed.
    bool flush();

private:
    std::FILE* file_;
    std::string text_;
};

// How every line is charted: under which conventions, and whether "compare" is added.
struct BatchConventions {
    Conventions conventions;
    bool compare = false;
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
};

// One batch line answered into `out` with its line end: the chart's object,
// or {"line":N,"error":"..."} for a bad or too long line (then false).
bool AnswerBatchLine(std::string_view line, long long number, bool tooLong, const ReferenceTables& tables,
                     const ReferenceTables* words, const BatchSettings& settings, ChartResult& result,
                     std::string& out);

BatchOutcome RunBatch(int fd, const ReferenceTables& tables, const ReferenceTables* words, OutputBuffer& out,
                      const BatchSettings& settings = {});

}  // namespace velmora::tool
