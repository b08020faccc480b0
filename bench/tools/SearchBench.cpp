// The search by chart over dates in process (velmora-chart search without
// its output): every period and gender of one year, charted and tested, for
// a query of stars alone and one that reads patterns too. The counter gives
// charts a second; 1901-2099 holds 1,889,784 of them.

#include <benchmark/benchmark.h>

#include <string_view>
#include <variant>

#include "output/DateSearch.h"
#include "output/ReferenceLoad.h"
#include "query/QueryParser.h"

namespace velmora::tool {
namespace {

const ReferenceTables& Tables() {
    static const ReferenceTables tables = [] {
        ReferenceTables t;
        LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), true, t);
        return t;
    }();
    return tables;
}

query::ChartQuery Parsed(std::string_view text) {
    const query::QueryWords words(Tables().names);
    return std::get<query::ChartQuery>(query::ParseChartQuery(text, words));
}

void SearchYear(benchmark::State& state, std::string_view text) {
    const query::ChartQuery query = Parsed(text);
    const DateSearch search{{1984, 1, 1}, {1984, 12, 31}, std::nullopt, {}, static_cast<int>(state.range(0))};
    long long hits = 0;
    for (auto _ : state) {
        SearchDates(query, search, Tables().transformations,
                    [&](std::span<const SearchHit> found) { hits += static_cast<long long>(found.size()); });
    }
    benchmark::DoNotOptimize(hits);
    state.SetItemsProcessed(state.iterations() * ChartsInSpan(search));
}

void BM_SearchStars(benchmark::State& state) { SearchYear(state, "命宮 有 紫微 天府；夫妻 無 主星；遷移 有 化忌"); }
BENCHMARK(BM_SearchStars)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SearchPatterns(benchmark::State& state) { SearchYear(state, "格局 機月同梁；財帛 無 格局 日月夾財"); }
BENCHMARK(BM_SearchPatterns)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace velmora::tool
