// The year rows against single queries: each row must be what the chart run
// gives for a shown moment at the year's turn on layers 1, 2 and 3, over
// random births and schools and over the births and years that trouble.

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "output/ChartRun.h"
#include "output/ReferenceLoad.h"
#include "output/YearReport.h"

namespace velmora::tool {
namespace {

using namespace std::chrono;

constexpr int kRandomBirths = 200;
constexpr int kReportYears = 100;
constexpr int kNoonPeriod = 7;  // 午, the hour a row is taken at

const ReferenceTables& Tables() {
    static const ReferenceTables tables = [] {
        ReferenceTables loaded;
        EXPECT_FALSE(LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, loaded).error);
        return loaded;
    }();
    return tables;
}

QueryDate DateOf(sys_days day) {
    const year_month_day ymd{day};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

void ExpectLayerEqual(const YearRowLayer& row, const LayerResult& single, const std::string& where) {
    EXPECT_EQ(row.focusBranch, single.focusBranch) << where;
    EXPECT_EQ(row.markStem, single.markStem) << where;
    for (int k = 0; k < kTransformationCount; ++k) EXPECT_EQ(row.transformations[k], single.transformations[k]) << where;
    EXPECT_EQ(row.flowingStars, single.flowingStars) << where;
}

// The branch palace p stands on in a layer whose 命 is on `life`: the natal
// order of palaces turned to start there.
int BranchOfPalace(const ChartState& chart, int palace, int life) {
    return (chart.PalaceTable[palace].branch - chart.PalaceTable[1].branch + life + 23) % 12 + 1;
}

// An overlay names its branch in the natal, decade and year layers.
void ExpectOverlay(const PalaceOverlay& o, int branch, const ChartState& chart, const YearRow& row) {
    ASSERT_EQ(o.branch, branch);
    if (branch == 0) return;
    EXPECT_EQ(BranchOfPalace(chart, o.natal, chart.PalaceTable[1].branch), branch);
    EXPECT_EQ(BranchOfPalace(chart, o.decade, row.decade.focusBranch), branch);
    EXPECT_EQ(BranchOfPalace(chart, o.year, row.annual.focusBranch), branch);
}

// Where each layer's stars land and what its 化忌 strikes, and the twelve year palaces.
void ExpectOverlays(const YearRow& row, const ChartState& chart) {
    for (const YearRowLayer* layer : {&row.decade, &row.minor, &row.annual}) {
        ExpectOverlay(layer->focus, layer->focusBranch, chart, row);
        for (int k = 0; k < kTransformationCount; ++k)
            ExpectOverlay(layer->landings[k], chart.StarTable[layer->transformations[k]].branch, chart, row);
        ExpectOverlay(layer->jiClash, (layer->landings[3].branch + 5) % 12 + 1, chart, row);
    }
    for (int palace = 1; palace <= kBranches; ++palace) {
        ExpectOverlay(row.yearPalaces[palace - 1], BranchOfPalace(chart, palace, row.annual.focusBranch), chart, row);
        EXPECT_EQ(row.yearPalaces[palace - 1].year, palace);
    }
}

// Every row of the birth's report for `span` against three single queries.
void ExpectRowsMatchSingleQueries(const Query& birth, YearSpan span, const Conventions& conventions) {
    ChartResult natal;
    std::vector<YearRow> rows;
    ASSERT_FALSE(ComputeYearReport(birth, span, Tables(), conventions, natal, rows));
    ASSERT_EQ(static_cast<int>(rows.size()), span.to - span.from + 1);
    ChartResult single;
    for (const YearRow& row : rows) {
        const YearRowLayer* layers[] = {&row.decade, &row.minor, &row.annual};
        for (int layer = 1; layer <= 3; ++layer) {
            Query query = birth;
            query.at = LayerQuery{DateOf(row.turn), kNoonPeriod, layer};
            ASSERT_FALSE(ComputeQuery(query, Tables(), single, conventions));
            const std::string where = "birth " + std::to_string(birth.birthDate.year) + "-" +
                                      std::to_string(birth.birthDate.month) + "-" + std::to_string(birth.birthDate.day) +
                                      " year " + std::to_string(row.year) + " layer " + std::to_string(layer);
            EXPECT_EQ(row.nominalAge, single.layer->nominalAge) << where;
            ExpectLayerEqual(*layers[layer - 1], *single.layer, where);
        }
        ExpectOverlays(row, natal.chart);
    }
}

Conventions RandomConventions(std::mt19937& random) {
    Conventions conventions;
    for (const ConventionSwitch& s : ConventionSwitches())
        conventions.set(s.key, std::uniform_int_distribution<int>(0, s.valueCount - 1)(random));
    return conventions;
}

TEST(YearRows, EveryRowIsTheSingleQueryAtTheYearsTurnForRandomBirthsAndSchools) {
    std::mt19937 random(30);
    const sys_days first = 1901y / January / 1;
    const sys_days last = 2000y / December / 31;
    std::uniform_int_distribution<int> dayOffset(0, (last - first).count());
    for (int n = 0; n < kRandomBirths; ++n) {
        const Query birth{DateOf(first + days{dayOffset(random)}), std::uniform_int_distribution<int>(1, 13)(random),
                          std::uniform_int_distribution<int>(0, 1)(random), std::nullopt};
        const Conventions conventions = RandomConventions(random);
        ChartResult natal;
        ASSERT_FALSE(ComputeQuery(birth, Tables(), natal, conventions));
        const int from = natal.birth.LunarYear;
        ExpectRowsMatchSingleQueries(birth, {from, std::min(from + kReportYears - 1, LastReportYear())}, conventions);
    }
}

// Columns: birth date, period, gender, conventions (KEY=VALUE, blank-separated),
// the row's year, its turn (YYYY-MM-DD), nominal age, the decade's first and last age.
struct BoundaryRow {
    QueryDate birth;
    int period;
    int gender;
    const char* conventions;
    int year;
    QueryDate turn;
    int age;
    int decadeFirst;
    int decadeLast;
};

const BoundaryRow kBoundaryRows[] = {
    // Born on 正月初一 1984 (甲子), the day before it (癸亥 1983) and the day after.
    {{1984, 2, 2}, 7, 1, "", 1984, {1984, 2, 2}, 1, 0, 0},
    {{1984, 2, 2}, 7, 1, "", 1985, {1985, 2, 20}, 2, 0, 0},
    {{1984, 2, 1}, 7, 1, "", 1983, {1983, 2, 13}, 1, 0, 0},
    {{1984, 2, 1}, 7, 1, "", 1984, {1984, 2, 2}, 2, 0, 0},
    {{1984, 2, 3}, 7, 1, "", 1984, {1984, 2, 2}, 1, 0, 0},
    // Born on 立春 1984 (2月4日), counted from it: 立春 1985 falls before that
    // lunar new year, so the age, counted by lunar years, has not yet turned.
    {{1984, 2, 4}, 7, 1, "yearPillar=lichun flowingYear=lichun", 1984, {1984, 2, 4}, 1, 0, 0},
    {{1984, 2, 4}, 7, 1, "yearPillar=lichun flowingYear=lichun", 1985, {1985, 2, 4}, 1, 0, 0},
    {{1984, 2, 4}, 7, 1, "yearPillar=lichun flowingYear=lichun", 1986, {1986, 2, 4}, 2, 0, 0},
    {{1984, 2, 3}, 7, 1, "flowingYear=lichun", 1984, {1984, 2, 4}, 1, 0, 0},
    // One year turned under each flowingYear value.
    {{1990, 6, 15}, 4, 0, "flowingYear=lunarNewYear", 2020, {2020, 1, 25}, 31, 0, 0},
    {{1990, 6, 15}, 4, 0, "flowingYear=lichun", 2020, {2020, 2, 4}, 31, 0, 0},
    {{1990, 6, 15}, 4, 0, "flowingYear=lichun", 2021, {2021, 2, 3}, 31, 0, 0},
    // Born in a leap month (2020-04L-15): the birth year's turn lies before the birth.
    {{2020, 6, 6}, 7, 0, "", 2020, {2020, 1, 25}, 1, 0, 0},
    {{2020, 6, 6}, 7, 0, "leapBirth=never", 2021, {2021, 2, 12}, 2, 0, 0},
    // Bureau 6 (火六局): ages 1..5 before the first decade, under each childhood rule.
    {{1984, 2, 29}, 5, 1, "childhood=previous", 1988, {1988, 2, 17}, 5, 1, 5},
    {{1984, 2, 29}, 5, 1, "childhood=previous", 1989, {1989, 2, 6}, 6, 6, 15},
    {{1984, 2, 29}, 5, 1, "childhood=tongXian", 1984, {1984, 2, 2}, 1, 1, 1},
    {{1984, 2, 29}, 5, 1, "childhood=tongXian", 1988, {1988, 2, 17}, 5, 5, 5},
    {{1984, 2, 29}, 5, 1, "childhood=tongXian", 1989, {1989, 2, 6}, 6, 6, 15},
    // Past 120: the 1901 birth's ages run on through every sixty-year cycle.
    {{1901, 3, 1}, 1, 1, "", 2020, {2020, 1, 25}, 120, 0, 0},
    {{1901, 3, 1}, 1, 1, "", 2021, {2021, 2, 12}, 121, 0, 0},
    {{1901, 3, 1}, 1, 1, "", 2099, {2099, 1, 21}, 199, 0, 0},
};

TEST(YearRows, BoundaryBirthsAndYearsTurnOnTheirDayWithTheirAgeAndMatchSingleQueries) {
    for (const BoundaryRow& b : kBoundaryRows) {
        Conventions conventions;
        std::string pieces = b.conventions;
        for (std::size_t at = 0; at < pieces.size();) {
            const std::size_t end = std::min(pieces.find(' ', at), pieces.size());
            ASSERT_FALSE(SetConventionPiece(conventions, pieces.substr(at, end - at)));
            at = end + 1;
        }
        const Query birth{b.birth, b.period, b.gender, std::nullopt};
        const std::string where = std::to_string(b.birth.year) + "-" + std::to_string(b.birth.month) + "-" +
                                  std::to_string(b.birth.day) + " " + pieces + " year " + std::to_string(b.year);
        ChartResult natal;
        std::vector<YearRow> rows;
        ASSERT_FALSE(ComputeYearReport(birth, {b.year, b.year}, Tables(), conventions, natal, rows)) << where;
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(DateOf(rows[0].turn), b.turn) << where;
        EXPECT_EQ(rows[0].nominalAge, b.age) << where;
        if (b.decadeLast > 0) {
            EXPECT_EQ(rows[0].decadeFirstAge, b.decadeFirst) << where;
            EXPECT_EQ(rows[0].decadeLastAge, b.decadeLast) << where;
        }
        ExpectRowsMatchSingleQueries(birth, {b.year, b.year}, conventions);
    }
}

}  // namespace
}  // namespace velmora::tool
