#pragma once
// The natal chart on numbers: palaces, bureau, the placement of stars 1..91 and
// their brightness. No file is read here; the caller loads the brightness and
// transformation tables through the files room and applies the levels.

#include <array>
#include <cstdint>
#include <vector>

#include "calendar/CalendarDay.h"
#include "chart/BirthInput.h"
#include "chart/ChartState.h"
#include "chart/Conventions.h"

namespace velmora {

// Brings a branch value into 1..12 by adding or subtracting 12.
int ReduceBranch(int value);

// Under the same-day late 子 rule a moment in period 13 is charted as period 1
// of its own date: the calendar is computed again at clock hour 0. Any other
// moment or rule leaves `day` as it is.
void ApplyLateZiRule(CalendarDay& day, const Conventions& conventions);

// Copies the birth moment of `day` into `input` (dates, hour, the four pillars'
// stems and branches) and sets YinYang from the year stem. Gender is kept.
// The year stem and branch are those of the year pillar the conventions count
// from (the lunar new year, or 立春).
void CopyBirthMoment(const CalendarDay& day, BirthInput& input, const Conventions& conventions = {});

// Palaces 1..12 and the body palace (row 13) with their stems, and the bureau.
void ComputePalaces(const BirthInput& input, const CalendarDay& day, ChartState& chart,
                    const Conventions& conventions = {});

// Places stars 1..91 (their branches), the Dou Jun of the 子 year, the life and
// body masters, the per-branch star lists and the sixty-cycle table. Levels are
// left as they are: ApplyStarLevels sets them from the brightness table.
// A star a convention leaves unplaced stands on branch 0 and in no list.
void PlaceStars(BirthInput& input, ChartState& chart, const Conventions& conventions = {});

// The bureau's number (the first decade's starting age) by bureau index 1..5:
// 3, 6, 5, 4, 2; 0 for any other index.
int BureauNumberOf(int bureauIndex);

// The first age of each palace's decade (major limit), by branch 1..12 ([0]
// unused): the bureau number on the life palace, ten years more for each palace
// further on, forward for a yang man or a yin woman and backward otherwise.
std::array<int, 13> MajorLimitStartAges(const BirthInput& input, const ChartState& chart);

// One star row of the brightness table: the star and its level 0..7 in each
// branch, levels[0] for 子 .. levels[11] for 亥.
struct StarLevelRow {
    int star = 0;
    std::array<std::int8_t, 12> levels{};
    friend bool operator==(const StarLevelRow&, const StarLevelRow&) = default;
};

// Gives every star that has a row the level of the branch it stands on. A star
// without a row keeps the level it had; rows naming no star 1..110 change nothing.
void ApplyStarLevels(const std::vector<StarLevelRow>& rows, ChartState& chart);

// ApplyLateZiRule, CopyBirthMoment, ComputePalaces and PlaceStars in order: the
// whole natal chart for the moment in `day` and the gender already in `input`.
void ComputeNatalChart(const CalendarDay& day, BirthInput& input, ChartState& chart,
                       const Conventions& conventions = {});

// The stem of the palace standing on `branch` in a year of `yearStem` (五虎遁:
// 寅 gets 丙 戊 庚 壬 甲 for 甲己, 乙庚, 丙辛, 丁壬, 戊癸 years, each branch on the next stem).
int PalaceStemOf(int yearStem, int branch);

// The month m' the life palace counts from (the birth month, or the next one
// for a birth in a leap month as the conventions split it), not reduced.
int LifePalaceMonth(int lunarMonth, int lunarDay, int leapKind, const Conventions& conventions);

}  // namespace velmora
