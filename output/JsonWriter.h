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
#include <cstdlib>
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
    // A quoted string the program made itself that needs no escaping:
    // printable ASCII or well-formed UTF-8, without quotes or backslashes (a
    // chart's star lists, the flowing stars' names): written as it stands.
    // Copied a word at a time: these are short, and a copy of unknown
    // length is a call.
    JsonWriter& plainString(std::string_view text) {
        char* at = room(text.size() + 2 + kWordBytes);
        *at++ = '"';
        const std::size_t size = text.size();
        if (size < kWordBytes) {
            for (std::size_t i = 0; i < size; ++i) at[i] = text[i];
        } else {
            // Whole words, then the last word again where it ends with the text.
            for (std::size_t i = 0; i + kWordBytes <= size; i += kWordBytes)
                std::memcpy(at + i, text.data() + i, kWordBytes);
            std::memcpy(at + size - kWordBytes, text.data() + size - kWordBytes, kWordBytes);
        }
        at += size;
        *at++ = '"';
        cursor_ = at;
        return *this;
    }
    // `count` values separated by commas, value i from `valueAt(i)`: a number,
    // or a std::pair written as [a,b]. A long list is written in one go.
    template <typename ValueAt>
    JsonWriter& list(int count, ValueAt valueAt);
    // The room a list of `count` values takes at most.
    static constexpr std::size_t ListMostBytes(int count) {
        return count <= 0 ? 0 : static_cast<std::size_t>(count) * (kLongestPair + 1);
    }

    // A run of pieces into room made once: see JsonRun below.
    template <typename Write>
    JsonWriter& run(std::size_t mostBytes, Write write);

    // The pieces' writers, shared with JsonRun: each writes at `at`, which
    // has room enough, and gives the end of what it wrote.

    // Numbers 0..99, the most of a chart's, from a table without a branch on
    // their length (a chart's small numbers come in random lengths, which a
    // branch would guess wrong half the time). Columns: two digit bytes (the
    // second unused for 0..9), then how many of them count.
    static constexpr int kSmallNumbers = 100;
    static constexpr std::size_t kDigitBytes = 2;
    static constexpr std::size_t kSmallEntry = 4;
    static constexpr std::array<char, kSmallEntry * kSmallNumbers> kSmallDigits = [] {
        std::array<char, kSmallEntry * kSmallNumbers> table{};
        for (int n = 0; n < kSmallNumbers; ++n) {
            char* entry = table.data() + kSmallEntry * static_cast<std::size_t>(n);
            entry[0] = static_cast<char>('0' + (n < 10 ? n : n / 10));
            entry[1] = static_cast<char>('0' + n % 10);
            entry[kDigitBytes] = static_cast<char>(n < 10 ? 1 : 2);
        }
        return table;
    }();
    static constexpr std::size_t kLongestNumber = 11;  // "-2147483648"
    static constexpr std::size_t kWordBytes = 8;
    // Writes `value` at `at`, which has room for kLongestNumber bytes; gives the end of its digits.
    static char* PutNumber(char* at, int value) {
        if (static_cast<unsigned>(value) >= static_cast<unsigned>(kSmallNumbers)) return PutLongNumber(at, value);
        const char* entry = kSmallDigits.data() + kSmallEntry * static_cast<std::size_t>(value);
        std::memcpy(at, entry, kDigitBytes);
        return at + entry[kDigitBytes];
    }
    static char* PutLongNumber(char* at, int value);
    static constexpr std::size_t kLongestPair = 2 * kLongestNumber + 3;
    // Pairs of numbers 0..15 (a chart's stems, branches and levels) written
    // whole from a table: "[a,b]" in at most seven bytes, its length in the
    // eighth. Rows by first number, columns by second.
    static constexpr int kSmallPairLimit = 16;
    static constexpr std::size_t kPairEntry = 8;
    static constexpr std::size_t kPairLengthByte = kPairEntry - 1;
    static constexpr std::array<char, kPairEntry * kSmallPairLimit * kSmallPairLimit> kSmallPairs = [] {
        std::array<char, kPairEntry * kSmallPairLimit * kSmallPairLimit> table{};
        for (int a = 0; a < kSmallPairLimit; ++a) {
            for (int b = 0; b < kSmallPairLimit; ++b) {
                char* entry = table.data() + kPairEntry * static_cast<std::size_t>(a * kSmallPairLimit + b);
                char* at = entry;
                *at++ = '[';
                if (a >= 10) *at++ = '1';
                *at++ = static_cast<char>('0' + a % 10);
                *at++ = ',';
                if (b >= 10) *at++ = '1';
                *at++ = static_cast<char>('0' + b % 10);
                *at++ = ']';
                entry[kPairLengthByte] = static_cast<char>(at - entry);
            }
        }
        return table;
    }();
    // Writes [first,second] at `at`, which has room for kLongestPair bytes; gives its end.
    static char* PutPair(char* at, int first, int second) {
        if ((static_cast<unsigned>(first) | static_cast<unsigned>(second)) < static_cast<unsigned>(kSmallPairLimit)) {
            const char* entry =
                kSmallPairs.data() + kPairEntry * static_cast<std::size_t>(first * kSmallPairLimit + second);
            std::memcpy(at, entry, kPairEntry);
            return at + entry[kPairLengthByte];
        }
        *at++ = '[';
        at = PutNumber(at, first);
        *at++ = ',';
        at = PutNumber(at, second);
        *at++ = ']';
        return at;
    }

