#include "query/ChartMatcher.h"

#include <utility>

namespace velmora::query {

namespace {

bool IsBranch(int branch) { return branch >= 1 && branch <= kBranches; }

// Room for every rule of the table at once: finding never grows the list.
std::size_t PatternRoom() { return reading::PatternRules().size(); }

}  // namespace

ChartMatcher::ChartMatcher(ChartQuery query) : query_(std::move(query)) {
    for (const Condition& condition : query_.conditions)
        for (const Term& term : condition.terms)
            if (term.kind == TermKind::Pattern) patternPalaces_ |= static_cast<std::uint16_t>(1U << condition.palace);
    found_.reserve(PatternRoom());
}

bool ChartMatcher::matches(const ChartState& chart, const reading::Quartet& transformed) {
    readFacts(chart, transformed);
    for (const Condition& condition : query_.conditions)
        if (!holds(condition)) return false;
    return true;
}

void ChartMatcher::readFacts(const ChartState& chart, const reading::Quartet& transformed) {
    std::array<StarMask, kBranches + 1> onBranch{};
    for (int s = 1; s <= kPlacedStars; ++s) {
        const int branch = chart.StarTable[s].branch;
        if (IsBranch(branch)) onBranch[branch].add(s);  // a star a convention leaves off stands nowhere
    }
    for (int palace = kLifePalace; palace <= kBodyPalace; ++palace) {
        const int branch = chart.PalaceTable[palace].branch;
        facts_.palaceStars[palace] = IsBranch(branch) ? onBranch[branch] : StarMask{};
    }
    for (int k = 0; k < kTransformationKinds; ++k) {
        facts_.transformed[k] = StarMask{};
        facts_.transformed[k].add(transformed[k]);
    }
    if (patternPalaces_ == 0) return;
    const reading::PatternRule* firstRule = reading::PatternRules().data();
    for (int palace = kLifePalace; palace <= kBodyPalace; ++palace) {
        facts_.patterns[palace] = 0;
        const int branch = chart.PalaceTable[palace].branch;
        if ((patternPalaces_ & (1U << palace)) == 0 || !IsBranch(branch)) continue;
        found_.clear();
        reading::FindPatterns(reading::MakePatternBoard(chart, branch, transformed), found_);
        for (const reading::FoundPattern& found : found_) {
            const auto row = static_cast<std::size_t>(found.rule - firstRule);
            if (row < kPatternBits) facts_.patterns[palace] |= std::uint64_t{1} << row;
        }
    }
}

bool ChartMatcher::holds(const Condition& condition) const {
    for (const Term& term : condition.terms)
        if (termHolds(term, condition.palace) != condition.present) return false;
    return true;
}

bool ChartMatcher::termHolds(const Term& term, int palace) const {
    switch (term.kind) {
    case TermKind::Stars:
        return facts_.palaceStars[palace].meets(term.stars);
    case TermKind::Transformation:
        return facts_.palaceStars[palace].meets(facts_.transformed[term.transformation]);
    case TermKind::Pattern:
        return (facts_.patterns[palace] & term.patterns) != 0;
    }
    return false;
}

}  // namespace velmora::query
