#pragma once
// The words a search by chart is written in: the palace and star names of the
// name list (as the board shows them), the query's own words (有 無 主星 化祿
// 化權 化科 化忌 格局) and the patterns' names, each in Traditional and, through
// the caller's converter, in Simplified too. Built once; looked up per word.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "chart/ReferenceData.h"
#include "query/StarMask.h"

namespace velmora::query {

enum class WordKind : std::uint8_t {
    Palace,          // value: palace row 1..13
    Have,            // 有
    HaveNot,         // 無
    Stars,           // stars: a star's name or 主星
    Transformation,  // value: 0 化祿 .. 3 化忌
    PatternMark,     // 格局
    PatternName,     // patterns: the rows of the pattern table of that name
};

struct WordMeaning {
    WordKind kind = WordKind::Stars;
    int value = 0;
    StarMask stars;
    std::uint64_t patterns = 0;
    std::string traditional;  // the word in Traditional, as the files and the pattern table write it
};

// Gives a Traditional word in the other script (OpenCC's t2s in the program);
// a word it gives back unchanged adds nothing.
using WordConverter = std::function<std::string(std::string_view)>;

class QueryWords {
public:
    // `names` in Traditional, as ProperN holds them. Without a converter only
    // the Traditional words are known.
    explicit QueryWords(const NameList& names, const WordConverter& otherScript = {});

    // The meaning of `word`, or null for a word the query language does not know.
    const WordMeaning* find(std::string_view word) const;
    // The length in bytes of the longest word known: a run of words typed
    // without blanks is split into words no longer than this.
    std::size_t longestWord() const { return longest_; }
    // "命宮、兄弟、…、父母、身宮": the palace names, for messages.
    const std::string& palaceNames() const { return palaceNames_; }

private:
    void add(std::string word, WordMeaning meaning);
    void addStar(const std::string& name, int star);

    std::map<std::string, WordMeaning, std::less<>> words_;
    std::size_t longest_ = 0;
    std::string palaceNames_;
};

}  // namespace velmora::query
