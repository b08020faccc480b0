#pragma once
// A computed query as one JSON object on one line, keys in a fixed order:
//   {"calendar":{..},"chart":{..},"layer":{..},"names":{..}}
// "layer" only when a shown moment was asked for, "names" only with words.

#include <string>
#include <string_view>

#include "output/ChartRun.h"
#include "output/JsonWriter.h"

namespace velmora::tool {

// Appends the object (without a line end) to `out`. With `words` set, the
// "names" object gives the words beside the numbers.
void AppendChartJson(const ChartResult& result, const ReferenceTables* words, std::string& out);

// {"line":N,"error":"..."} for a batch line that could not be charted.
void AppendLineError(long long line, std::string_view message, std::string& out);

// The "names" object's value, written by ChartNamesJson.cpp.
void AppendNamesJson(JsonWriter& json, const ChartResult& result, const ReferenceTables& words);

// {"solar":[..],..,"pillars":{..}}: the calendar of a date and period.
void AppendCalendarJson(JsonWriter& json, const CalendarDay& day);

}  // namespace velmora::tool
