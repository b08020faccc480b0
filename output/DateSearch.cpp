#include "output/DateSearch.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>
#include <vector>

#include "chart/NatalChart.h"
#include "output/ChartRun.h"
#include "query/ChartMatcher.h"

namespace velmora::tool {

namespace {

using std::chrono::sys_days;

// Days a thread answers at a time: long enough that starting threads costs
// little beside them, short enough that the hits of one round stay small.
constexpr int kDaysPerRun = 256;

sys_days DayOf(const QueryDate& date) {
    return sys_days{std::chrono::year{date.year} / date.month / date.day};
}

QueryDate DateOf(sys_days day) {
    const std::chrono::year_month_day ymd{day};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// The birth year stem's 祿 權 科 忌 by stem, read from the table once.
using StemQuartets = std::array<reading::Quartet, kStems + 1>;
StemQuartets QuartetsByStem(const TransformationTable& table) {
    StemQuartets quartets{};
    for (int stem = 1; stem <= kStems; ++stem) {
        const StarQuartet stars = TransformationsOf(table, stem);
        quartets[stem] = {stars[0], stars[1], stars[2], stars[3]};
    }
    return quartets;
}

// One thread's part: a matcher, a chart and the hits of its run, all kept
// from run to run for their room.
struct Worker {
    query::ChartMatcher matcher;
    ChartState chart;
    std::vector<SearchHit> hits;
};

void SearchDay(sys_days day, const DateSearch& search, const StemQuartets& quartets, Worker& worker) {
    const QueryDate date = DateOf(day);
    const std::array<int, 2> genders{kMale, kFemale};
    for (int period = kFirstPeriod; period <= kLastPeriod; ++period) {
        CalendarDay calendar;
        if (!CalendarOf(date, period, calendar)) continue;
        for (int gender : genders) {
            if (search.gender && *search.gender != gender) continue;
            BirthInput birth;
            birth.Gender = static_cast<std::int16_t>(gender);
            // A star the conventions leave off must not keep the last chart's place.
            worker.chart.StarTable = {};
            worker.chart.PalaceTable = {};
            ComputeNatalChart(calendar, birth, worker.chart, search.conventions);
            const int stem = birth.YearStem >= 1 && birth.YearStem <= kStems ? birth.YearStem : 0;
            if (worker.matcher.matches(worker.chart, quartets[stem]))
                worker.hits.push_back({date, static_cast<std::int8_t>(period), static_cast<std::int8_t>(gender)});
        }
    }
}

void SearchRun(sys_days first, sys_days last, const DateSearch& search, const StemQuartets& quartets,
               Worker& worker) {
    worker.hits.clear();
    for (sys_days day = first; day <= last; day += std::chrono::days{1}) SearchDay(day, search, quartets, worker);
}

}  // namespace

void SearchDates(const query::ChartQuery& query, const DateSearch& search, const TransformationTable& transformations,
                 const std::function<void(std::span<const SearchHit>)>& found) {
    const StemQuartets quartets = QuartetsByStem(transformations);
    const int jobs = std::max(1, search.jobs);
    // Moved in, not copied: a copied matcher would lose the room its pattern list was given.
    std::vector<Worker> workers;
    workers.reserve(static_cast<std::size_t>(jobs));
    for (int job = 0; job < jobs; ++job) workers.push_back(Worker{query::ChartMatcher(query), {}, {}});
    const sys_days last = DayOf(search.to);
    const std::chrono::days runLength{kDaysPerRun};
    for (sys_days round = DayOf(search.from); round <= last; round += runLength * jobs) {
        const auto runOf = [&](int job) {
            const sys_days first = round + runLength * job;
            SearchRun(first, std::min(last, first + runLength - std::chrono::days{1}), search, quartets,
                      workers[static_cast<std::size_t>(job)]);
        };
        std::vector<std::jthread> threads;
        for (int job = 1; job < jobs && round + runLength * job <= last; ++job) threads.emplace_back(runOf, job);
        runOf(0);
        threads.clear();  // joins
        for (int job = 0; job < jobs; ++job) {
            Worker& worker = workers[static_cast<std::size_t>(job)];
            if (round + runLength * job <= last) found(worker.hits);
        }
    }
}

long long ChartsInSpan(const DateSearch& search) {
    const long long days = (DayOf(search.to) - DayOf(search.from)).count() + 1;
    return days < 0 ? 0 : days * (kLastPeriod - kFirstPeriod + 1) * (search.gender ? 1 : 2);
}

}  // namespace velmora::tool
