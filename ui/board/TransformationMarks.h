#pragma once
// Where a transformation mark stands on a palace's star list (the Lab04
// caption): on the 200-twip text row where the star's entry ends, just right
// of its name and level word. Every entry of stars 1..22 ends with one
// ideographic space and sits on a row of its own, so the line breaks before
// the entry's closing space tell the row. (With every star carrying a level
// word a row is seven characters long; counting line breaks gives the same row
// and stays right when a star has no level word and its row is shorter.)

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

inline constexpr int kLastStarListRow = 7;     // a star list is 1575 twips high: rows 0..7

// The text row 0..7 of the entry of `caption` that ends after `characters`
// characters: the line breaks before it. Nothing for 0 or fewer characters,
// or for a row below the list (the mark then keeps its place).
std::optional<int> RowOfEntryEnd(const QString& caption, int characters);

}  // namespace velmora::marks
