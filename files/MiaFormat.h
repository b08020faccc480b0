#pragma once
// The layout of Mia, shared by the engine's reader and the editor's document:
// a line of seven level names, one character each, weakest first; then star
// rows of 14 characters, the star number in two digits and one level digit
// 0..7 for each branch 子..亥.

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

#include "chart/ReferenceData.h"
#include "files/FileProblem.h"

namespace velmora::files {

inline constexpr int kStarNumberChars = 2;
inline constexpr int kBranchCount = 12;
inline constexpr int kStarRowChars = kStarNumberChars + kBranchCount;
inline constexpr int kHighestStarRow = 110;  // rows for 92..110 are read and change nothing shown
inline constexpr int kHighestLevel = 7;

// An empty level name is stored as an ideographic space, so that level k is
// always character k of the level line.
inline constexpr QChar kUnsetLevelName = QChar(0x3000);

// The seven names of a level line; characters past the seventh are left out,
// a shorter line leaves the last names empty, an ideographic space reads as empty.
std::array<QString, kLevelCount> ParseLevelNames(const QString& line);

// The level line written back: each empty name as an ideographic space.
QString FormatLevelNames(const std::array<QString, kLevelCount>& names);

struct ParsedStarRow {
    int star = 0;                            // 0 when the first two characters are no number
    std::array<std::int8_t, kBranchCount> levels{};  // [0] 子 .. [11] 亥
    std::vector<QString> faults;             // what was read as 0 or left out, in words
    bool namesStar() const { return star >= 1 && star <= kHighestStarRow; }
};

// A star row. A branch whose digit is missing (a short row), not a digit or
// above 7 gets level 0, "no level word", as a branch whose digit is 0: the level
// then depends on the row alone, not on whatever chart was computed before.
ParsedStarRow ParseStarRow(const QString& line);

inline constexpr int kHighestWrittenStar = 99;  // what two digits can hold

// The row in its written form: two-digit star number (0..99), then the twelve
// digits; a level outside 0..7 is written as 0.
QString FormatStarRow(int star, const std::array<std::int8_t, kBranchCount>& levels);

// The warning for a row that names no star.
QString NoStarMessage(const QString& line);

}  // namespace velmora::files
