// The default conventions chart exactly as Velmora charted before there were
// conventions: 10,000 seeded random queries (birth, shown moment, layer) are
// written as JSON and hashed; the hash was taken from the writer before the
// conventions came in and is kept here. The "conventions" object the writer
// now adds is taken out first, as it is new, and so are the pillars' "solarMonth".

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "output/ChartJson.h"
#include "output/ChartRun.h"
#include "output/ReferenceLoad.h"

namespace velmora::tool {
namespace {

constexpr int kCharts = 10000;
constexpr std::uint32_t kSeed = 14;
constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;
// FNV-1a of the 10,000 JSON lines, each ended by '\n', as the writer gave them
// before the conventions came in.
constexpr std::uint64_t kDefaultBatchHash = 0x63573c3ab6aa6864ULL;

std::uint64_t Fnv1a(std::uint64_t hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= kFnvPrime;
    }
    return hash;
}

// A value in lo..hi from the generator's raw output: mt19937's sequence is
// fixed by the standard, the distributions are not.
int Draw(std::mt19937& random, int lo, int hi) {
    return lo + static_cast<int>(random() % static_cast<std::uint32_t>(hi - lo + 1));
}

// The years the pinned hash was drawn from, before the calendar reached 1800..2200.
constexpr int kPinnedFirstYear = 1901;
constexpr int kPinnedLastYear = 2099;

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month == 2 && leap ? 29 : kDays[month - 1];
}

QueryDate RandomDate(std::mt19937& random) {
    QueryDate date;
    date.year = Draw(random, kPinnedFirstYear, kPinnedLastYear);
    date.month = Draw(random, 1, 12);
    date.day = Draw(random, 1, DaysInMonth(date.year, date.month));
    return date;
}

Query RandomQuery(std::mt19937& random) {
    Query query;
    query.birthDate = RandomDate(random);
    query.period = Draw(random, kFirstPeriod, kLastPeriod);
    query.gender = Draw(random, kFemale, kMale);
    LayerQuery at;
    at.date = RandomDate(random);
    at.period = Draw(random, kFirstPeriod, kLastPeriod);
    at.layer = Draw(random, kFirstLayer, kLastLayer);
    query.at = at;
    return query;
}

// The JSON line without the "conventions" object (no nested objects in it).
std::string WithoutConventions(std::string json) {
    const std::string key = ",\"conventions\":{";
    const auto start = json.find(key);
    if (start == std::string::npos) return json;
    const auto end = json.find('}', start);
    json.erase(start, end + 1 - start);
    return json;
}

// The JSON line without the "solarMonth" pillars (the birth's and the layer's),
// added after the hash was taken; every key before them is as it was.
// The key a day of 2057-09 or 2097-07 gained after the hash was pinned.
std::string WithoutUncertainDay(std::string json) {
    const std::string key = ",\"uncertainDay\":true";
    for (auto start = json.find(key); start != std::string::npos; start = json.find(key, start)) json.erase(start, key.size());
    return json;
}

std::string WithoutSolarMonth(std::string json) {
    const std::string key = ",\"solarMonth\":[";
    for (auto start = json.find(key); start != std::string::npos; start = json.find(key, start))
        json.erase(start, json.find(']', start) + 1 - start);
    return json;
}

TEST(DefaultProfile, ChartsTenThousandQueriesAsBefore) {
    ReferenceTables tables;
    const LoadOutcome outcome = LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables);
    ASSERT_FALSE(outcome.error.has_value()) << *outcome.error;
    std::mt19937 random(kSeed);
    std::uint64_t hash = kFnvOffset;
    for (int i = 0; i < kCharts; ++i) {
        ChartResult result;
        ASSERT_FALSE(ComputeQuery(RandomQuery(random), tables, result).has_value());
        std::string json;
        AppendChartJson(result, nullptr, json);
        hash = Fnv1a(hash, WithoutSolarMonth(WithoutConventions(WithoutUncertainDay(std::move(json)))) + '\n');
    }
    EXPECT_EQ(hash, kDefaultBatchHash) << std::hex << "0x" << hash;
}

}  // namespace
}  // namespace velmora::tool
