#include "output/FlyingTransformations.h"

#include "output/ChartRun.h"
#include "output/ChartWords.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kOpenStem = "（";
constexpr std::string_view kCloseStem = "）";
constexpr std::string_view kFlightSeparator = "；";

bool StandsOnBoard(int star) { return star >= 1 && star <= kPlacedStars; }

}  // namespace

void ComputeFlying(ChartResult& result, const ReferenceTables& tables) {
    const ChartState& chart = result.chart;
    result.flying = AllFlights(chart, tables.transformations);
    FlyingReading reading;
    const auto natal = LayerFlights(chart.PalaceTable[1].branch, NatalPalaceStems(chart), chart, tables.transformations);
    reading.natalSelf = SplitSelfTransformations(natal);
    if (result.layer) {
        const LayerResult& shown = *result.layer;
        LayerFlyingResult layer{shown.index, shown.focusBranch, {}, {}};
        layer.flights = LayerFlights(shown.focusBranch,
                                     LayerPalaceStems(shown.index, chart, shown.shown, result.conventions), chart,
                                     tables.transformations);
        layer.self = SplitSelfTransformations(layer.flights);
        reading.layer = std::move(layer);
    }
    result.flyingReading = std::move(reading);
}

int PalaceOnBranch(int branch, const ChartState& chart) {
    for (int palace = 1; palace <= kBranches; ++palace)
        if (chart.PalaceTable[palace].branch == branch) return palace;
    return 0;
}

std::vector<FlyingTransformation> FlightsFrom(int branch, const ChartState& chart, const TransformationTable& table) {
    std::vector<FlyingTransformation> flights;
    const int palace = PalaceOnBranch(branch, chart);
    if (palace == 0) return flights;
    const int stem = chart.PalaceTable[palace].stem;
    const StarQuartet stars = TransformationsOf(table, stem);
    for (int k = 0; k < kTransformationCount; ++k) {
        const int star = stars[k];
        if (!StandsOnBoard(star)) continue;
        flights.push_back({branch, stem, k + 1, star, chart.StarTable[star].branch});
    }
    return flights;
}

std::vector<FlyingTransformation> AllFlights(const ChartState& chart, const TransformationTable& table) {
    std::vector<FlyingTransformation> flights;
    for (int palace = 1; palace <= kBranches; ++palace) {
        const auto from = FlightsFrom(chart.PalaceTable[palace].branch, chart, table);
        flights.insert(flights.end(), from.begin(), from.end());
    }
    return flights;
}

std::string FlightsText(const std::vector<FlyingTransformation>& flights, const ChartState& chart,
                        const NameList& names) {
    if (flights.empty()) return {};
    const FlyingTransformation& first = flights.front();
    std::string text = PalaceName(names, PalaceOnBranch(first.from, chart));
    text.append(kOpenStem).append(StemName(names, first.stem)).append(kCloseStem);
    bool leading = true;
    for (const FlyingTransformation& flight : flights) {
        if (!leading) text += kFlightSeparator;
        leading = false;
        text.append("化").append(TransformationWord(flight.kind - 1)).append(" ");
        text.append(StarName(names, flight.star)).append(" 入 ");
        text.append(PalaceName(names, PalaceOnBranch(flight.to, chart)));
    }
    return text;
}

}  // namespace velmora::tool
