#include "query/QueryParser.h"

#include <algorithm>
#include <optional>
#include <span>

#include "query/QueryItems.h"

namespace velmora::query {

namespace {

constexpr std::string_view kExpectCondition = "一個條件，如「命宮 有 紫微」";
constexpr std::string_view kExpectHave = "「有」或「無」";
constexpr std::string_view kExpectTerm = "星名、主星、化祿、化權、化科、化忌或「格局 格局名」";
constexpr std::string_view kExpectNextCondition = "；兩個條件之間以「；」分開";
constexpr std::string_view kExpectPattern = "格局名，如「機月同梁」";

// Reads conditions off the items; the first problem met ends the reading.
class Reader {
public:
    Reader(const QueryItems& read, const QueryWords& words) : items_(read.items), end_(read.end), words_(words) {}

    ParsedChartQuery query() {
        ChartQuery query;
        while (!atEnd()) {
            // Two separators in a row, or one at the start: an empty condition.
            if (current().separator) return Problem(current().position, current().text, {}, kExpectCondition);
            Condition condition;
            if (!readCondition(condition)) return *problem_;
            query.conditions.push_back(std::move(condition));
            if (!atEnd()) ++next_;  // the separator; one may end the text
        }
        if (query.conditions.empty()) return Problem(end_, {}, {}, kExpectCondition);
        return query;
    }

private:
    static QueryProblem Problem(int position, std::string_view word, std::string_view after, std::string_view expected) {
        return {position, std::string(word), std::string(after), std::string(expected)};
    }
    bool atEnd() const { return next_ >= items_.size(); }
    bool atWord() const { return !atEnd() && !current().separator; }
    const QueryItem& current() const { return items_[next_]; }
    WordKind kind() const { return current().meaning->kind; }
    bool known() const { return atWord() && current().meaning != nullptr; }

    // The word here is not what is expected, or (at a separator or the end)
    // is missing after the previous one.
    QueryProblem problemHere(std::string_view expected) const {
        if (atWord()) return Problem(current().position, current().text, {}, expected);
        const int position = atEnd() ? end_ : current().position;
        const std::string_view after = next_ > 0 ? items_[next_ - 1].text : std::string_view{};
        return Problem(position, {}, after, expected);
    }
    bool fail(std::string_view expected) {
        problem_ = problemHere(expected);
        return false;
    }

    bool readCondition(Condition& condition) {
        if (known() && kind() == WordKind::PatternMark) return readPatternCondition(condition);
        if (!known() || kind() != WordKind::Palace) return fail("宮名（" + words_.palaceNames() + "）或「格局」");
        condition.palace = current().meaning->value;
        ++next_;
        if (!known() || (kind() != WordKind::Have && kind() != WordKind::HaveNot)) return fail(kExpectHave);
        condition.present = kind() == WordKind::Have;
        ++next_;
        if (!atWord()) return fail(kExpectTerm);
        while (atWord()) {
            if (!readTerm(condition)) return false;
        }
        return true;
    }

    // 格局 NAME…: the patterns on the life palace.
    bool readPatternCondition(Condition& condition) {
        condition.palace = kLifePalace;
        condition.present = true;
        ++next_;
        if (!atWord()) return fail(kExpectPattern);
        while (atWord()) {
            if (!readPatternName(condition)) return false;
        }
        return true;
    }

    bool readPatternName(Condition& condition) {
        if (!known() || kind() != WordKind::PatternName) return fail(kExpectPattern);
        const WordMeaning& name = *current().meaning;
        condition.terms.push_back({TermKind::Pattern, {}, 0, name.patterns, name.traditional});
        ++next_;
        return true;
    }

    bool readTerm(Condition& condition) {
        if (known() && kind() == WordKind::Palace) return fail(std::string(kExpectTerm) + std::string(kExpectNextCondition));
        if (!known()) return fail(kExpectTerm);
        const WordMeaning& word = *current().meaning;
        switch (word.kind) {
        case WordKind::Stars:
            condition.terms.push_back({TermKind::Stars, word.stars, 0, 0, word.traditional});
            break;
        case WordKind::Transformation:
            condition.terms.push_back({TermKind::Transformation, {}, word.value, 0, word.traditional});
            break;
        case WordKind::PatternMark:
            ++next_;
            if (!atWord()) return fail(kExpectPattern);
            return readPatternName(condition);
        default:
            return fail(kExpectTerm);
        }
        ++next_;
        return true;
    }

    std::span<const QueryItem> items_;
    int end_;
    const QueryWords& words_;
    std::size_t next_ = 0;
    std::optional<QueryProblem> problem_;
};

}  // namespace

std::string QueryProblem::message() const {
    const std::string at = "第 " + std::to_string(position) + " 字";
    if (!word.empty()) return at + "「" + word + "」：應為" + expected;
    if (!after.empty()) return at + "：「" + after + "」之後應為" + expected;
    return "還沒有條件：應為" + expected;
}

ParsedChartQuery ParseChartQuery(std::string_view text, const QueryWords& words) {
    const QueryItems read = ReadQueryItems(text, words);
    return Reader(read, words).query();
}

bool LooksLikeChartQuery(std::string_view text, const QueryWords& words) {
    const QueryItems read = ReadQueryItems(text, words);
    if (read.items.empty() || read.items.front().separator) return false;
    const WordMeaning* first = read.items.front().meaning;
    if (first == nullptr) {
        // A run typed without blanks that does not split as a whole: its start counts.
        const std::string_view word = read.items.front().text;
        for (std::size_t length = std::min(word.size(), words.longestWord()); length > 0 && first == nullptr; --length)
            first = words.find(word.substr(0, length));
    }
    return first != nullptr && (first->kind == WordKind::Palace || first->kind == WordKind::PatternMark);
}

}  // namespace velmora::query
