#pragma once
// The year-by-year report: one row for each year of a span, computed at the
// day the year turns as the school counts it (正月初一, or 立春 under
// flowingYear=lichun), with the decade (大限), minor limit (小限) and flowing
// year (流年) as a single shown moment at that day gives them, and how the
// three layers' palaces lie over one another.

#include <array>
#include <chrono>
#include <functional>
#include <vector>

#include "calendar/CalendarDay.h"
#include "chart/BirthInput.h"
#include "chart/ChartState.h"
#include "chart/Conventions.h"
#include "chart/ReferenceData.h"
#include "chart/TimeLayers.h"

namespace velmora {

inline constexpr int kYearRowTransformations = 4;  // 祿 權 科 忌
inline constexpr int kJiKind = 4;                  // 化忌, the fourth
// The clock hour a year row's day is taken at (午): any hour of the day gives
// the same year layers, and noon keeps clear of the late 子 hour.
inline constexpr int kYearRowClockHour = 12;

// A branch with the palace it is in each of the three namings: natal (命宮 ..),
// the decade's (大命 ..) and the year's (年命 ..), each 1..12; 0 for none.
struct PalaceOverlay {
    int branch = 0;
    int natal = 0;
    int decade = 0;
    int year = 0;
    friend bool operator==(const PalaceOverlay&, const PalaceOverlay&) = default;
};

// One layer of a row, as a single query's "layer" gives it.
struct YearRowLayer {
    int focusBranch = 0;
    int markStem = 0;
    std::array<int, kYearRowTransformations> transformations{};  // stars, 祿 first
    std::vector<FlowingStar> flowingStars;
    PalaceOverlay focus;  // the palace the layer points at, in the three namings
    // Where each transformed star stands, and where the 化忌 strikes across
    // the board (沖), in the three namings.
    std::array<PalaceOverlay, kYearRowTransformations> landings{};
    PalaceOverlay jiClash;
};

struct YearRow {
    int year = 0;                   // the Gregorian year that names the row
    std::chrono::sys_days turn{};   // the day the row is computed at
    CalendarDay shown;              // that day's calendar, at kYearRowClockHour
    Pillar pillar;                  // the year's stem and branch as the layers count it
    int nominalAge = 0;
    YearRowLayer decade;
    int decadeStem = 0;             // the natal stem of the decade's palace
    int decadeFirstAge = 0;         // the nominal ages the decade spans
    int decadeLastAge = 0;
    YearRowLayer minor;
    YearRowLayer annual;
    // The twelve year palaces from 年命 on: their branches and the natal and
    // decade palaces they fall on.
    std::array<PalaceOverlay, kBranches> yearPalaces{};
    // Filled by the year layer's pattern finder when one is given to the
    // report (YearReportInput::patterns); empty otherwise.
    std::vector<int> patterns;
};

struct YearReportInput {
    const BirthInput& birth;
    const ChartState& chart;
    int bureauNumber = 0;
    const Conventions& conventions;
    const TransformationTable& transformations;
    // The hook for the year layer's patterns: called for each row once its
    // layers stand, to fill `row.patterns`.
    std::function<void(YearRow& row)> patterns;
};

// The first and last year a report may span: the years the calendar holds.
int FirstReportYear();
int LastReportYear();

// The row of `year` into `row` (whose buffers are reused); false when the
// calendar cannot give the year's turn.
bool ComputeYearRow(const YearReportInput& input, int year, YearRow& row);

// The rows of fromYear..toYear in order; empty when a year lies outside the
// calendar's years or the span is reversed.
std::vector<YearRow> ComputeYearRows(const YearReportInput& input, int fromYear, int toYear);

}  // namespace velmora