private:
    // The cursor, with at least `bytes` free after it.
    char* room(std::size_t bytes) {
        if (static_cast<std::size_t>(end_ - cursor_) < bytes) grow(bytes);
        return cursor_;
    }
    void grow(std::size_t bytes);
    // Writes the escape of an ASCII byte a JSON string cannot hold as it stands; gives its end.
    static char* PutEscaped(char* at, unsigned char c);

    std::string& out_;
    char* cursor_ = nullptr;  // where the next piece goes, inside out_
    char* end_ = nullptr;     // the end of the room made in out_
};

// Pieces written into room made beforehand, through a cursor of its own that
// the compiler keeps in a register: the writer's cursor, reached through a
// reference, is stored and loaded again around every byte written, as any
// byte written might be part of it. Used for the fixed parts of a chart
// (keys, numbers and pairs), whose greatest length is known.
class JsonRun {
public:
    explicit JsonRun(char* at) : at_(at) {}
    JsonRun& raw(std::string_view text) {
        std::memcpy(at_, text.data(), text.size());
        at_ += text.size();
        return *this;
    }
    JsonRun& raw(char c) {
        *at_++ = c;
        return *this;
    }
    JsonRun& number(int value) {
        at_ = JsonWriter::PutNumber(at_, value);
        return *this;
    }
    JsonRun& pair(int first, int second) {
        at_ = JsonWriter::PutPair(at_, first, second);
        return *this;
    }
    // As JsonWriter::list; takes JsonWriter::ListMostBytes(count) at most.
    template <typename ValueAt>
    JsonRun& list(int count, ValueAt valueAt) {
        if (count <= 0) return *this;
        for (int i = 0; i < count; ++i) {
            const auto value = valueAt(i);
            if constexpr (std::is_integral_v<decltype(value)>) at_ = JsonWriter::PutNumber(at_, value);
            else at_ = JsonWriter::PutPair(at_, value.first, value.second);
            *at_++ = ',';
        }
        --at_;  // the last comma
        return *this;
    }
    // Pieces written by `write(at)`, which gives the end of what it wrote.
    template <typename Write>
    JsonRun& with(Write write) {
        at_ = write(at_);
        return *this;
    }
    char* end() const { return at_; }

private:
    char* at_;
};

// Makes `mostBytes` of room, hands a run over it to `write`, and goes on
// where the run ended. A run longer than its room is a fault in the program:
// it stops there rather than write on.
template <typename Write>
JsonWriter& JsonWriter::run(std::size_t mostBytes, Write write) {
    char* const start = room(mostBytes);
    JsonRun pieces(start);
    write(pieces);
    if (static_cast<std::size_t>(pieces.end() - start) > mostBytes) std::abort();
    cursor_ = pieces.end();
    return *this;
}

template <typename ValueAt>
JsonWriter& JsonWriter::list(int count, ValueAt valueAt) {
    return run(ListMostBytes(count), [&](JsonRun& pieces) { pieces.list(count, valueAt); });
}

}  // namespace velmora::tool
