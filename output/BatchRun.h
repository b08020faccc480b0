#pragma once
// Batch mode: one query a line in, one JSON object a line out, in order.

#include <cstdio>
#include <optional>
#include <string>

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
// {"line":N,"error":"..."} and the run goes on. `words` set adds "names";
// `calendar` says how the lines' dates are read. With `moment` set, each
// line's PERIOD may be a clock time at that place.
BatchOutcome RunBatch(int fd, const ReferenceTables& tables, const ReferenceTables* words, OutputBuffer& out,
                      DateCalendar calendar = DateCalendar::Gregorian, const BatchConventions& conventions = {},
                      const MomentSetting* moment = nullptr);

}  // namespace velmora::tool
