// One birth-moment conversion (goal: under 10 µs) and one place search over
// the whole shipped list (goal: under 1 ms).

#include <benchmark/benchmark.h>

#include "moment/MomentConversion.h"
#include "moment/PlaceSearch.h"

namespace velmora::moment {
namespace {

void BM_ConvertMoment(benchmark::State& state) {
    const MomentInput input{QDate(1988, 7, 15), QTime(11, 20), 116.39723, "Asia/Shanghai", std::nullopt,
                            Basis::TrueSolar};
    ConvertMoment(input);  // the zone is read from zoneinfo once per program
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertMoment(input));
    }
}
BENCHMARK(BM_ConvertMoment);

void BM_PlaceSearch(benchmark::State& state) {
    const PlaceSearch search(files::ReadPlacesFile(QStringLiteral(VELMORA_DATA_DIR "/places/Places")).places);
    const QString typed = QStringLiteral("中正");
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.find(typed, search.places().size()));
    }
    state.counters["places"] = static_cast<double>(search.places().size());
}
BENCHMARK(BM_PlaceSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::moment
