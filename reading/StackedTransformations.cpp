#include "reading/StackedTransformations.h"

#include "chart/TimeLayers.h"

namespace velmora::reading {

namespace {

constexpr int kNatal = 0, kDecade = 1, kMinorLimit = 2, kYear = 3, kLastLayer = 6;
// Columns: [layer 0..6] its one-character tag.
constexpr std::array<std::string_view, kLastLayer + 1> kTags{"生", "大", "小", "年", "月", "日", "時"};

Quartet QuartetOf(const TransformationTable& table, int stem) {
    Quartet stars{};
    if (stem < 1 || stem >= static_cast<int>(table.lines.size())) return stars;
    const std::array<int, 5> parsed = ParseTransformations(table.lines[stem]);
    for (int k = 0; k < kQuartet; ++k) stars[k] = parsed[k + 1];
    return stars;
}

int MarkStemOf(const StackInput& in, int layer) {
    if (layer == kNatal) return in.birth->YearStem;
    const LayerView view = ComputeLayer(layer, *in.birth, *in.chart, *in.shown, static_cast<std::int16_t>(in.nominalAge),
                                        static_cast<std::int16_t>(in.bureauNumber), in.conventions);
    // A layer that sets no stem keeps the one under it, as the board does.
    return view.MarkStem ? *view.MarkStem : 0;
}

}  // namespace

std::vector<int> StackedLayers(int shownLayer) {
    std::vector<int> layers{kNatal};
    if (shownLayer < kDecade || shownLayer > kLastLayer) return layers;
    layers.push_back(kDecade);
    if (shownLayer == kMinorLimit) layers.push_back(kMinorLimit);
    for (int layer = kYear; layer <= shownLayer; ++layer) layers.push_back(layer);
    return layers;
}

std::vector<StackedTransformation> StackTransformations(const StackInput& input, int shownLayer) {
    std::vector<StackedTransformation> stack;
    int stem = 0;
    for (int layer : StackedLayers(shownLayer)) {
        if (const int own = MarkStemOf(input, layer); own != 0) stem = own;
        stack.push_back({layer, kTags[layer], stem, QuartetOf(*input.table, stem)});
    }
    return stack;
}

}  // namespace velmora::reading
