#pragma once
// The readings as lines of the --text chart: a "關係:" block, one line a
// palace, and "格局:" blocks for the natal chart and the shown layer.

#include <string>

#include "output/ChartRun.h"

namespace velmora::tool {

// Appends the blocks the reading holds, each after a blank line.
void AppendReadingText(std::string& out, const ChartResult& result, const NameList& names);

}  // namespace velmora::tool
