#pragma once
// The name list and the tables' words in the script they are shown in.
// Converted once when a file is read or the script changes, so a date step
// only looks words up, whatever the script.

#include "chart/ReferenceData.h"
#include "script/Script.h"

namespace velmora {

// Every entry in `script`; unchanged for Traditional.
NameList NamesIn(Script script, const NameList& traditional);
HourLabels HourLabelsIn(Script script, const HourLabels& traditional);
// The level names converted; the table's other fields are kept.
BrightnessTable LevelNamesIn(Script script, const BrightnessTable& traditional);

// `text` in `script` (UTF-8); unchanged for Traditional.
std::string TextIn(Script script, std::string_view traditional);

}  // namespace velmora
