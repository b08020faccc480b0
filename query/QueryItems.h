#pragma once
// A query's text cut into its words and separators, each word with its
// meaning looked up: the parser's input.

#include <string_view>
#include <vector>

#include "query/QueryWords.h"

namespace velmora::query {

struct QueryItem {
    std::string_view text;                // a view into the query's text
    int position = 1;                     // its first character, counted from 1
    bool separator = false;               // "；" or ";"
    const WordMeaning* meaning = nullptr; // for a word; null for a word not known
};

struct QueryItems {
    std::vector<QueryItem> items;
    int end = 1;  // the position just past the text's last character
};

// Words end at blanks (space, tab, line ends, the ideographic space) and at
// separators. A word not known is split into known words when it can be;
// otherwise it stays whole, with no meaning.
QueryItems ReadQueryItems(std::string_view text, const QueryWords& words);

}  // namespace velmora::query
