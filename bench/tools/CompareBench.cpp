// velmora-chart --compare per chart in process: the chart under the active
// conventions, every other value of every switch cast and compared field by
// field, and the JSON with its "compare" array written. Random births with a
// shown moment and layer, so the layer switches have something to change.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "output/ChartJson.h"
#include "output/ChartRun.h"
#include "output/ConventionCompare.h"
#include "output/ReferenceLoad.h"

namespace velmora::tool {
namespace {

constexpr std::size_t kQueryCount = 1 << 10;
constexpr std::uint32_t kSeed = 14;

std::vector<Query> RandomQueries() {
    std::mt19937 generator(kSeed);
    std::uniform_int_distribution<int> year(kFirstYear, kLastYear - 1);
    std::uniform_int_distribution<int> month(1, 12);
    std::uniform_int_distribution<int> day(1, 28);
    std::uniform_int_distribution<int> period(kFirstPeriod, kLastPeriod);
    std::uniform_int_distribution<int> layer(kFirstLayer, kLastLayer);
    std::vector<Query> queries(kQueryCount);
    for (Query& q : queries) {
        q.birthDate = {year(generator), month(generator), day(generator)};
        q.period = period(generator);
        q.gender = static_cast<int>(generator() % 2);
        q.at = LayerQuery{{q.birthDate.year + 1, month(generator), day(generator)}, period(generator), layer(generator)};
    }
    return queries;
}

void BM_CompareToJson(benchmark::State& state) {
    ReferenceTables tables;
    LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables);
    const std::vector<Query> queries = RandomQueries();
    ChartResult result;
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        const Query& query = queries[i++ % queries.size()];
        out.clear();
        ComputeQuery(query, tables, result);
        const std::vector<ConventionDifference> compare = CompareConventions(query, tables, result);
        AppendChartJson(result, nullptr, out, &compare);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_CompareToJson)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::tool
