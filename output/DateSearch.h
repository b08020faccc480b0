#pragma once
// The search by chart over dates (velmora-chart search): every date of a
// span, every period 1..13 and either gender, charted under the run's
// conventions and tested against a parsed query. The span is cut into blocks
// of days; with several jobs each thread takes the next block as soon as it
// is done with one, and the hits are handed on in date order all the same,
// so the output does not depend on the number of jobs.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "chart/Conventions.h"
#include "chart/ReferenceData.h"
#include "output/Query.h"
#include "query/ChartQuery.h"

namespace velmora::tool {

// A chart that matched: its date, period 1..13 and gender (kMale or kFemale).
struct SearchHit {
    QueryDate date;
    std::int8_t period = 0;
    std::int8_t gender = 0;
    friend bool operator==(const SearchHit&, const SearchHit&) = default;
};

struct DateSearch {
    QueryDate from;
    QueryDate to;                // inclusive
    std::optional<int> gender;   // both when unset
    Conventions conventions;
    int jobs = 1;                // 1..kMaxJobs threads
};

// Receives the hits of a block of days, possibly none.
using SearchFound = std::function<void(std::span<const SearchHit>)>;

// Hands `found` the hits in order, a block of days at a time: by date, then
// period, then the man before the woman. With several jobs `found` is called
// from any of the search's threads, but one call at a time. `transformations`
// is the Four table the 化祿 .. 化忌 of a query are read from.
void SearchDates(const query::ChartQuery& query, const DateSearch& search, const TransformationTable& transformations,
                 const SearchFound& found);

// The number of charts the span holds: days x 13 periods x the genders asked for.
long long ChartsInSpan(const DateSearch& search);

}  // namespace velmora::tool
