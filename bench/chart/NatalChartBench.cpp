// One natal chart from a Gregorian date: the calendar conversion, palaces,
// bureau and stars 1..91 with their per-branch lists, no file reading. Random
// dates over the whole supported range, random periods and genders.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "chart/NatalChart.h"

namespace velmora {
namespace {

constexpr std::size_t kInputCount = 1 << 16;
constexpr std::uint32_t kSeed = 19010101;
constexpr int kPeriods = 13;          // 子 (early), 丑 .. 亥, 子 (late)
constexpr int kLateZiClockHour = 23;

struct Moment {
    CalendarDay day;
    std::int16_t gender = 0;
};

std::vector<Moment> RandomMoments() {
    using namespace std::chrono;
    const sys_days first = year{1901} / January / 1;
    const int dayCount = static_cast<int>((sys_days{year{2099} / December / 31} - first).count()) + 1;
    std::mt19937 generator(kSeed);
    std::uniform_int_distribution<int> dayOffset(0, dayCount - 1);
    std::uniform_int_distribution<int> period(0, kPeriods - 1);
    std::uniform_int_distribution<int> gender(0, 1);
    std::vector<Moment> moments(kInputCount);
    for (Moment& m : moments) {
        const year_month_day date{first + days{dayOffset(generator)}};
        m.day.SolarYear = static_cast<std::int16_t>(static_cast<int>(date.year()));
        m.day.SolarMonth = static_cast<std::int16_t>(static_cast<unsigned>(date.month()));
        m.day.SolarDay = static_cast<std::int16_t>(static_cast<unsigned>(date.day()));
        const int p = period(generator);
        m.day.ClockHour = static_cast<std::int16_t>(p == kPeriods - 1 ? kLateZiClockHour : 2 * p);
        m.gender = static_cast<std::int16_t>(gender(generator));
    }
    return moments;
}

void BM_NatalChart(benchmark::State& state) {
    const std::vector<Moment> moments = RandomMoments();
    BirthInput input;
    ChartState chart;  // reused, as the program reuses its one chart
    std::size_t next = 0;
    for (auto _ : state) {
        const Moment& m = moments[next];
        next = (next + 1) % kInputCount;
        CalendarDay day = m.day;
        CalcCalendar(day);
        input.Gender = m.gender;
        ComputeNatalChart(day, input, chart);
        benchmark::DoNotOptimize(chart);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NatalChart);

// The chart alone, from calendar results computed beforehand.
void BM_NatalChartWithoutCalendar(benchmark::State& state) {
    std::vector<Moment> moments = RandomMoments();
    for (Moment& m : moments) CalcCalendar(m.day);
    BirthInput input;
    ChartState chart;
    std::size_t next = 0;
    for (auto _ : state) {
        const Moment& m = moments[next];
        next = (next + 1) % kInputCount;
        input.Gender = m.gender;
        ComputeNatalChart(m.day, input, chart);
        benchmark::DoNotOptimize(chart);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NatalChartWithoutCalendar);

}  // namespace
}  // namespace velmora
