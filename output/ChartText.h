#pragma once
// A computed query as a readable chart in Traditional Chinese, as the board
// shows it: the twelve palaces from the life palace on, each with its name,
// stem and branch, major-limit ages and stars with their brightness; then the
// centre's summary lines; then the layer, when one was asked for.

#include <string>

#include "output/ChartRun.h"

namespace velmora::tool {

// The chart text, lines ended by "\n".
std::string ChartText(const ChartResult& result, const ReferenceTables& words);

// The 自化 of the natal chart and the shown layer's flights and 自化 as lines
// (written by FlyingText.cpp).
std::string FlyingReadingText(const FlyingReading& reading, const ChartResult& result, const NameList& names);

// Palace 1..12 of a layer by the layer's name for it: 大命, 大兄 .. for the
// decade, 小命 .. 年命 .. 月命 .. 日命 .. 時命 ..; the natal name for layer 0.
std::string LayerPalaceWord(int layerIndex, int palace, const NameList& names);

// A number as the chart writes it: a blank before it when not negative, a
// minus sign otherwise (" 35", "-2").
std::string NumberText(int number);

}  // namespace velmora::tool
