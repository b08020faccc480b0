// The twelve palaces, the body palace and the five-element bureau, and the
// copy of the calendar's birth moment into the chart input.

#include <array>
#include <cstdint>
#include <string_view>

#include "chart/DigitTables.h"
#include "chart/NatalChart.h"

namespace velmora {

namespace {

constexpr int kLeapMonth = 2;            // CalendarDay::LeapKind of a date inside a leap month
constexpr int kLeapSecondHalfDay = 15;   // from this day on a leap month counts as the next month
constexpr int kLeapLateSplitDay = 16;    // the same, for schools that split the leap month a day later
constexpr int kTigerBranch = 3;          // 寅: the palace stems are counted from it
constexpr int kBureauCount = 5;
constexpr int kBranchPairs = 6;          // 子午, 丑未, 寅申, 卯酉, 辰戌, 巳亥

// Rows: bureau index 1..5 (木 火 土 金 水). Column p (1..6) is the branch pair of the
// life palace (子午 .. 巳亥); the digit is (life palace stem - 1) of the pairs that
// make that bureau in the 納音 cycle.
constexpr std::array<std::string_view, kBureauCount + 1> kBureauDigits = {
    "", "896745", "452301", "674523", "018967", "230189"};

// Bureau number (the first decade's starting age) by bureau index 1..5.
constexpr std::array<int, kBureauCount + 1> kBureauNumbers = {0, 3, 6, 5, 4, 2};

// The stem of the palace on `branch`: 寅 gets 丙 戊 庚 壬 甲 for year stems
// 甲己, 乙庚, 丙辛, 丁壬, 戊癸; each branch forward from 寅 takes the next stem.
constexpr int CountPalaceStem(int yearStem, int branch) {
    int t = PositiveMod(yearStem, 5);
    if (t == 0) t = 5;
    int tigerStem = 2 * t + 1;
    if (tigerStem > kStems) tigerStem -= kStems;
    const int stepsFromTiger = PositiveMod(branch - kTigerBranch, kBranches);
    return PositiveMod(tigerStem - 1 + stepsFromTiger, kStems) + 1;
}

// The same counted once for every year stem 1..10 (rows) and branch 1..12
// (columns): a chart asks it some fifteen times, and the three divisions
// each time cost as much as placing a group of stars.
using PalaceStemRows = std::array<std::array<std::int8_t, kBranches + 1>, kStems + 1>;
constexpr PalaceStemRows kPalaceStems = [] {
    PalaceStemRows rows{};
    for (int stem = 1; stem <= kStems; ++stem)
        for (int branch = 1; branch <= kBranches; ++branch)
            rows[stem][branch] = static_cast<std::int8_t>(CountPalaceStem(stem, branch));
    return rows;
}();

int PalaceStem(int yearStem, int branch) {
    if (yearStem >= 1 && yearStem <= kStems && branch >= 1 && branch <= kBranches)
        return kPalaceStems[yearStem][branch];
    return CountPalaceStem(yearStem, branch);
}

int BureauIndexOf(int lifeBranch, int lifeStem) {
    int p = PositiveMod(lifeBranch, kBranchPairs);
    if (p == 0) p = kBranchPairs;
    const char digit = static_cast<char>('0' + (lifeStem - 1));
    for (int i = 1; i <= kBureauCount; ++i) {
        if (kBureauDigits[i][p - 1] == digit) return i;
    }
    return 0;  // only a stem-branch pair of unlike parity matches no bureau
}

}  // namespace

int ReduceBranch(int value) { return WrapBranch(value); }

int PalaceStemOf(int yearStem, int branch) { return PalaceStem(yearStem, branch); }

int BureauNumberOf(int bureauIndex) {
    return bureauIndex >= 1 && bureauIndex <= kBureauCount ? kBureauNumbers[bureauIndex] : 0;
}

void ApplyLateZiRule(CalendarDay& day, const Conventions& conventions) {
    if (conventions.lateZi() != LateZiRule::sameDay || day.ClockHour != kLateZiClockHour) return;
    day.ClockHour = 0;
    CalcCalendar(day);
}

int LifePalaceMonth(int lunarMonth, int lunarDay, int leapKind, const Conventions& conventions) {
    if (leapKind != kLeapMonth) return lunarMonth;
    switch (conventions.leapBirth()) {
        case LeapBirthRule::day15: return lunarDay >= kLeapSecondHalfDay ? lunarMonth + 1 : lunarMonth;
        case LeapBirthRule::day16: return lunarDay >= kLeapLateSplitDay ? lunarMonth + 1 : lunarMonth;
        case LeapBirthRule::never: return lunarMonth;
        case LeapBirthRule::always: return lunarMonth + 1;
    }
    return lunarMonth;
}

void CopyBirthMoment(const CalendarDay& day, BirthInput& input, const Conventions& conventions) {
    input.SolarYear = day.SolarYear;
    input.SolarMonth = day.SolarMonth;
    input.SolarDay = day.SolarDay;
    input.ClockHour = day.ClockHour;
    input.LunarYear = day.LunarYear;
    input.LunarMonth = day.LunarMonth;
    input.LunarDay = day.LunarDay;
    input.HourBranch = day.HourBranch;
    const PillarTable& p = day.Pillars;
    input.YearStem = p.YearPillar.stem;
    input.MonthStem = p.MonthPillar.stem;
    input.DayStem = p.DayPillar.stem;
    input.HourStem = p.HourPillar.stem;
    input.YearBranch = p.YearPillar.branch;
    input.MonthBranch = p.MonthPillar.branch;
    input.DayBranch = p.DayPillar.branch;
    input.HourPillarBranch = p.HourPillar.branch;
    if (conventions.yearPillar() == YearPillarRule::lichun) {
        input.YearStem = p.SolarYearPillar.stem;
        input.YearBranch = p.SolarYearPillar.branch;
    }
    input.YinYang = static_cast<std::int16_t>(PositiveMod(input.YearStem, 2));
}

void ComputePalaces(const BirthInput& input, const CalendarDay& day, ChartState& chart,
                    const Conventions& conventions) {
    const int hour = input.HourPillarBranch;
    // By default the first fourteen days of a leap month count as the month it
    // follows, the rest as the next month, and only the life palace uses this
    // month; the body palace keeps the month as stored unless the school
    // carries the split over the whole chart.
    const int lifeMonth = LifePalaceMonth(input.LunarMonth, input.LunarDay, day.LeapKind, conventions);
    const int month = conventions.leapScope() == LeapScopeRule::all ? lifeMonth : input.LunarMonth;

    const int lifeBranch = ReduceBranch(lifeMonth + 3 - hour);
    for (int k = 1; k <= kBranches; ++k) {
        const int branch = ReduceBranch(lifeBranch - (k - 1));
        chart.PalaceTable[k] = {static_cast<std::int16_t>(PalaceStem(input.YearStem, branch)),
                                static_cast<std::int16_t>(branch)};
    }
    const int bodyBranch = ReduceBranch(hour + month + 1);
    chart.PalaceTable[kBodyPalaceRow] = {static_cast<std::int16_t>(PalaceStem(input.YearStem, bodyBranch)),
                                         static_cast<std::int16_t>(bodyBranch)};
    chart.BureauIndex = static_cast<std::int16_t>(BureauIndexOf(lifeBranch, chart.PalaceTable[1].stem));
}

std::array<int, kBranches + 1> MajorLimitStartAges(const BirthInput& input, const ChartState& chart) {
    constexpr int kDecadeYears = 10;
    const int first = BureauNumberOf(chart.BureauIndex);
    const int life = chart.PalaceTable[1].branch;
    const bool forward = input.YinYang == input.Gender;
    std::array<int, kBranches + 1> ages{};
    for (int branch = 1; branch <= kBranches; ++branch) {
        const int palacesOn = PositiveMod(forward ? branch - life : life - branch, kBranches);
        ages[branch] = first + kDecadeYears * palacesOn;
    }
    return ages;
}

void ComputeNatalChart(const CalendarDay& day, BirthInput& input, ChartState& chart,
                       const Conventions& conventions) {
    if (conventions.lateZi() == LateZiRule::sameDay && day.ClockHour == kLateZiClockHour) {
        CalendarDay sameDay = day;
        ApplyLateZiRule(sameDay, conventions);
        ComputeNatalChart(sameDay, input, chart, conventions);
        input.ClockHour = day.ClockHour;  // the moment stays as given: period 13
        return;
    }
    CopyBirthMoment(day, input, conventions);
    ComputePalaces(input, day, chart, conventions);
    PlaceStars(input, chart, conventions);
}

}  // namespace velmora
