// Finding the named patterns of one chart (and laying two over each other) in process: the board made from the
// chart's stars, then every rule of the table tried. Charts are cast once, up
// front, from random births over the supported range; only the reading is timed.

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"
#include "reading/Overlay.h"
#include "reading/Patterns.h"
#include "reading/Relations.h"

namespace velmora::reading {
namespace {

constexpr std::size_t kChartCount = 1 << 12;
constexpr std::uint32_t kSeed = 19010101;

struct Cast {
    ChartState chart;
    int life = 0;
    Quartet transformed{};
};

std::vector<std::string> FourLines() {
    std::vector<std::string> lines(kStems + 1);
    std::ifstream file(std::string(VELMORA_DATA_DIR) + "/Four");
    for (int stem = 1; stem <= kStems && std::getline(file, lines[stem]); ++stem)
        if (!lines[stem].empty() && lines[stem].back() == '\r') lines[stem].pop_back();
    return lines;
}

std::vector<Cast> RandomCharts() {
    const std::vector<std::string> four = FourLines();
    std::mt19937 generator(kSeed);
    std::uniform_int_distribution<int> year(1901, 2099), month(1, 12), day(1, 28), hour(0, 11), gender(0, 1);
    std::vector<Cast> casts(kChartCount);
    for (Cast& c : casts) {
        CalendarDay d;
        d.SolarYear = static_cast<std::int16_t>(year(generator));
        d.SolarMonth = static_cast<std::int16_t>(month(generator));
        d.SolarDay = static_cast<std::int16_t>(day(generator));
        d.ClockHour = static_cast<std::int16_t>(2 * hour(generator));
        CalcCalendar(d);
        BirthInput input;
        input.Gender = static_cast<std::int16_t>(gender(generator));
        ComputeNatalChart(d, input, c.chart);
        c.life = c.chart.PalaceTable[1].branch;
        const std::array<int, 5> t = ParseTransformations(four[input.YearStem]);
        c.transformed = {t[1], t[2], t[3], t[4]};
    }
    return casts;
}

// The whole reading of patterns a chart costs: its board, then the rules.
void BM_FindPatterns(benchmark::State& state) {
    const std::vector<Cast> casts = RandomCharts();
    std::vector<FoundPattern> found;
    found.reserve(PatternRules().size());
    std::size_t i = 0;
    for (auto _ : state) {
        const Cast& c = casts[i++ % casts.size()];
        found.clear();
        FindPatterns(MakePatternBoard(c.chart, c.life, c.transformed), found);
        benchmark::DoNotOptimize(found.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindPatterns);

// The twelve palaces' relations with their borrowed stars, as --relations asks.
void BM_ChartRelations(benchmark::State& state) {
    const std::vector<Cast> casts = RandomCharts();
    std::size_t i = 0;
    for (auto _ : state) {
        auto relations = ChartRelations(casts[i++ % casts.size()].chart);
        benchmark::DoNotOptimize(relations.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ChartRelations);

// Two charts laid over each other, as --with asks: the palaces by branch, both
// directions' transformations and where they meet.
void BM_OverlayCharts(benchmark::State& state) {
    const std::vector<Cast> casts = RandomCharts();
    std::size_t i = 0;
    for (auto _ : state) {
        const Cast& a = casts[i % casts.size()];
        const Cast& b = casts[(i + 1) % casts.size()];
        ++i;
        Overlay overlay = OverlayCharts({&a.chart, a.transformed}, {&b.chart, b.transformed});
        benchmark::DoNotOptimize(overlay.palaces.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OverlayCharts);

}  // namespace
}  // namespace velmora::reading
