#pragma once
// The words and tables loaded from the reference files ProperN, Mia and Four.
// Text is UTF-8; the files room converts from and to Big5.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr int kNameLines = 15;
inline constexpr int kNameFields = 50;
inline constexpr int kHourLabelCount = 13;
inline constexpr int kLevelCount = 7;
inline constexpr int kTransformationLines = 10;

// Line 1 stems, 2 branches, 3 palaces (+ field 13 the body-palace word),
// 4 bureaus, 5..10 star names; indexed (line 1..15, field 1..50).
struct NameList {
    std::array<std::array<std::string, kNameFields>, kNameLines> entries{};

    // The entry, or an empty text for any index outside the table.
    const std::string& at(int line, int field) const;
    // Writes an entry; an index outside the table is ignored and yields false.
    bool set(int line, int field, std::string text);
    friend bool operator==(const NameList&, const NameList&) = default;
};

// The words of the chart's numbers, as the board and the command-line tool
// show them; a number the name list does not name gives an empty word.
const std::string& StemName(const NameList& names, int stem);        // line 1
const std::string& BranchName(const NameList& names, int branch);    // line 2
// Palace 1..12 by palace index; 13 is the body-palace word (line 3).
const std::string& PalaceName(const NameList& names, int palace);
const std::string& BureauName(const NameList& names, int bureauIndex);  // line 4
// Star 1..91 from the line of its group: 1..28 line 5, 29..53 line 6, 54..65
// line 7, 66..67 line 8, 68..79 line 9, 80..91 line 10. The life and body
// masters are named the same way.
const std::string& StarName(const NameList& names, int star);

// The main window's thirteen period labels, entry 1 early 子 .. 12 亥, 13 late 子 (index 0 unused).
using HourLabels = std::array<std::string, kHourLabelCount + 1>;
HourLabels MakeHourLabels();

struct BrightnessTable {
    std::array<std::string, kLevelCount + 1> LevelNames{};  // [1..7], one character each, weakest first
    friend bool operator==(const BrightnessTable&, const BrightnessTable&) = default;
};

struct TransformationTable {
    std::array<std::string, kTransformationLines + 1> lines{};  // [stem 1..10]: 8 digits, 祿 權 科 忌
    friend bool operator==(const TransformationTable&, const TransformationTable&) = default;
};

}  // namespace velmora
