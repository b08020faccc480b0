#include "ui/board/TransformationMarks.h"

namespace velmora::marks {

namespace {

constexpr QChar kIdeographicSpace(0x3000);
constexpr QChar kLineFeed(u'\n');

}  // namespace

int CharactersBeforeEntryEnd(const QString& caption, const QString& starName) {
    const qsizetype name = starName.isEmpty() ? -1 : caption.indexOf(starName);
    // The space is looked for from the character after the name's first one on.
    const qsizetype searchFrom = name < 0 ? 0 : name + 1;
    return static_cast<int>(caption.indexOf(kIdeographicSpace, searchFrom));
}

std::optional<int> RowOfEntryEnd(const QString& caption, int characters) {
    if (characters <= 0 || characters > caption.size()) {
        return std::nullopt;
    }
    const auto row = static_cast<int>(QStringView(caption).left(characters).count(kLineFeed));
    if (row > kLastStarListRow) {
        return std::nullopt;
    }
    return row;
}

}  // namespace velmora::marks
