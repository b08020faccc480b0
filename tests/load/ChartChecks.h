#pragma once
// What every computed chart must satisfy, whatever the birth and whatever the
// reference files held, as plain checks that name the first broken rule (the
// fuzz targets and the load runs cannot stop at a test assertion).

#include <optional>
#include <string>

#include "chart/ChartState.h"
#include "tests/load/JsonLite.h"
#include "output/ChartRun.h"

namespace velmora::load {

// Stars 1..91 each on one branch 1..12 with a level 0..7, stars 92..110 on
// none; each branch's list holding exactly its stars, ascending, as
// three-digit numbers joined by one blank; palaces 1..12 covering the twelve
// branches once with stems 1..10, the body palace on one of them; a bureau 1..5.
std::optional<std::string> ChartProblem(const ChartState& chart);

// A layer's focus branch 1..12, mark stem 1..10, flowing stars on branches 1..12.
std::optional<std::string> LayerProblem(const tool::LayerResult& layer);

// Both of the above for a computed query.
std::optional<std::string> ResultProblem(const tool::ChartResult& result);

// The same rules for one object of velmora-chart's JSON output, read back
// into the records: the shape must be there too.
std::optional<std::string> JsonChartProblem(const JsonValue& object);

}  // namespace velmora::load
