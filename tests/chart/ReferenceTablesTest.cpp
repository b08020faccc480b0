// Every row of every placement table against a reference written once from the
// peer library iztro 2.6.1 or a cited rule (tests/chart/reference, by
// make_chart_reference.mjs; each file names its source). One loop per table.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"
#include "tests/ReferenceCsv.h"
#include "tests/calendar/CalendarTestSupport.h"

namespace velmora {
namespace {

const std::string kReferenceDir = VELMORA_CHART_REFERENCE_DIR;

int Branch(const std::string& name) { return test::NumberOfName(test::kBranchNames, name); }
int Stem(const std::string& name) { return test::NumberOfName(test::kStemNames, name); }
int Number(const std::string& text) { return std::stoi(text); }

test::ReferenceList Load(const char* file, std::size_t keyFields = 1) {
    test::ReferenceList list = test::ReadReference(kReferenceDir + "/" + file, keyFields);
    EXPECT_FALSE(list.rows.empty()) << file << " missing or empty";
    return list;
}

struct Birth {
    int yearStem = 1, yearBranch = 1, month = 1, day = 1, hour = 1, gender = 1, lunarYear = 1984;
    int bureauIndex = 0;  // 0: the bureau the palaces give
};

struct Placed {
    BirthInput input;
    ChartState chart;
    int at(int star) const { return chart.StarTable[star].branch; }
};

// The chart of a hand-filled birth: only the fields the rules read are set.
Placed Place(const Birth& b) {
    Placed p;
    p.input.YearStem = static_cast<std::int16_t>(b.yearStem);
    p.input.YearBranch = static_cast<std::int16_t>(b.yearBranch);
    p.input.LunarYear = static_cast<std::int16_t>(b.lunarYear);
    p.input.LunarMonth = static_cast<std::int16_t>(b.month);
    p.input.LunarDay = static_cast<std::int16_t>(b.day);
    p.input.HourBranch = p.input.HourPillarBranch = static_cast<std::int16_t>(b.hour);
    p.input.YinYang = static_cast<std::int16_t>(b.yearStem % 2);
    p.input.Gender = static_cast<std::int16_t>(b.gender);
    ComputePalaces(p.input, CalendarDay{}, p.chart);
    if (b.bureauIndex != 0) p.chart.BureauIndex = static_cast<std::int16_t>(b.bureauIndex);
    PlaceStars(p.input, p.chart);
    return p;
}

// Columns from `first` on name the branches of `stars` in order.
void ExpectBranches(const Placed& p, const test::CsvRow& row, std::size_t first, std::initializer_list<int> stars) {
    std::size_t column = first;
    for (const int star : stars) {
        EXPECT_EQ(p.at(star), Branch(row[column++])) << "star " << star << " in row " << testing::PrintToString(row);
    }
}

TEST(ReferenceTables, BureauOfEveryLifePalacePair) {
    for (const test::CsvRow& row : Load("bureau.csv").rows) {
        // The life palace stands on `branch` for month branch - 2 at the 子 hour; a year stem gives its stem.
        const int month = ReduceBranch(Branch(row[1]) - 2);
        int found = 0;
        for (int yearStem = 1; yearStem <= kStems; ++yearStem) {
            const Placed p = Place({.yearStem = yearStem, .month = month});
            if (p.chart.PalaceTable[1].stem != Stem(row[0])) continue;
            found = p.chart.BureauIndex;
        }
        EXPECT_EQ(found, Number(row[2])) << row[0] << row[1];
    }
}

TEST(ReferenceTables, ZiWeiByBureauAndDay) {
    for (const test::CsvRow& row : Load("ziwei.csv", 2).rows) {
        const Placed p = Place({.day = Number(row[1]), .bureauIndex = Number(row[0])});
        ExpectBranches(p, row, 2, {1});
    }
}

TEST(ReferenceTables, YearStemStarsAndTheirFlowingStars) {
    for (const test::CsvRow& row : Load("year_stem.csv").rows) {
        const int stem = Stem(row[0]);
        ExpectBranches(Place({.yearStem = stem}), row, 1, {21, 25, 26, 19, 20, 29, 30});
        CalendarDay shown;
        shown.Pillars.YearPillar = {static_cast<std::int16_t>(stem), 1};
        shown.Pillars.DayPillar = {static_cast<std::int16_t>(stem), 1};
        const auto yearStars = FlowingStars(static_cast<int>(Layer::Year), shown).value();
        const auto dayStars = FlowingStars(static_cast<int>(Layer::Day), shown).value();
        // Columns 8..14: 流祿 流羊 流陀 流魁 流鉞 流昌 流曲.
        const int want[] = {Branch(row[8]), Branch(row[9]), Branch(row[10]), Branch(row[11]), Branch(row[12]),
                            Branch(row[13]), Branch(row[14])};
        const FlowingStar yearWant[] = {{"流祿", want[0]}, {"流羊", want[1]}, {"流陀", want[2]}, {"流昌", want[5]},
                                        {"流曲", want[6]}};
        const FlowingStar dayWant[] = {{"流祿", want[0]}, {"流羊", want[1]}, {"流陀", want[2]}, {"流魁", want[3]},
                                       {"流鉞", want[4]}};
        EXPECT_EQ(std::vector<FlowingStar>(yearStars.begin(), yearStars.begin() + 5),
                  std::vector<FlowingStar>(std::begin(yearWant), std::end(yearWant))) << "year stem " << row[0];
        EXPECT_EQ(dayStars, std::vector<FlowingStar>(std::begin(dayWant), std::end(dayWant))) << "day stem " << row[0];
    }
}

TEST(ReferenceTables, YearBranchStars) {
    for (const test::CsvRow& row : Load("year_branch.csv").rows) {
        ExpectBranches(Place({.yearBranch = Branch(row[0])}), row, 1, {22, 35, 36, 37, 38, 39, 40, 41, 42, 43, 45, 80});
    }
}

TEST(ReferenceTables, HourStars) {
    for (const test::CsvRow& row : Load("hour.csv").rows) {
        ExpectBranches(Place({.hour = Branch(row[0])}), row, 1, {15, 16, 27, 28, 48, 49});
    }
}

TEST(ReferenceTables, FireAndBellStarsByYearBranchAndHour) {
    for (const test::CsvRow& row : Load("huo_ling.csv", 2).rows) {
        ExpectBranches(Place({.yearBranch = Branch(row[0]), .hour = Branch(row[1])}), row, 2, {23, 24});
    }
}

TEST(ReferenceTables, MonthStars) {
    for (const test::CsvRow& row : Load("month.csv").rows) {
        ExpectBranches(Place({.month = Number(row[0])}), row, 1, {17, 18, 33, 34, 44});
    }
}

TEST(ReferenceTables, DayStars) {
    for (const test::CsvRow& row : Load("day.csv", 3).rows) {
        const Placed p = Place({.month = Number(row[0]), .day = Number(row[2]), .hour = Branch(row[1])});
        ExpectBranches(p, row, 3, {46, 47, 50, 51});
    }
}

TEST(ReferenceTables, LifeAndBodyPalacesAndTheirStars) {
    for (const test::CsvRow& row : Load("palace_stars.csv", 3).rows) {
        const Placed p = Place({.yearBranch = Branch(row[2]), .month = Number(row[0]), .hour = Branch(row[1])});
        EXPECT_EQ(p.chart.PalaceTable[1].branch, Branch(row[3])) << testing::PrintToString(row);
        EXPECT_EQ(p.chart.PalaceTable[kBodyPalaceRow].branch, Branch(row[4])) << testing::PrintToString(row);
        ExpectBranches(p, row, 5, {52, 53, 31, 32});
    }
}

TEST(ReferenceTables, GrowthAndBoShiRings) {
    for (const test::CsvRow& row : Load("rings.csv", 3).rows) {
        const bool growth = row[0] == "長生";
        const bool forward = row[2] == "1";
        Birth birth{.gender = forward ? 1 : 0};  // 甲: a yang year, forward for a man
        if (growth) birth.bureauIndex = Number(row[1]);
        else birth.yearStem = Number(row[1]), birth.gender = forward == (birth.yearStem % 2 == 1) ? 1 : 0;
        const Placed p = Place(birth);
        const int first = growth ? 54 : 68;
        ExpectBranches(p, row, 3, {first, first + 1, first + 2, first + 3, first + 4, first + 5, first + 6, first + 7,
                                   first + 8, first + 9, first + 10, first + 11});
    }
}

TEST(ReferenceTables, YearGodsOfTheFlowingYear) {
    for (const test::CsvRow& row : Load("year_gods.csv").rows) {
        CalendarDay shown;
        shown.Pillars.YearPillar = {1, static_cast<std::int16_t>(Branch(row[0]))};
        const auto stars = FlowingStars(static_cast<int>(Layer::Year), shown).value();
        const std::vector<FlowingStar> want = {{"奏書", Branch(row[1])}, {"將軍", Branch(row[2])}, {"直符", Branch(row[3])}};
        EXPECT_EQ(std::vector<FlowingStar>(stars.end() - 3, stars.end()), want) << "year branch " << row[0];
    }
}

TEST(ReferenceTables, VoidPairOfEveryYearOfTheCycle) {
    int place = 0;  // 1864 is a 甲子 year
    for (const test::CsvRow& row : Load("void_pair.csv", 2).rows) {
        const Placed p = Place({.yearStem = Stem(row[0]), .yearBranch = Branch(row[1]), .lunarYear = 1864 + place++});
        ExpectBranches(p, row, 2, {66, 67});
    }
}

TEST(ReferenceTables, MastersByYearBranch) {
    const test::ReferenceList list = Load("masters.csv");
    for (const test::CsvRow& row : list.rows) {
        const test::CsvRow& want = list.kept.contains(row[0]) ? list.kept.at(row[0]) : test::CsvRow(row.begin() + 1, row.end());
        const Placed p = Place({.yearBranch = Branch(row[0])});
        EXPECT_EQ(p.input.LifeMaster, Number(want[0])) << "year branch " << row[0];
        EXPECT_EQ(p.input.BodyMaster, Number(want[1])) << "year branch " << row[0];
    }
}

TEST(ReferenceTables, DouJunByMonthAndHour) {
    for (const test::CsvRow& row : Load("dou_jun.csv", 2).rows) {
        const Placed p = Place({.month = Number(row[0]), .hour = Branch(row[1])});
        EXPECT_EQ(p.input.DouJunBranch, Branch(row[2])) << "month " << row[0] << " hour " << row[1];
    }
}

TEST(ReferenceTables, MinorLimitByYearBranchGenderAndAge) {
    for (const test::CsvRow& row : Load("minor_limit.csv", 3).rows) {
        const Placed p = Place({.yearBranch = Branch(row[0]), .gender = Number(row[1])});
        const LayerView view = ComputeLayer(static_cast<int>(Layer::MinorLimit), p.input, p.chart, CalendarDay{},
                                            static_cast<std::int16_t>(Number(row[2])), 2);
        EXPECT_EQ(view.FocusBranch.value_or(0), Branch(row[3])) << testing::PrintToString(row);
    }
}

TEST(ReferenceTables, WorkedChartsEveryStar) {
    // Columns: birth (solar date, clock hour, gender), what, star or branch, expected value.
    std::map<std::string, Placed> charts;
    for (const test::CsvRow& row : Load("worked_charts.csv", 5).rows) {
        const std::string birth = row[0] + " " + row[1] + " " + (row[2] == "1" ? "male" : "female");
        if (!charts.contains(birth)) {
            const CalendarDay day = test::Calculate(Number(row[0].substr(0, 4)), Number(row[0].substr(5, 2)),
                                                    Number(row[0].substr(8, 2)), Number(row[1]));
            Placed& p = charts[birth];
            p.input.Gender = static_cast<std::int16_t>(Number(row[2]));
            ComputeNatalChart(day, p.input, p.chart);
        }
        const Placed& p = charts.at(birth);
        const std::string& what = row[3];
        const std::string& value = row[5];
        if (what == "star") {
            EXPECT_EQ(p.at(Number(row[4])), Branch(value)) << birth << ": star " << row[4];
        }
        if (what == "decade") {
            EXPECT_EQ(MajorLimitStartAges(p.input, p.chart)[Branch(row[4])], Number(value)) << birth << ": " << row[4];
        }
        if (what == "life master") {
            EXPECT_EQ(p.input.LifeMaster, Number(value)) << birth;
        }
        if (what == "body master") {
            EXPECT_EQ(p.input.BodyMaster, Number(value)) << birth;
        }
        if (what == "dou jun") {
            EXPECT_EQ(p.input.DouJunBranch, Branch(value)) << birth;
        }
    }
    EXPECT_EQ(charts.size(), 5u);
}

}  // namespace
}  // namespace velmora
