#include "output/BatchJobs.h"

#include <cstring>
#include <thread>
#include <vector>

#include "output/LineReader.h"

namespace velmora::tool {

namespace {

// Lines gathered per worker before a block is answered: enough that starting
// the threads costs little beside the work, few enough to keep the block's
// answers (some 1.5 kB a line) small.
constexpr std::size_t kLinesPerJob = 2048;

struct GatheredLine {
    std::size_t offset = 0;  // into Block::text
    std::size_t length = 0;
    long long number = 0;
    bool tooLong = false;
};

// Lines kept until their block is answered: the reader's views do not last.
struct Block {
    std::string text;
    std::vector<GatheredLine> lines;
    std::string_view line(const GatheredLine& g) const { return std::string_view(text).substr(g.offset, g.length); }
};

struct Answers {
    std::string text;
    long long failedLines = 0;
};

// The answers are gathered apart and handed over at the end: worker threads
// writing to neighbouring strings would fight over one cache line. The text
// keeps the room it had in the block before.
void AnswerRun(const Block& block, std::size_t first, std::size_t last, const ReferenceTables& tables,
               const ReferenceTables* words, const BatchSettings& settings, Answers& handedOver) {
    Answers answers;
    answers.text.swap(handedOver.text);
    answers.text.clear();
    ChartResult result;
    for (std::size_t i = first; i < last; ++i) {
        const GatheredLine& g = block.lines[i];
        if (!AnswerBatchLine(block.line(g), g.number, g.tooLong, tables, words, settings, result, answers.text))
            ++answers.failedLines;
    }
    handedOver = std::move(answers);
}

// Answers the block with one thread a run in `answers` (this one among
// them), writes the answers in order and empties the block.
void AnswerBlock(Block& block, std::vector<Answers>& answers, const ReferenceTables& tables,
                 const ReferenceTables* words, const BatchSettings& settings, OutputBuffer& out,
                 BatchOutcome& outcome) {
    const std::size_t count = block.lines.size();
    const std::size_t runs = answers.size();
    std::vector<std::jthread> workers;
    const auto bound = [&](std::size_t run) { return count * run / runs; };
    for (std::size_t run = 1; run < runs; ++run)
        workers.emplace_back(
            [&, run] { AnswerRun(block, bound(run), bound(run + 1), tables, words, settings, answers[run]); });
    AnswerRun(block, 0, bound(1), tables, words, settings, answers[0]);
    workers.clear();  // joins
    for (const Answers& a : answers) {
        out.text() += a.text;
        outcome.failedLines += a.failedLines;
        out.flushIfFull();
    }
    block.text.clear();
    block.lines.clear();
}

}  // namespace

BatchOutcome RunBatchJobs(int fd, const ReferenceTables& tables, const ReferenceTables* words, OutputBuffer& out,
                          int jobs, const BatchSettings& settings) {
    BatchOutcome outcome;
    Block block;
    std::vector<Answers> answers(static_cast<std::size_t>(jobs));
    const auto answerBlock = [&] { AnswerBlock(block, answers, tables, words, settings, out, outcome); };
    // Before the reader waits for more input, what has come is answered and
    // written, so a script feeding one query at a time gets its answer.
    LineReader reader(fd, [&] {
        answerBlock();
        out.flush();
    });
    ForEachBatchLine(reader, outcome, [&](std::string_view line, long long number, bool tooLong) {
        block.lines.push_back({block.text.size(), tooLong ? 0 : line.size(), number, tooLong});
        if (!tooLong) block.text += line;
        if (block.lines.size() >= kLinesPerJob * static_cast<std::size_t>(jobs)) answerBlock();
    });
    answerBlock();
    return outcome;
}

}  // namespace velmora::tool
