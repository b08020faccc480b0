// CurrentTransformations from one line of the transformation table.

#include <optional>

#include "chart/DigitTables.h"
#include "chart/TimeLayers.h"

namespace velmora {

namespace {

constexpr int kTransformations = 4;  // 祿 權 科 忌

// A UTF-8 lead byte starts a character; continuation bytes (10xxxxxx) do not.
bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The first eight characters of `line` when they are all ASCII, as they are in
// every line of a well-formed table: one byte each, so no counting is needed.
std::optional<std::string_view> AsciiPairs(std::string_view line) {
    const std::string_view head = line.substr(0, kTransformations * kDigitPairWidth);
    for (const char byte : head)
        if (static_cast<unsigned char>(byte) >= 0x80) return std::nullopt;
    return head;
}

}  // namespace

std::array<int, 5> ParseTransformations(std::string_view line) {
    // The line is counted in characters, not bytes: a stray wide character takes
    // one place, and only a pair of two ASCII digits names a star.
    std::array<char, kTransformations * kDigitPairWidth> characters{};
    std::string_view pairs;
    if (const auto ascii = AsciiPairs(line)) {
        pairs = *ascii;
    } else {
        std::size_t count = 0;
        for (const char byte : line) {
            if (count == characters.size()) break;
            // A wide character keeps only its lead byte, which is never a digit.
            if (StartsCharacter(byte)) characters[count++] = byte;
        }
        pairs = std::string_view(characters.data(), count);
    }
    std::array<int, 5> stars{};
    for (int k = 1; k <= kTransformations; ++k) stars[k] = DigitPair(pairs, k);
    return stars;
}

}  // namespace velmora
