// One velmora-chart query in process: the line parsed, the chart with its
// layer computed, the JSON written into a reused buffer, as --batch does it.
// Random queries over the whole date range, half of them with a layer.
// BM_QueryChartOnly does all but the JSON, for comparison.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "output/ChartJson.h"
#include "output/ChartRun.h"
#include "output/ReferenceLoad.h"

namespace velmora::tool {
namespace {

constexpr std::size_t kQueryCount = 1 << 12;
constexpr std::uint32_t kSeed = 20240607;

const ReferenceTables& Tables() {
    static const ReferenceTables tables = [] {
        ReferenceTables t;
        LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), true, t);
        return t;
    }();
    return tables;
}

std::vector<std::string> RandomLines() {
    std::mt19937 generator(kSeed);
    std::uniform_int_distribution<int> year(kFirstYear, kLastYear - 1);
    std::uniform_int_distribution<int> month(1, 12);
    std::uniform_int_distribution<int> day(1, 28);
    std::uniform_int_distribution<int> period(kFirstPeriod, kLastPeriod);
    std::uniform_int_distribution<int> layer(kFirstLayer - 1, kLastLayer);  // -1: no layer
    std::vector<std::string> lines;
    char text[64];
    for (std::size_t i = 0; i < kQueryCount; ++i) {
        const int y = year(generator);
        int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d %d %c", y, month(generator), day(generator),
                              period(generator), i % 2 ? 'M' : 'F');
        const int l = layer(generator);
        if (l >= 0)
            n += std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), " %04d-%02d-%02d %d %d", y + 1,
                               month(generator), day(generator), period(generator), l);
        lines.emplace_back(text, static_cast<std::size_t>(n));
    }
    return lines;
}

void RunQueries(benchmark::State& state, bool words) {
    const std::vector<std::string> lines = RandomLines();
    const ReferenceTables& tables = Tables();
    ChartResult result;
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        out.clear();
        const ParsedQuery parsed = ParseQueryLine(lines[i++ % lines.size()]);
        ComputeQuery(std::get<Query>(parsed), tables, result);
        AppendChartJson(result, words ? &tables : nullptr, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}

// The same queries parsed and charted without writing: the engine's own
// cost, which BM_QueryToJson is measured against.
void BM_QueryChartOnly(benchmark::State& state) {
    const std::vector<std::string> lines = RandomLines();
    const ReferenceTables& tables = Tables();
    ChartResult result;
    std::size_t i = 0;
    for (auto _ : state) {
        const ParsedQuery parsed = ParseQueryLine(lines[i++ % lines.size()]);
        ComputeQuery(std::get<Query>(parsed), tables, result);
        benchmark::DoNotOptimize(result.chart.BureauIndex);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_QueryToJson(benchmark::State& state) { RunQueries(state, false); }
void BM_QueryToJsonWithNames(benchmark::State& state) { RunQueries(state, true); }

BENCHMARK(BM_QueryChartOnly);
BENCHMARK(BM_QueryToJson);
BENCHMARK(BM_QueryToJsonWithNames);

}  // namespace
}  // namespace velmora::tool
