#pragma once
// A computed query as one JSON object on one line, keys in a fixed order:
//   {"calendar":{..},"chart":{..},"layer":{..},"conventions":{..},"compare":[..],"names":{..}}
// "layer" only when a shown moment was asked for, "compare" only when asked
// for, "names" only with words.
//   {"calendar":{..},"chart":{..},"layer":{..},"flying":[..],"relations":[..],
//    "patterns":[..],"layerPatterns":[..],"names":{..}}
// "layer" only when a shown moment was asked for, "flying" only when the
// flights were computed, the readings only when asked for, "names" only with words.

#include <string>
#include <string_view>
#include <vector>

#include "output/ChartRun.h"
#include "output/ConventionCompare.h"
#include "output/JsonWriter.h"

namespace velmora::tool {

// Appends the object (without a line end) to `out`. With `words` set, the
// "names" object gives the words beside the numbers.
// With `compare` set, "compare" lists what each other convention would change.
void AppendChartJson(const ChartResult& result, const ReferenceTables* words, std::string& out,
                     const std::vector<ConventionDifference>* compare = nullptr);

// "conventions":{every key: value} and "compare":[{"key","value","changes":{..}}],
// written by ConventionJson.cpp.
void AppendConventionsJson(JsonWriter& json, const Conventions& conventions);
void AppendCompareJson(JsonWriter& json, const std::vector<ConventionDifference>& compare);

// {"line":N,"error":"..."} for a batch line that could not be charted.
void AppendLineError(long long line, std::string_view message, std::string& out);

// The "names" object's value, written by ChartNamesJson.cpp.
void AppendNamesJson(JsonWriter& json, const ChartResult& result, const ReferenceTables& words);

// "flying":[{"from":B,"stem":S,"kind":K,"star":N,"to":B},..], written by FlyingJson.cpp.
void AppendFlyingJson(JsonWriter& json, const std::vector<FlyingTransformation>& flights);

// "selfFlying":{"outward":[..],"inward":[..]} and, with a layer,
// "layerFlying":{"index","focusBranch","flights":[..],"selfFlying":{..}}.
void AppendFlyingReadingJson(JsonWriter& json, const FlyingReading& reading);

// {"solar":[..],..,"pillars":{..}}: the calendar of a date and period.
void AppendCalendarJson(JsonWriter& json, const CalendarDay& day);

}  // namespace velmora::tool
