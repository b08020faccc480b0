#pragma once
// One query computed as the program computes it: the birth calendar, the
// natal chart with its brightness levels and transformations, and, when a
// shown moment is asked for, the layer the main window lays over a charted
// record.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calendar/CalendarDay.h"
#include "chart/BirthInput.h"
#include "chart/ChartState.h"
#include "chart/Conventions.h"
#include "chart/NatalChart.h"
#include "chart/ReferenceData.h"
#include "chart/TimeLayers.h"
#include "output/FlyingTransformations.h"
#include "output/Query.h"
#include "output/ReadingRun.h"

namespace velmora::tool {

// The reference tables, loaded once per run: the files do not change while
// it lasts. `names` is filled only when words are wanted.
struct ReferenceTables {
    NameList names;
    BrightnessTable brightness;
    std::vector<StarLevelRow> levelRows;
    TransformationTable transformations;
};

inline constexpr int kTransformationCount = 4;  // 祿 權 科 忌
using StarQuartet = std::array<int, kTransformationCount>;

struct LayerResult {
    int index = 0;
    CalendarDay shown;
    int nominalAge = 0;
    int focusBranch = 0;
    int markStem = 0;
    StarQuartet transformations{};
    std::vector<FlowingStar> flowingStars;  // empty for layers 0 and 1
};

struct ChartResult {
    Conventions conventions;  // the rules the chart was cast under
    CalendarDay birthDay;
    BirthInput birth;
    ChartState chart;
    int bureauNumber = 0;
    std::array<int, kBranches + 1> majorLimitStart{};  // [branch 1..12]
    StarQuartet transformations{};                     // of the birth year stem
    std::optional<LayerResult> layer;
    // The twelve palaces' flying transformations, when asked for (--flying).
    std::optional<std::vector<FlyingTransformation>> flying;
    // Relations and patterns, when asked for (--relations, --patterns).
    ChartReading reading;
    // Beside them, the 自化 and the shown layer's flights (--flying).
    std::optional<FlyingReading> flyingReading;
};

// Sets `flying` and `flyingReading` of a computed result: the natal palaces'
// flights, their 自化, and the shown layer's flights when there is one.
void ComputeFlying(ChartResult& result, const ReferenceTables& tables);

// The calendar of a date and period; false when the calendar cannot convert
// it (never for accepted query fields, checked so that nothing is made of
// a half-filled record).
bool CalendarOf(const QueryDate& date, int period, CalendarDay& day);

// Computes `query` into `result`, which starts from a fresh chart every time:
// a star without a row in the brightness table has level 0, whatever an
// earlier query left. Gives a message when a date cannot be charted.
std::optional<std::string> ComputeQuery(const Query& query, const ReferenceTables& tables, ChartResult& result,
                                        const Conventions& conventions = {});

// The same from the calendars of the birth and, when the query has one, of the
// shown moment (null otherwise), both as CalendarOf gives them: a convention
// that counts the late 子 hour as its own day recomputes them.
void ComputeFromCalendars(const Query& query, const CalendarDay& birthDay, const CalendarDay* shown,
                          const ReferenceTables& tables, const Conventions& conventions, ChartResult& result);

// Only the layer of ComputeFromCalendars, over the natal chart already in
// `result`, under `result.conventions`.
void ComputeLayerFromCalendar(const Query& query, const CalendarDay* shown, const ReferenceTables& tables,
                              ChartResult& result);

// The four stars of one stem's line of the transformation table, 祿 first.
StarQuartet TransformationsOf(const TransformationTable& table, int stem);

}  // namespace velmora::tool
