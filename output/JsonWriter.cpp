#include "output/JsonWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace velmora::tool {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kFirstNonAscii = 0x80;

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// when it is not one (stray continuation bytes, overlong forms, surrogates,
// code points past U+10FFFF, cut sequences).
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;        // no overlong forms
        else if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        else if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    }
    if (length == 0 || text.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

constexpr std::size_t kRoomStep = 3072;  // room made at a time: a chart with its layer fits, its runs' room too
constexpr std::size_t kLongestEscape = 6;     // \u00XX for one byte

// Only these ASCII bytes need more than themselves in a JSON string.
constexpr bool NeedsEscape(unsigned char c) { return c < kFirstPrintable || c == 0x7F || c == '"' || c == '\\'; }

// By byte: true for the ASCII that a JSON string holds as it stands.
constexpr std::array<bool, 256> kPlainAscii = [] {
    std::array<bool, 256> plain{};
    for (int c = 0; c < static_cast<int>(kFirstNonAscii); ++c)
        plain[static_cast<std::size_t>(c)] = !NeedsEscape(static_cast<unsigned char>(c));
    return plain;
}();

constexpr std::size_t kWordBytes = JsonWriter::kWordBytes;

// Eight bytes at a time: a word with a high bit set in each byte that
// needs more than itself (past ASCII, control, quote, backslash, DEL). Each
// test finds such a byte for certain; a false alarm only sends the text the
// slow way.
std::uint64_t NotPlainBits(const char* bytes) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::uint64_t w = 0;
    std::memcpy(&w, bytes, sizeof w);
    const auto hasZeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighBits; };
    const std::uint64_t below = (w - kOnes * kFirstPrintable) & ~w & kHighBits;
    return (w & kHighBits) | below | hasZeroByte(w ^ (kOnes * '"')) | hasZeroByte(w ^ (kOnes * '\\')) |
           hasZeroByte(w ^ (kOnes * 0x7F));
}

// Copies plain text to `at` eight bytes at a time, the last few bytes too
// (from a word padded with plain bytes, so nothing is read past the text;
// the room holds a word more than the text needs), and tells whether all of
// it was plain. The words are tested together at the end: text here is
// nearly always plain, and one branch a string costs less than one a word.
bool CopyIfPlain(std::string_view text, char* at) {
    std::uint64_t notPlain = 0;
    std::size_t i = 0;
    for (; i + kWordBytes <= text.size(); i += kWordBytes) {
        notPlain |= NotPlainBits(text.data() + i);
        std::memcpy(at + i, text.data() + i, kWordBytes);
    }
    if (i < text.size()) {
        std::array<char, kWordBytes> word;
        word.fill(' ');
        std::memcpy(word.data(), text.data() + i, text.size() - i);
        notPlain |= NotPlainBits(word.data());
        std::memcpy(at + i, word.data(), kWordBytes);
    }
    return notPlain == 0;
}

}  // namespace

JsonWriter::JsonWriter(std::string& out) : out_(out) {
    const std::size_t used = out_.size();
    out_.resize(used + kRoomStep);
    cursor_ = out_.data() + used;
    end_ = out_.data() + out_.size();
}

JsonWriter::~JsonWriter() { out_.resize(static_cast<std::size_t>(cursor_ - out_.data())); }

void JsonWriter::grow(std::size_t bytes) {
    const std::size_t used = static_cast<std::size_t>(cursor_ - out_.data());
    out_.resize(used + std::max(bytes, kRoomStep));  // the string itself grows its capacity geometrically
    cursor_ = out_.data() + used;
    end_ = out_.data() + out_.size();
}

char* JsonWriter::PutEscaped(char* at, unsigned char c) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    const auto put = [&at](std::string_view text) {
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    };
    switch (c) {
        case '\n': put("\\n"); return at;
        case '\r': put("\\r"); return at;
        case '\t': put("\\t"); return at;
        case '"': put("\\\""); return at;
        case '\\': put("\\\\"); return at;
        default: break;
    }
    put("\\u00");
    *at++ = kHex[c >> 4];
    *at++ = kHex[c & 0xF];
    return at;
}

char* JsonWriter::PutLongNumber(char* at, int value) {
    // Years, the most of a chart's numbers past 99, as two halves from the table.
    constexpr int kHundred = 100;
    if (value >= kHundred && value < kHundred * kHundred) {
        const int low = value % kHundred;
        at = PutNumber(at, value / kHundred);
        *at++ = static_cast<char>('0' + low / 10);
        *at++ = static_cast<char>('0' + low % 10);
        return at;
    }
    return std::to_chars(at, at + kLongestNumber, value).ptr;
}

JsonWriter& JsonWriter::string(std::string_view text) {
    char* at = room(kLongestEscape * text.size() + 2 + kWordBytes);
    *at++ = '"';
    if (CopyIfPlain(text, at)) {
        at += text.size();
        *at++ = '"';
        cursor_ = at;
        return *this;
    }
    // The room made above holds the worst case (six bytes for every byte of
    // the text), so what follows writes at `at` without asking again.
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (kPlainAscii[c]) {
            *at++ = text[i++];
        } else if (c >= kFirstNonAscii) {
            // A sequence or its replacement, byte by byte: at most four, and
            // a copy of a length not known here would be a call.
            const std::size_t length = SequenceLength(text.substr(i));
            if (length == 0) {
                std::memcpy(at, kReplacementCharacter.data(), kReplacementCharacter.size());
                at += kReplacementCharacter.size();
                ++i;
            } else {
                for (const std::size_t end = i + length; i < end; ++i) *at++ = text[i];
            }
        } else {
            at = PutEscaped(at, c);
            ++i;
        }
    }
    *at++ = '"';
    cursor_ = at;
    return *this;
}

}  // namespace velmora::tool
