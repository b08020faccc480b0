#include "output/JsonWriter.h"

#include <array>
#include <charconv>

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

void AppendEscapedControl(std::string& out, unsigned char c) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    switch (c) {
        case '\n': out.append("\\n"); return;
        case '\r': out.append("\\r"); return;
        case '\t': out.append("\\t"); return;
        default: break;
    }
    out.append("\\u00");
    out.push_back(kHex[c >> 4]);
    out.push_back(kHex[c & 0xF]);
}

}  // namespace

JsonWriter& JsonWriter::number(int value) {
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out_.append(digits.data(), end);
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text) {
    out_.push_back('"');
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= kFirstNonAscii) {
            const std::size_t length = SequenceLength(text.substr(i));
            if (length == 0) {
                out_.append(kReplacementCharacter);
                ++i;
            } else {
                out_.append(text.substr(i, length));
                i += length;
            }
            continue;
        }
        if (c < kFirstPrintable || c == 0x7F) AppendEscapedControl(out_, c);
        else if (c == '"' || c == '\\') out_.append({'\\', static_cast<char>(c)});
        else out_.push_back(static_cast<char>(c));
        ++i;
    }
    out_.push_back('"');
    return *this;
}

JsonWriter& JsonWriter::pair(int first, int second) {
    raw('[').number(first).raw(',').number(second).raw(']');
    return *this;
}

}  // namespace velmora::tool
