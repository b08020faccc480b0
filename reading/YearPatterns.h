#pragma once
// The year layer's named patterns for the year report: the natal stars read
// from the year's life palace (its focusBranch) with the year's four
// transformations, as the chart's layer patterns are read on their plain
// reading. A row carries them as numbers; the writers turn them into names.

#include <functional>

#include "chart/ChartState.h"
#include "reading/Patterns.h"
#include "reading/YearRows.h"

namespace velmora::reading {

// The number a rule goes by in a year row: its place in PatternRules(), 1 first.
int PatternNumber(const PatternRule& rule);
// The rule of a number; null for a number no rule has.
const PatternRule* PatternNumbered(int number);

// The hook for YearReportInput::patterns: fills a row's `patterns` with the
// numbers of the rules its year palace fulfils, in table order. It holds
// `chart` by reference and keeps one buffer for all rows.
std::function<void(YearRow& row)> YearPatternFinder(const ChartState& chart);

}  // namespace velmora::reading
