// Batch input as lines: line ends, a last line without one, and lines too
// long to keep, read through a real pipe.

#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/LineReader.h"

namespace velmora::tool {
namespace {

// Reads all of `input` through a pipe; each line as read, "<too long>" for
// one passed over.
std::vector<std::string> ReadAll(const std::string& input, int* waits = nullptr) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    // A pipe holds 64 KiB; the inputs here are smaller, so one write will do.
    EXPECT_EQ(::write(fds[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    ::close(fds[1]);
    LineReader reader(fds[0], [waits] {
        if (waits != nullptr) ++*waits;
    });
    std::vector<std::string> lines;
    std::string_view line;
    for (LineReader::Status s = reader.next(line); s != LineReader::Status::End; s = reader.next(line)) {
        EXPECT_NE(s, LineReader::Status::Failed);
        if (s == LineReader::Status::Failed) break;
        lines.push_back(s == LineReader::Status::TooLong ? "<too long>" : std::string(line));
    }
    ::close(fds[0]);
    return lines;
}

TEST(LineReader, SplitsLines) {
    // Columns: input, the lines read.
    const struct {
        std::string input;
        std::vector<std::string> lines;
    } rows[] = {
        {"", {}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"\n\n", {"", ""}},
        {"a\r\nb\r\n", {"a\r", "b\r"}},  // the query parser drops the CR
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const auto& row : rows) EXPECT_EQ(ReadAll(row.input), row.lines) << row.input;
}

TEST(LineReader, PassesOverLinesTooLongToKeep) {
    const std::string longLine(LineReader::kMaxLineBytes + 1, 'x');
    const std::string fits(LineReader::kMaxLineBytes, 'y');
    const std::string big(3 * LineReader::kMaxLineBytes, 'z');
    EXPECT_EQ(ReadAll("a\n" + longLine + "\nb\n"), (std::vector<std::string>{"a", "<too long>", "b"}));
    EXPECT_EQ(ReadAll(fits + "\n"), (std::vector<std::string>{fits}));
    EXPECT_EQ(ReadAll(big), (std::vector<std::string>{"<too long>"}));
    EXPECT_EQ(ReadAll(big + "\nc"), (std::vector<std::string>{"<too long>", "c"}));
}

TEST(LineReader, CallsItsHookBeforeEveryRead) {
    int waits = 0;
    ReadAll("a\nb\n", &waits);
    EXPECT_GE(waits, 2);  // the first read, and the one that finds the end
}

}  // namespace
}  // namespace velmora::tool
