#pragma once
// The readings as lines of the --text chart: a "關係:" block, one line a
// palace, "格局:" blocks for the natal chart and the shown layer, and the
// overlay with a second birth (疊盤, each side's transformations in the other's
// chart, where they meet).

#include <string>

#include "output/ChartRun.h"

namespace velmora::tool {

// Appends the blocks the reading holds, each after a blank line.
void AppendReadingText(std::string& out, const ChartResult& result, const NameList& names);

// The overlay's blocks after a blank line (OverlayText.cpp).
void AppendOverlayText(std::string& out, const reading::Overlay& overlay, const NameList& names);

}  // namespace velmora::tool
