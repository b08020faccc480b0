#pragma once
// A small JSON writer that appends to a caller's buffer: no allocation per
// value once the buffer has grown, keys in the order written, no blanks.
// The caller writes the punctuation between values; the writer only makes
// numbers and strings safe.

#include <string>
#include <string_view>

namespace velmora::tool {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    // Text written as it stands: punctuation and keys known to be plain ASCII.
    JsonWriter& raw(std::string_view text) {
        out_.append(text);
        return *this;
    }
    JsonWriter& raw(char c) {
        out_.push_back(c);
        return *this;
    }
    JsonWriter& number(int value);
    // A quoted string. Control characters, quotes and backslashes are escaped;
    // bytes that are not UTF-8 become U+FFFD, so the output is always valid
    // UTF-8 JSON whatever the input held.
    JsonWriter& string(std::string_view text);
    // [a,b]
    JsonWriter& pair(int first, int second);

private:
    std::string& out_;
};

}  // namespace velmora::tool
