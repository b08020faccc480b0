#pragma once
// Whether a natal chart fulfils a parsed query. What the query reads is
// taken from the chart once (each palace's stars as one mask, the four
// transformed stars, the patterns of the palaces the query reads them on),
// then every condition is a few mask tests. Nothing is allocated per chart:
// a matcher keeps its room, so a search over many charts keeps one matcher a
// thread.

#include <array>
#include <cstdint>
#include <vector>

#include "chart/ChartState.h"
#include "query/ChartQuery.h"
#include "reading/PatternBoard.h"
#include "reading/Patterns.h"

namespace velmora::query {

// What a query was tested on: the chart's facts it reads.
struct ChartFacts {
    std::array<StarMask, kBodyPalace + 1> palaceStars{};          // [palace row 1..13]
    std::array<StarMask, kTransformationKinds> transformed{};    // [祿 權 科 忌]: the star transformed so
    std::array<std::uint64_t, kBodyPalace + 1> patterns{};       // [palace row]: pattern rows holding there
};

class ChartMatcher {
public:
    explicit ChartMatcher(ChartQuery query);

    // `transformed`: the stars of the birth year stem's 祿 權 科 忌 (0 for none).
    bool matches(const ChartState& chart, const reading::Quartet& transformed);
    const ChartQuery& query() const { return query_; }

private:
    void readFacts(const ChartState& chart, const reading::Quartet& transformed);
    bool holds(const Condition& condition) const;
    bool termHolds(const Term& term, int palace) const;

    ChartQuery query_;
    std::uint16_t patternPalaces_ = 0;  // bit p: the query reads patterns on palace row p
    ChartFacts facts_;
    std::vector<reading::FoundPattern> found_;  // kept between charts for its room
};

}  // namespace velmora::query
