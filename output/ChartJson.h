#pragma once
// A computed query as one JSON object on one line, keys in a fixed order:
//   {"calendar":{..},"chart":{..},"layer":{..},"flying":[..],"names":{..}}
// "layer" only when a shown moment was asked for, "flying" only when the
// flights were computed, "names" only with words.

#include <string>
#include <string_view>
#include <vector>

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

// "flying":[{"from":B,"stem":S,"kind":K,"star":N,"to":B},..], written by FlyingJson.cpp.
void AppendFlyingJson(JsonWriter& json, const std::vector<FlyingTransformation>& flights);

// {"solar":[..],..,"pillars":{..}}: the calendar of a date and period.
void AppendCalendarJson(JsonWriter& json, const CalendarDay& day);

}  // namespace velmora::tool
