#pragma once
// Reads a search by chart as the window's search box and `velmora-chart
// search` take it:
//
//   命宮 有 紫微 天府；夫妻 無 主星；遷移 有 化忌；格局 機月同梁
//
// Conditions are joined by "；" or ";" and must all hold (a separator may end
// the text). A condition is PALACE 有 TERM… (every term is there) or PALACE
// 無 TERM… (none is), where PALACE is a palace name the board shows (兄弟 or
// 兄弟宮) or 身宮, and a TERM a star's name, 主星 (any of the fourteen major
// stars), 化祿 化權 化科 化忌 (the star the birth year transforms so) or 格局
// NAME (the named pattern, read with that palace as the life palace). A
// condition `格局 NAME…` alone asks for the patterns on the life palace.
// Words are separated by blanks; words typed without blanks (命宮有紫微) are
// split into known words where that can be done one way or another.

#include <string>
#include <string_view>
#include <variant>

#include "query/ChartQuery.h"
#include "query/QueryWords.h"

namespace velmora::query {

// Why a query does not parse: the word found (empty when the text or the
// condition ended too soon), the word before it in that case, and what was
// expected there. Texts in Traditional, as the program's messages are.
struct QueryProblem {
    int position = 1;      // the character (not byte) the word starts at, from 1; past the end when it ended
    std::string word;
    std::string after;
    std::string expected;
    // 第 5 字「天府x」：應為星名、… / 第 3 字：「命宮」之後應為「有」或「無」
    std::string message() const;
    friend bool operator==(const QueryProblem&, const QueryProblem&) = default;
};

using ParsedChartQuery = std::variant<ChartQuery, QueryProblem>;

ParsedChartQuery ParseChartQuery(std::string_view text, const QueryWords& words);

// Whether `text` is written as a search by chart, right or wrong: its first
// word (or the start of a run of words typed without blanks) is a palace name
// or 格局. A box that also filters by name tells the two apart by this.
bool LooksLikeChartQuery(std::string_view text, const QueryWords& words);

}  // namespace velmora::query
