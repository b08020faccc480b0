#include "ui/main/TransformationMarks.h"

#include <array>

namespace velmora::marks {

namespace {

constexpr QChar kIdeographicSpace(0x3000);

// Columns: the last character count that still ends on row 0, 1, .. 5. A row
// holds seven characters; the first row has no line break before it.
constexpr std::array<int, 6> kLastCountOfRow{4, 11, 18, 25, 32, 39};

}  // namespace

int CharactersBeforeEntryEnd(const QString& caption, const QString& starName) {
    const qsizetype name = starName.isEmpty() ? -1 : caption.indexOf(starName);
    // The space is looked for from the character after the name's first one on.
    const qsizetype searchFrom = name < 0 ? 0 : name + 1;
    return static_cast<int>(caption.indexOf(kIdeographicSpace, searchFrom));
}

std::optional<int> RowOfEntryEnd(int characters) {
    if (characters <= 0) {
        return std::nullopt;
    }
    for (std::size_t row = 0; row < kLastCountOfRow.size(); ++row) {
        if (characters <= kLastCountOfRow[row]) {
            return static_cast<int>(row);
        }
    }
    return std::nullopt;
}

}  // namespace velmora::marks
