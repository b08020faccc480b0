// CalcCalendar over random dates and hours of the whole supported range.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "calendar/CalendarDay.h"
#include "calendar/CivilDate.h"

namespace velmora {
namespace {

constexpr std::size_t kInputCount = 1 << 16;
constexpr std::uint32_t kSeed = 20240210;
constexpr int kLastHourIndex = 12;  // hours 0, 2, .., 22 and 23 for the late 子 period

std::vector<CalendarDay> RandomInputs() {
    const auto firstDay = CivilDate(1901, 1, 1);
    const int dayCount = DaysBetween(firstDay, CivilDate(2099, 12, 31)) + 1;
    std::mt19937 generator(kSeed);
    std::uniform_int_distribution<int> dayOffset(0, dayCount - 1);
    std::uniform_int_distribution<int> hourIndex(0, kLastHourIndex);
    std::vector<CalendarDay> inputs(kInputCount);
    for (CalendarDay& input : inputs) {
        const std::chrono::year_month_day date{firstDay + std::chrono::days{dayOffset(generator)}};
        input.SolarYear = static_cast<std::int16_t>(static_cast<int>(date.year()));
        input.SolarMonth = static_cast<std::int16_t>(static_cast<unsigned>(date.month()));
        input.SolarDay = static_cast<std::int16_t>(static_cast<unsigned>(date.day()));
        const int index = hourIndex(generator);
        input.ClockHour = static_cast<std::int16_t>(index == kLastHourIndex ? kLateZiClockHour : 2 * index);
    }
    return inputs;
}

void BM_CalcCalendar(benchmark::State& state) {
    const std::vector<CalendarDay> inputs = RandomInputs();
    std::size_t next = 0;
    for (auto _ : state) {
        CalendarDay day = inputs[next];
        next = (next + 1) % kInputCount;
        CalcCalendar(day);
        benchmark::DoNotOptimize(day);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalcCalendar);

}  // namespace
}  // namespace velmora
