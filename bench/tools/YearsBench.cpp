// The year-by-year report in process: a birth's natal chart, its hundred
// year rows, and the rows written as JSON, as text and as CSV, into a reused
// buffer. Births are drawn at random from 1901..1999 so that every report
// holds its full hundred years.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "output/ReferenceLoad.h"
#include "output/YearReport.h"

namespace velmora::tool {
namespace {

constexpr int kReportYears = 100;
constexpr int kBirths = 64;
constexpr std::uint32_t kSeed = 20261207;

const ReferenceTables& Tables() {
    static const ReferenceTables tables = [] {
        ReferenceTables t;
        LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), true, t);
        return t;
    }();
    return tables;
}

std::vector<Query> RandomBirths() {
    std::mt19937 generator(kSeed);
    std::uniform_int_distribution<int> year(1901, 1999), month(1, 12), day(1, 28), period(1, 13), gender(0, 1);
    std::vector<Query> births;
    for (int i = 0; i < kBirths; ++i)
        births.push_back({{year(generator), month(generator), day(generator)}, period(generator), gender(generator), {}});
    return births;
}

enum class Form { Rows, Json, Text, Csv };

void RunReports(benchmark::State& state, Form form) {
    const std::vector<Query> births = RandomBirths();
    ChartResult natal;
    std::vector<YearRow> rows;
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        const YearReportWords words(Tables().names);  // once a report, as velmora-chart does
        const Query& birth = births[i++ % births.size()];
        // The birth's lunar year is its Gregorian year or the one before: start after both.
        const YearSpan span{birth.birthDate.year + 1, birth.birthDate.year + kReportYears};
        out.clear();
        if (ComputeYearReport(birth, span, Tables(), {}, natal, rows)) state.SkipWithError("report refused");
        for (const YearRow& row : rows) {
            switch (form) {
                case Form::Rows: break;
                case Form::Json: AppendYearRowJson(row, out); out += '\n'; break;
                case Form::Text: AppendYearRowText(row, natal, words, out); break;
                case Form::Csv: AppendYearRowCsv(row, natal, words, out); break;
            }
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * kReportYears);
}

void BM_YearReportRowsOnly(benchmark::State& state) { RunReports(state, Form::Rows); }
void BM_YearReportJson(benchmark::State& state) { RunReports(state, Form::Json); }
void BM_YearReportText(benchmark::State& state) { RunReports(state, Form::Text); }
void BM_YearReportCsv(benchmark::State& state) { RunReports(state, Form::Csv); }
BENCHMARK(BM_YearReportRowsOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_YearReportJson)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_YearReportText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_YearReportCsv)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::tool
