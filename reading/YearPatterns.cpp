#include "reading/YearPatterns.h"

#include <vector>

#include "reading/PatternBoard.h"

namespace velmora::reading {

int PatternNumber(const PatternRule& rule) {
    return static_cast<int>(&rule - PatternRules().data()) + 1;
}

const PatternRule* PatternNumbered(int number) {
    const auto rules = PatternRules();
    if (number < 1 || static_cast<std::size_t>(number) > rules.size()) return nullptr;
    return &rules[static_cast<std::size_t>(number) - 1];
}

std::function<void(YearRow& row)> YearPatternFinder(const ChartState& chart) {
    return [&chart, found = std::vector<FoundPattern>{}](YearRow& row) mutable {
        const PatternBoard board = MakePatternBoard(chart, row.annual.focusBranch, row.annual.transformations);
        found.clear();
        FindPatterns(board, found);
        for (const FoundPattern& pattern : found) row.patterns.push_back(PatternNumber(*pattern.rule));
    };
}

}  // namespace velmora::reading
