#pragma once
// The readings of a computed chart, when asked for: each palace's relations
// (--relations) and the named patterns of the natal chart and of the shown
// layer (--patterns), kept beside the chart for the JSON and text writers.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/ReferenceData.h"
#include "reading/Overlay.h"
#include "reading/Patterns.h"
#include "reading/Relations.h"

namespace velmora::tool {

struct ReadingOptions {
    bool relations = false;  // --relations
    bool patterns = false;   // --patterns
    bool any() const { return relations || patterns; }
};

// A pattern as a layer reads it: `flowing` when it holds only once the
// layer's flowing 祿 羊 陀 昌 曲 count as their natal namesakes.
struct LayerPattern {
    reading::FoundPattern found;
    bool flowing = false;
};

struct ChartReading {
    std::optional<std::array<reading::PalaceRelations, 12>> relations;
    std::optional<std::vector<reading::FoundPattern>> patterns;  // natal, on the life palace
    std::optional<std::vector<LayerPattern>> layerPatterns;      // the shown layer, when there is one
    std::optional<reading::Overlay> overlay;                     // with a second birth (--with)
};

struct ChartResult;

// Fills `result.reading` as `options` ask, from the chart (and layer) already in it.
void ComputeReading(const ReadingOptions& options, ChartResult& result);

}  // namespace velmora::tool
