// The matcher and the search over dates against a brute-force reading of
// the same conditions: stars looked up by name star by star, transformed
// stars and patterns found anew, on charts computed as a single query is.

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "output/DateSearch.h"
#include "query/ChartMatcher.h"
#include "query/QueryParser.h"
#include "QueryTestSupport.h"

namespace velmora::query {
namespace {

using tool::ChartResult;

constexpr int kRandomCharts = 10000;
constexpr int kMajorStars = 14;

enum class Kind { Star, Major, Transformed, Pattern };
struct PlainTerm {
    Kind kind;
    std::string word;  // Traditional
    int value = 0;     // Star: the star picked; Transformed: 0 祿 .. 3 忌
};
struct PlainCondition {
    int palace;
    bool present;
    std::vector<PlainTerm> terms;
};

const NameList& Names() { return testing::ShippedTables().names; }

bool OnBranch(const ChartResult& r, int star, int branch) {
    return star >= 1 && star <= kPlacedStars && r.chart.StarTable[star].branch == branch;
}

bool BruteHolds(const PlainTerm& term, int palace, const ChartResult& r) {
    const int branch = r.chart.PalaceTable[palace].branch;
    switch (term.kind) {
    case Kind::Star:
        for (int s = 1; s <= kPlacedStars; ++s)
            if (StarName(Names(), s) == term.word && OnBranch(r, s, branch)) return true;
        return false;
    case Kind::Major:
        for (int s = 1; s <= kMajorStars; ++s)
            if (OnBranch(r, s, branch)) return true;
        return false;
    case Kind::Transformed:
        return OnBranch(r, r.transformations[term.value], branch);
    case Kind::Pattern: {
        const reading::Quartet t{r.transformations[0], r.transformations[1], r.transformations[2], r.transformations[3]};
        std::vector<reading::FoundPattern> found;
        reading::FindPatterns(reading::MakePatternBoard(r.chart, branch, t), found);
        for (const reading::FoundPattern& f : found)
            if (f.rule->name == term.word) return true;
        return false;
    }
    }
    return false;
}

bool BruteMatches(const std::vector<PlainCondition>& conditions, const ChartResult& r) {
    for (const PlainCondition& c : conditions)
        for (const PlainTerm& term : c.terms)
            if (BruteHolds(term, c.palace, r) != c.present) return false;
    return true;
}

// Random words for random conditions; half the star terms are stars that
// stand in the palace, so that 有 holds often enough to be tested.
class QueryMaker {
public:
    explicit QueryMaker(std::mt19937& random) : random_(random) {}

    std::vector<PlainCondition> conditions(const ChartResult& r) {
        std::vector<PlainCondition> made(static_cast<std::size_t>(pick(1, 3)));
        for (PlainCondition& c : made) {
            c.palace = pick(1, kBodyPalace);
            c.present = pick(0, 1) == 1;
            c.terms.resize(static_cast<std::size_t>(pick(1, 2)));
            for (PlainTerm& term : c.terms) term = makeTerm(r, c.palace);
        }
        return made;
    }

    std::string text(const std::vector<PlainCondition>& conditions) {
        std::string made;
        for (const PlainCondition& c : conditions) {
            if (!made.empty()) made += pick(0, 1) ? "；" : ";";
            std::string palace = PalaceName(Names(), c.palace);
            if (!palace.ends_with("宮") && pick(0, 1)) palace += "宮";
            made += shown(palace) + " " + shown(c.present ? "有" : "無");
            for (const PlainTerm& term : c.terms) made += " " + shown((term.kind == Kind::Pattern ? "格局 " : "") + term.word);
        }
        return made;
    }

private:
    int pick(int first, int last) { return std::uniform_int_distribution<int>(first, last)(random_); }
    std::string shown(const std::string& word) { return pick(0, 1) ? TextIn(Script::Simplified, word) : word; }

    PlainTerm makeTerm(const ChartResult& r, int palace) {
        static const char* const kTransformations[] = {"化祿", "化權", "化科", "化忌"};
        const auto rules = reading::PatternRules();
        switch (pick(0, 5)) {
        case 0: return {Kind::Major, "主星", 0};
        case 1: {
            const int k = pick(0, 3);
            return {Kind::Transformed, kTransformations[k], k};
        }
        case 2: return {Kind::Pattern, std::string(rules[static_cast<std::size_t>(pick(0, int(rules.size()) - 1))].name), 0};
        case 3:
            for (int s = pick(1, kPlacedStars), tries = 0; tries < kPlacedStars; ++tries, s = s % kPlacedStars + 1)
                if (OnBranch(r, s, r.chart.PalaceTable[palace].branch)) return {Kind::Star, StarName(Names(), s), s};
            [[fallthrough]];
        default: {
            const int s = pick(1, kPlacedStars);
            return {Kind::Star, StarName(Names(), s), s};
        }
        }
    }

