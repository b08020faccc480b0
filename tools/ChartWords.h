#pragma once
// The words of the chart's numbers, looked up in the name list and the level
// names as the board looks them up. All text is UTF-8; a number the tables
// do not name gives an empty word.

#include <string>
#include <string_view>

#include "calendar/CalendarDay.h"
#include "chart/ReferenceData.h"

namespace velmora::tool {

const std::string& StemName(const NameList& names, int stem);
const std::string& BranchName(const NameList& names, int branch);
// Palace 1..12 by palace index; 13 is the body-palace word.
const std::string& PalaceName(const NameList& names, int palace);
const std::string& BureauName(const NameList& names, int bureauIndex);
// Star 1..91 from the line of its group: 1..28 line 5, 29..53 line 6, 54..65
// line 7, 66..67 line 8, 68..79 line 9, 80..91 line 10. The life and body
// masters are named the same way.
const std::string& StarName(const NameList& names, int star);
// The stem's name followed by the branch's.
std::string PillarName(const NameList& names, const Pillar& pillar);
// Level 1..7's word; empty for level 0.
const std::string& LevelWord(const BrightnessTable& brightness, int level);

// The program's own words.
std::string_view LayerName(int layer);        // "本命" .. "流時"
std::string_view GenderWord(int gender);      // "男" for 1, "女" otherwise
std::string_view YinYangWord(int yinYang);    // "陽" for 1, "陰" otherwise
std::string_view TransformationWord(int k);   // "祿", "權", "科", "忌" for 0..3

}  // namespace velmora::tool
