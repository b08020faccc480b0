#pragma once
// The words of the chart's numbers, looked up in the name list and the level
// names as the board looks them up. All text is UTF-8; a number the tables
// do not name gives an empty word.

#include <string>
#include <string_view>

#include "calendar/CalendarDay.h"
#include "chart/ReferenceData.h"

namespace velmora::tool {

using velmora::BranchName;
using velmora::BureauName;
using velmora::PalaceName;
using velmora::StarName;
using velmora::StemName;
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
