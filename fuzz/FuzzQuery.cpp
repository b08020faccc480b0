// velmora-chart's input as any bytes: the whole input as one query line, and
// the input as a batch run line by line. Every answer must be one line of
// JSON, a chart obeying the chart's rules or a line error.

#include <unistd.h>
#include <sys/mman.h>

#include <cstdio>

#include "fuzz/FuzzSupport.h"
#include "tests/load/ChartChecks.h"
#include "tests/load/JsonLite.h"
#include "output/BatchRun.h"
#include "output/ChartJson.h"
#include "output/Query.h"

using namespace velmora;

namespace {

void CheckOneLine(std::string_view line) {
    const tool::ParsedQuery parsed = tool::ParseQueryLine(line);
    std::string json;
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        if (message->empty()) fuzz::Fail("a refusal without a message");
        tool::AppendLineError(1, *message, json);
        fuzz::CheckJson(json);
        return;
    }
    tool::ChartResult result;
    if (auto problem = tool::ComputeQuery(std::get<tool::Query>(parsed), fuzz::ShippedTables(), result)) {
        tool::AppendLineError(1, *problem, json);
        fuzz::CheckJson(json);
        return;
    }
    if (auto problem = load::ResultProblem(result)) fuzz::Fail(*problem);
    tool::AppendChartJson(result, &fuzz::ShippedTables(), json);
    const load::JsonParse parse = load::ParseJson(json);
    if (!parse.value) fuzz::Fail("not JSON: " + parse.problem);
    if (auto problem = load::JsonChartProblem(*parse.value)) fuzz::Fail("JSON chart: " + *problem);
}

// The batch run over the input, through a memory file as its input descriptor.
void CheckBatch(const std::uint8_t* data, std::size_t size) {
    const int in = memfd_create("velmora-fuzz-batch", 0);
    if (in < 0 || (size > 0 && write(in, data, size) != static_cast<ssize_t>(size)) || lseek(in, 0, SEEK_SET) != 0)
        fuzz::Fail("cannot make the batch input");
    std::FILE* out = std::tmpfile();
    if (out == nullptr) fuzz::Fail("cannot make the batch output");
    tool::OutputBuffer buffer(out);
    const tool::BatchOutcome outcome = tool::RunBatch(in, fuzz::ShippedTables(), &fuzz::ShippedTables(), buffer);
    buffer.flush();
    close(in);
    if (outcome.readError) fuzz::Fail("the batch input could not be read");
    std::rewind(out);
    std::string line;
    for (int c = std::fgetc(out); c != EOF; c = std::fgetc(out)) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        fuzz::CheckJson(line);
        line.clear();
    }
    std::fclose(out);
    if (!line.empty()) fuzz::Fail("a batch answer without its line end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckOneLine(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckBatch(data, size);
    return 0;
}