    std::mt19937& random_;
};

tool::Query RandomBirth(std::mt19937& random) {
    using namespace std::chrono;
    const sys_days first{year{tool::kFirstYear} / January / 1};
    const int span = static_cast<int>((sys_days{year{tool::kLastYear} / December / 31} - first).count());
    const sys_days day = first + days{std::uniform_int_distribution<int>(0, span)(random)};
    const year_month_day ymd{day};
    tool::Query birth;
    birth.birthDate = {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
    birth.period = std::uniform_int_distribution<int>(tool::kFirstPeriod, tool::kLastPeriod)(random);
    birth.gender = std::uniform_int_distribution<int>(0, 1)(random) ? tool::kMale : tool::kFemale;
    return birth;
}

// Some of the schools' natal switches, each at random.
Conventions RandomConventions(std::mt19937& random) {
    Conventions conventions;
    for (ConventionKey key : {ConventionKey::yearPillar, ConventionKey::lateZi, ConventionKey::xunKong, ConventionKey::jieKong})
        conventions.set(key, std::uniform_int_distribution<int>(0, 1)(random));
    return conventions;
}

TEST(ChartMatcherTest, AgreesWithABruteForceReadingOnRandomCharts) {
    std::mt19937 random(32);
    QueryMaker maker(random);
    int matched = 0;
    for (int i = 0; i < kRandomCharts; ++i) {
        ChartResult r;
        ASSERT_FALSE(tool::ComputeQuery(RandomBirth(random), testing::ShippedTables(), r, RandomConventions(random)));
        const std::vector<PlainCondition> conditions = maker.conditions(r);
        const std::string text = maker.text(conditions);
        const ParsedChartQuery parsed = ParseChartQuery(text, testing::BothScripts());
        ASSERT_TRUE(std::holds_alternative<ChartQuery>(parsed)) << text << ": " << std::get<QueryProblem>(parsed).message();
        ChartMatcher matcher(std::get<ChartQuery>(parsed));
        const reading::Quartet t{r.transformations[0], r.transformations[1], r.transformations[2], r.transformations[3]};
        const bool expected = BruteMatches(conditions, r);
        ASSERT_EQ(matcher.matches(r.chart, t), expected) << text << " on chart " << i;
        matched += expected ? 1 : 0;
    }
    // Both answers are tested often, or the table proves little.
    EXPECT_GT(matched, kRandomCharts / 10);
    EXPECT_LT(matched, kRandomCharts * 9 / 10);
}

// Columns: the query, the span's first and last day, the gender asked for, the jobs.
struct SweepRow {
    const char* text;
    tool::QueryDate from;
    tool::QueryDate to;
    std::optional<int> gender;
    int jobs;
};

TEST(ChartMatcherTest, SearchOverDatesFindsWhatEveryChartOfTheSpanGives) {
    const SweepRow rows[] = {
        // over a new year and a 立春, past two runs of days, both genders
        {"命宮 有 主星；遷移 無 化祿；身宮 有 化科", {1983, 12, 20}, {1984, 9, 30}, std::nullopt, 1},
        {"命宮 有 主星；遷移 無 化祿；身宮 有 化科", {1983, 12, 20}, {1984, 9, 30}, std::nullopt, 3},
        {"福德 有 格局 殺破狼；子女 無 小耗", {2099, 11, 1}, {2099, 12, 31}, tool::kFemale, 2},
        {"兄弟 無 化忌", {1901, 1, 1}, {1901, 1, 1}, tool::kMale, 4},
    };
    Conventions sameDayLateZi;
    sameDayLateZi.set(ConventionKey::lateZi, static_cast<int>(LateZiRule::sameDay));
    for (const SweepRow& row : rows) {
        for (const Conventions& conventions : {Conventions{}, sameDayLateZi}) {
            SCOPED_TRACE(std::string(row.text) + " jobs " + std::to_string(row.jobs));
            const ChartQuery query = std::get<ChartQuery>(ParseChartQuery(row.text, testing::BothScripts()));
            const tool::DateSearch search{row.from, row.to, row.gender, conventions, row.jobs};
            std::vector<tool::SearchHit> found;
            tool::SearchDates(query, search, testing::ShippedTables().transformations,
                              [&](std::span<const tool::SearchHit> hits) { found.insert(found.end(), hits.begin(), hits.end()); });
            std::vector<tool::SearchHit> expected;
            ChartMatcher matcher(query);
            for (auto day = std::chrono::sys_days{std::chrono::year{row.from.year} / row.from.month / row.from.day};
                 day <= std::chrono::sys_days{std::chrono::year{row.to.year} / row.to.month / row.to.day}; day += std::chrono::days{1}) {
                const std::chrono::year_month_day ymd{day};
                const tool::QueryDate date{int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
                for (int period = tool::kFirstPeriod; period <= tool::kLastPeriod; ++period)
                    for (int gender : {tool::kMale, tool::kFemale}) {
                        if (row.gender && *row.gender != gender) continue;
                        ChartResult r;
                        ASSERT_FALSE(tool::ComputeQuery({date, period, gender, {}}, testing::ShippedTables(), r, conventions));
                        const auto& t = r.transformations;
                        if (matcher.matches(r.chart, {t[0], t[1], t[2], t[3]}))
                            expected.push_back({date, static_cast<std::int8_t>(period), static_cast<std::int8_t>(gender)});
                    }
            }
            EXPECT_EQ(found, expected);
            EXPECT_FALSE(expected.empty());
        }
    }
}

}  // namespace
}  // namespace velmora::query
