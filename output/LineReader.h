#pragma once
// Lines from a file descriptor, read in large chunks. Before it waits for
// more input the reader calls a hook, so a caller can flush what it has
// written and a script that feeds one query and waits for its answer never
// deadlocks against the output buffer.

#include <functional>
#include <string>
#include <string_view>

namespace velmora::tool {

class LineReader {
public:
    enum class Status { Line, TooLong, End, Failed };

    // `beforeWait` runs before every read that may block.
    LineReader(int fd, std::function<void()> beforeWait);

    // The next line without its "\n" (a final line without one counts too),
    // valid until the next call. A line longer than kMaxLineBytes is passed
    // over whole and reported as TooLong; Failed carries errno in error().
    Status next(std::string_view& line);
    int error() const { return error_; }

    static constexpr std::size_t kMaxLineBytes = 4096;

private:
    bool fill();  // false at the end of input or on a failure

    int fd_;
    std::function<void()> beforeWait_;
    std::string buffer_;
    std::size_t start_ = 0;
    bool ended_ = false;
    int error_ = 0;
};

}  // namespace velmora::tool
