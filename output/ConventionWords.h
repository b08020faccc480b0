#pragma once
// The words of the schools for people: each switch's short name and what each
// of its values does, the caption naming a chart's school, and a comparison
// line in words ("立春換年：命宮 寅→卯，五行局 水二局→木三局，紫微等 7 星移宮").
// UTF-8, shared by the windows and the text output.

#include <string>
#include <string_view>

#include "chart/Conventions.h"
#include "chart/ReferenceData.h"
#include "output/ConventionCompare.h"

namespace velmora::tool {

// "立春換年", "晚子時" ..: the switch's short name.
std::string_view SwitchWord(ConventionKey key);
// One line saying what the value does.
std::string_view ValueWord(ConventionKey key, int value);
// The value's short name as practitioners say it ("以立春換年"); the key and
// value names of files and the command line are for tooltips only.
std::string_view ValueName(ConventionKey key, int value);
// A profile as people read it: "預設" for Velmora's own defaults.
std::string_view ProfileWord(std::string_view profile);
// The profile the conventions are exactly, or the nearest with the count of
// switches apart from it ("全書派改 1 項"); empty for Velmora's own defaults,
// which charts are not labelled with.
std::string SchoolCaption(const Conventions& conventions);
// The changes of one other value in words, "" when it changes nothing; stars
// and stems by `names`, the list the board names them with.
std::string DifferenceWords(const ConventionDifference& difference, const NameList& names);

}  // namespace velmora::tool
