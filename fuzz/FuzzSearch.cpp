// The search by chart's query as any bytes, taken as UTF-8 text as the search
// box and `velmora-chart search` take it. The text parses into conditions the
// matcher can test, or is refused with a message placing the fault inside
// the text. A parsed query is tested against a few fixed charts: each answer
// must be the same whatever chart the matcher saw before it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "query/ChartMatcher.h"
#include "query/QueryItems.h"
#include "query/QueryParser.h"
#include "script/ScriptedNames.h"

using namespace velmora;

namespace {

// Births charted once: date, period, gender as velmora-chart takes them,
// spread over stems, bureaus and both genders.
constexpr std::array<std::string_view, 6> kBirths = {
    "1984-02-02 7 M", "1901-01-01 13 F", "2099-12-31 1 F",
    "1968-03-21 2 M", "1950-08-15 11 F", "2024-05-06 5 M",
};

struct FixedChart {
    ChartState chart;
    reading::Quartet transformed{};
};

const std::vector<FixedChart>& Charts() {
    static const std::vector<FixedChart> charts = [] {
        std::vector<FixedChart> made;
        for (const std::string_view line : kBirths) {
            const tool::ParsedQuery parsed = tool::ParseQueryLine(line);
            tool::ChartResult result;
            if (!std::holds_alternative<tool::Query>(parsed) ||
                tool::ComputeQuery(std::get<tool::Query>(parsed), fuzz::ShippedTables(), result))
                fuzz::Fail("a fixed birth was refused");
            const auto& t = result.transformations;
            made.push_back({result.chart, {t[0], t[1], t[2], t[3]}});
        }
        return made;
    }();
    return charts;
}

// The words in both scripts, as velmora-chart search builds them.
const query::QueryWords& Words() {
    static const query::QueryWords words(fuzz::ShippedTables().names, [](std::string_view word) {
        return TextIn(Script::Simplified, word);
    });
    return words;
}

void CheckProblem(std::string_view text, const query::QueryProblem& problem) {
    const int end = query::ReadQueryItems(text, Words()).end;
    if (problem.position < 1 || problem.position > end) fuzz::Fail("a problem placed outside the text");
    if (problem.message().empty() || problem.expected.empty()) fuzz::Fail("a problem without words");
    if (!problem.word.empty() && text.find(problem.word) == std::string_view::npos)
        fuzz::Fail("a problem naming a word the text does not hold");
}

void CheckConditions(const query::ChartQuery& parsed) {
    if (parsed.conditions.empty()) fuzz::Fail("a query without conditions");
    for (const query::Condition& condition : parsed.conditions) {
        if (condition.palace < query::kLifePalace || condition.palace > query::kBodyPalace)
            fuzz::Fail("a condition on no palace");
        if (condition.terms.empty()) fuzz::Fail("a condition without terms");
        for (const query::Term& term : condition.terms)
            if (term.transformation < 0 || term.transformation >= query::kTransformationKinds)
                fuzz::Fail("a transformation past 化忌");
    }
}

// One matcher over the charts forward and then backward, and a fresh matcher
// for each chart: all three answers must agree.
void CheckMatching(const query::ChartQuery& parsed) {
    const std::vector<FixedChart>& charts = Charts();
    query::ChartMatcher kept(parsed);
    std::vector<bool> forward;
    for (const FixedChart& c : charts) forward.push_back(kept.matches(c.chart, c.transformed));
    for (std::size_t i = charts.size(); i-- > 0;) {
        if (kept.matches(charts[i].chart, charts[i].transformed) != forward[i])
            fuzz::Fail("a match depends on the chart tested before");
        query::ChartMatcher fresh(parsed);
        if (fresh.matches(charts[i].chart, charts[i].transformed) != forward[i])
            fuzz::Fail("a kept matcher answers apart from a fresh one");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const query::ParsedChartQuery parsed = query::ParseChartQuery(text, Words());
    const bool looksLikeOne = query::LooksLikeChartQuery(text, Words());
    if (const auto* problem = std::get_if<query::QueryProblem>(&parsed)) {
        CheckProblem(text, *problem);
        return 0;
    }
    if (!looksLikeOne) fuzz::Fail("a query that parses does not look like one");
    CheckConditions(std::get<query::ChartQuery>(parsed));
    CheckMatching(std::get<query::ChartQuery>(parsed));
    return 0;
}
