#include "reading/Patterns.h"

namespace velmora::reading {

void FindPatterns(const PatternBoard& board, std::vector<FoundPattern>& found) {
    for (const PatternRule& rule : PatternRules()) {
        PatternStars stars;
        if (!rule.holds(board, stars)) continue;
        const bool broken = rule.breaks != nullptr && rule.breaks(board);
        found.push_back(FoundPattern{&rule, board.focus, stars, broken});
    }
}

}  // namespace velmora::reading
