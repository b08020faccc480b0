#include "output/ReadingRun.h"

#include <algorithm>

#include "output/ChartRun.h"

namespace velmora::tool {

namespace {

reading::Quartet QuartetOf(const StarQuartet& stars) { return {stars[0], stars[1], stars[2], stars[3]}; }

// The layer's patterns read plainly, then those only the flowing stars make.
std::vector<LayerPattern> LayerPatterns(const ChartResult& result, const LayerResult& layer) {
    reading::PatternBoard board =
        reading::MakePatternBoard(result.chart, layer.focusBranch, QuartetOf(layer.transformations));
    std::vector<reading::FoundPattern> plain;
    reading::FindPatterns(board, plain);
    reading::AddFlowingStars(board, layer.flowingStars);
    std::vector<reading::FoundPattern> withFlowing;
    reading::FindPatterns(board, withFlowing);
    std::vector<LayerPattern> all;
    for (const reading::FoundPattern& found : plain) all.push_back({found, false});
    for (const reading::FoundPattern& found : withFlowing) {
        const auto same = [&found](const reading::FoundPattern& p) { return p.rule == found.rule; };
        if (std::none_of(plain.begin(), plain.end(), same)) all.push_back({found, true});
    }
    return all;
}

}  // namespace

void ComputeReading(const ReadingOptions& options, ChartResult& result) {
    ChartReading& reading = result.reading;
    reading = ChartReading{};
    if (options.relations) reading.relations = reading::ChartRelations(result.chart);
    if (!options.patterns) return;
    const reading::PatternBoard natal = reading::MakePatternBoard(
        result.chart, result.chart.PalaceTable[1].branch, QuartetOf(result.transformations));
    reading.patterns.emplace();
    reading::FindPatterns(natal, *reading.patterns);
    if (result.layer) reading.layerPatterns = LayerPatterns(result, *result.layer);
}

}  // namespace velmora::tool
