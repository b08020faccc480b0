// Random charts through the engine in process, as velmora-chart and the main
// window compute them, every one checked against the chart's rules, with no
// growth in memory. VELMORA_LOAD_CHARTS sets the count (1,000,000 by default).

#include <QString>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "tests/load/ChartChecks.h"
#include "tests/load/RandomQueries.h"
#include "output/ReferenceLoad.h"

namespace velmora::load {
namespace {

constexpr long long kDefaultCharts = 1000000;
constexpr std::uint64_t kSeed = 20240607;
constexpr long kAllowedGrowthKb = 8 * 1024;  // beyond the first tenth of the run

// AddressSanitizer holds freed memory back in quarantine (up to 256 MB) by
// design, so the peak grows there whatever the program does.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

long long ChartCount() {
    bool ok = false;
    const long long count = qEnvironmentVariable("VELMORA_LOAD_CHARTS").toLongLong(&ok);
    return ok && count > 0 ? count : kDefaultCharts;
}

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(ChartLoad, RandomChartsKeepTheirRulesWithoutGrowingMemory) {
    tool::ReferenceTables tables;
    const tool::LoadOutcome loaded = tool::LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), true, tables);
    ASSERT_FALSE(loaded.error) << *loaded.error;

    const long long charts = ChartCount();
    std::mt19937_64 random(kSeed);
    tool::ChartResult result;
    long rssAfterWarmUp = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long long n = 1; n <= charts; ++n) {
        const tool::Query query = RandomQuery(random);
        const auto refused = tool::ComputeQuery(query, tables, result);
        const auto problem = refused ? refused : ResultProblem(result);
        ASSERT_FALSE(problem) << "chart " << n << " (" << QueryLine(query) << "): " << *problem;
        if (n == charts / 10) rssAfterWarmUp = PeakRssKb();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long peak = PeakRssKb();
    std::printf("load: %lld charts in %.1f s, %.0f charts/s, peak RSS %ld KB (%ld KB after the first tenth)\n",
                charts, seconds, charts / seconds, peak, rssAfterWarmUp);
    if (!kAddressSanitizer) {
        EXPECT_LE(peak - rssAfterWarmUp, kAllowedGrowthKb) << "memory grew";
    }
}

}  // namespace
}  // namespace velmora::load
