#include "output/DateSearch.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "chart/NatalChart.h"
#include "output/ChartRun.h"
#include "query/ChartMatcher.h"

namespace velmora::tool {

namespace {

using std::chrono::sys_days;

// Days a worker takes at a time: long enough that taking a block costs
// nothing beside it, short enough that at the end of the span the workers
// run out of blocks nearly together.
constexpr int kDaysPerBlock = 64;

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

// One thread's part: a matcher and a chart, kept from block to block for their room.
struct Worker {
    query::ChartMatcher matcher;
    ChartState chart;
};

void SearchDay(sys_days day, const DateSearch& search, const StemQuartets& quartets, Worker& worker,
               std::vector<SearchHit>& hits) {
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
                hits.push_back({date, static_cast<std::int8_t>(period), static_cast<std::int8_t>(gender)});
        }
    }
}

// The span cut into blocks of days. Workers take the next block from a shared
// counter; a finished block waits until those before it are handed on, so the
// hits leave in date order whatever block ends first.
class BlockPool {
public:
    BlockPool(const DateSearch& search, const StemQuartets& quartets, const SearchFound& found)
        : search_(search), quartets_(quartets), found_(found), first_(DayOf(search.from)),
          last_(DayOf(search.to)), blocks_(BlockCount(first_, last_)) {}

    // Takes blocks until none is left.
    void work(Worker& worker) {
        for (long block = next_.fetch_add(1); block < blocks_; block = next_.fetch_add(1)) {
            std::vector<SearchHit> hits;
            const sys_days start = first_ + std::chrono::days{block * kDaysPerBlock};
            const sys_days end = std::min(last_, start + std::chrono::days{kDaysPerBlock - 1});
            for (sys_days day = start; day <= end; day += std::chrono::days{1})
                SearchDay(day, search_, quartets_, worker, hits);
            handOn(block, std::move(hits));
        }
    }

private:
    static long BlockCount(sys_days first, sys_days last) {
        return first > last ? 0 : (last - first).count() / kDaysPerBlock + 1;
    }

    // Keeps a block's hits, then hands on every block now next in order.
    // `found` is called under the lock: one call at a time, in block order.
    void handOn(long block, std::vector<SearchHit> hits) {
        const std::scoped_lock lock(mutex_);
        waiting_.emplace(block, std::move(hits));
        for (auto next = waiting_.begin(); next != waiting_.end() && next->first == handedOn_;
             next = waiting_.erase(next), ++handedOn_)
            found_(next->second);
    }

    const DateSearch& search_;
    const StemQuartets& quartets_;
    const SearchFound& found_;
    const sys_days first_;
    const sys_days last_;
    const long blocks_;
    std::atomic<long> next_{0};
    std::mutex mutex_;
    long handedOn_ = 0;                                  // the first block not yet handed on
    std::map<long, std::vector<SearchHit>> waiting_;     // finished blocks after it
};

}  // namespace

void SearchDates(const query::ChartQuery& query, const DateSearch& search, const TransformationTable& transformations,
                 const SearchFound& found) {
    const StemQuartets quartets = QuartetsByStem(transformations);
    BlockPool pool(search, quartets, found);
    const int jobs = std::max(1, search.jobs);
    {
        std::vector<std::jthread> threads;
        for (int job = 1; job < jobs; ++job)
            threads.emplace_back([&pool, &query] {
                Worker worker{query::ChartMatcher(query), {}};
                pool.work(worker);
            });
        Worker worker{query::ChartMatcher(query), {}};
        pool.work(worker);
    }  // joins
}

long long ChartsInSpan(const DateSearch& search) {
    const long long days = (DayOf(search.to) - DayOf(search.from)).count() + 1;
    return days < 0 ? 0 : days * (kLastPeriod - kFirstPeriod + 1) * (search.gender ? 1 : 2);
}

}  // namespace velmora::tool
