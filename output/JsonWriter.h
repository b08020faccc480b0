#pragma once
// A small JSON writer that appends to a caller's buffer: no allocation per
// value once the buffer has grown, keys in the order written, no blanks.
// The caller writes the punctuation between values; the writer only makes
// numbers and strings safe.
//
// A batch writes a chart's 1,500 bytes in some 400 pieces, so the writer
// works through a cursor into room it has made at the end of the buffer, not
// through one bounds-checked append a piece. The buffer holds that spare room
// while the writer lives and ends where the last piece did once it is gone.

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace velmora::tool {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out);
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    // Text written as it stands: punctuation and keys known to be plain ASCII.
    JsonWriter& raw(std::string_view text) {
        std::memcpy(room(text.size()), text.data(), text.size());
        cursor_ += text.size();
        return *this;
    }
    JsonWriter& raw(char c) {
        *room(1) = c;
        ++cursor_;
        return *this;
    }
    JsonWriter& number(int value) {
        cursor_ = PutNumber(room(kLongestNumber), value);
        return *this;
    }
    // A quoted string. Control characters, quotes and backslashes are escaped;
    // bytes that are not UTF-8 become U+FFFD, so the output is always valid
    // UTF-8 JSON whatever the input held.
    JsonWriter& string(std::string_view text);
    // [a,b]
    JsonWriter& pair(int first, int second) {
        cursor_ = PutPair(room(kLongestPair), first, second);
        return *this;
    }
    // `count` values separated by commas, value i from `valueAt(i)`: a number,
    // or a std::pair written as [a,b]. A long list is written in one go.
    template <typename ValueAt>
    JsonWriter& list(int count, ValueAt valueAt) {
        char* at = room(static_cast<std::size_t>(count) * (kLongestPair + 1));
        for (int i = 0; i < count; ++i) {
            if (i > 0) *at++ = ',';
            const auto value = valueAt(i);
            if constexpr (std::is_integral_v<decltype(value)>) at = PutNumber(at, value);
            else at = PutPair(at, value.first, value.second);
        }
        cursor_ = at;
        return *this;
    }

private:
    // Numbers 0..99, the most of a chart's, from a table: "00" "01" .. "99".
    static constexpr int kSmallNumbers = 100;
    static constexpr std::array<char, 2 * kSmallNumbers> kTwoDigits = [] {
        std::array<char, 2 * kSmallNumbers> digits{};
        for (int n = 0; n < kSmallNumbers; ++n) {
            digits[static_cast<std::size_t>(2 * n)] = static_cast<char>('0' + n / 10);
            digits[static_cast<std::size_t>(2 * n + 1)] = static_cast<char>('0' + n % 10);
        }
        return digits;
    }();
    static constexpr std::size_t kLongestNumber = 11;  // "-2147483648"
    // Writes `value` at `at`; gives the end of its digits.
    static char* PutNumber(char* at, int value) {
        if (value < 0 || value >= kSmallNumbers) return PutLongNumber(at, value);
        if (value < 10) {
            *at = static_cast<char>('0' + value);
            return at + 1;
        }
        std::memcpy(at, kTwoDigits.data() + 2 * value, 2);
        return at + 2;
    }
    static char* PutLongNumber(char* at, int value);
    static constexpr std::size_t kLongestPair = 2 * kLongestNumber + 3;
    static char* PutPair(char* at, int first, int second) {
        *at++ = '[';
        at = PutNumber(at, first);
        *at++ = ',';
        at = PutNumber(at, second);
        *at++ = ']';
        return at;
    }

    // The cursor, with at least `bytes` free after it.
    char* room(std::size_t bytes) {
        if (static_cast<std::size_t>(end_ - cursor_) < bytes) grow(bytes);
        return cursor_;
    }
    void grow(std::size_t bytes);
    void put(std::string_view text) { raw(text); }
    void escapeControl(unsigned char c);

    std::string& out_;
    char* cursor_ = nullptr;  // where the next piece goes, inside out_
    char* end_ = nullptr;     // the end of the room made in out_
};

}  // namespace velmora::tool
