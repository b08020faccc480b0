#include "output/LineReader.h"

#include <unistd.h>

#include <cerrno>

namespace velmora::tool {

namespace {
constexpr std::size_t kChunkBytes = 1 << 16;
}

LineReader::LineReader(int fd, std::function<void()> beforeWait) : fd_(fd), beforeWait_(std::move(beforeWait)) {}

bool LineReader::fill() {
    if (ended_) return false;
    buffer_.erase(0, start_);
    start_ = 0;
    if (beforeWait_) beforeWait_();
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + kChunkBytes);
    ssize_t got = 0;
    do {
        got = ::read(fd_, buffer_.data() + kept, kChunkBytes);
    } while (got < 0 && errno == EINTR);
    buffer_.resize(kept + static_cast<std::size_t>(got > 0 ? got : 0));
    if (got < 0) error_ = errno;
    if (got <= 0) ended_ = true;
    return got > 0;
}

LineReader::Status LineReader::next(std::string_view& line) {
    bool tooLong = false;
    for (;;) {
        const std::size_t end = buffer_.find('\n', start_);
        if (end != std::string::npos) {
            line = std::string_view(buffer_).substr(start_, end - start_);
            start_ = end + 1;
            return tooLong || line.size() > kMaxLineBytes ? Status::TooLong : Status::Line;
        }
        // Without a line end in sight, an over-long line is dropped as it
        // comes, so no input can make the buffer grow without bound.
        if (buffer_.size() - start_ > kMaxLineBytes) {
            tooLong = true;
            start_ = buffer_.size();
        }
        if (!fill()) break;
    }
    if (error_ != 0) return Status::Failed;
    if (start_ == buffer_.size() && !tooLong) return Status::End;
    line = std::string_view(buffer_).substr(start_);
    start_ = buffer_.size();
    return tooLong ? Status::TooLong : Status::Line;
}

}  // namespace velmora::tool
