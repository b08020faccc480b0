#pragma once
// The readings as members of the chart's JSON object, each with its key:
//   "relations":[{"branch","opposite","trine":[..],"flanks":[..],"hidden","borrowed":[..]},.. 12]
//   "patterns":[{"name","group","variant","palace","stars":[..],"broken","source"},..]
//   "layerPatterns":[.. as "patterns", the variant ending "+flowing" for those the
//   layer's flowing stars make]
//   "overlay":{"palaces":[{"branch","a","b"},.. 12],"aInB":[{"kind","star","branch","palace"},.. 4],
//   "bInA":[..],"meetInA":[{"branch","palace","own":[kinds],"other":[kinds]},..],"meetInB":[..]}

#include <array>
#include <vector>

#include "output/JsonWriter.h"
#include "output/ReadingRun.h"

namespace velmora::tool {

void AppendRelationsJson(JsonWriter& json, const std::array<reading::PalaceRelations, 12>& relations);
void AppendPatternsJson(JsonWriter& json, const std::vector<reading::FoundPattern>& patterns);
void AppendLayerPatternsJson(JsonWriter& json, const std::vector<LayerPattern>& patterns);
void AppendOverlayJson(JsonWriter& json, const reading::Overlay& overlay);  // in OverlayJson.cpp

// Each member the reading holds, in the order above, each after a comma.
void AppendReadingJson(JsonWriter& json, const ChartReading& reading);

}  // namespace velmora::tool
