#pragma once
// Where a transformation mark stands on a palace's star list (the Lab04
// caption): on the 200-twip text row where the star's entry ends, just right
// of its name and level word. Every entry of stars 1..22 ends with one
// ideographic space and a full row (name, blank, level word, that space and
// the line break) is seven characters long, so the count of characters before
// the entry's closing space tells the row.

#include <QString>

#include <optional>

namespace velmora::marks {

inline constexpr int kFirstMarkableStar = 1;
inline constexpr int kLastMarkableStar = 50;   // the transformation table names stars 01..50
inline constexpr int kMarkLeftTwips = 656;     // from the star list's left edge
inline constexpr int kStarListLine = 5;        // NameList line of the names of stars 1..28

// The number of characters of `caption` before the ideographic space that
// follows the first occurrence of `starName`; when the name does not occur,
// before the caption's first ideographic space. -1 when there is no such space.
int CharactersBeforeEntryEnd(const QString& caption, const QString& starName);

// The text row 0..5 of an entry that ends after `characters` characters;
// nothing for 0 or fewer, or 40 or more (the mark then keeps its place).
std::optional<int> RowOfEntryEnd(int characters);

}  // namespace velmora::marks
