#pragma once
// The time layers over a natal chart: the nominal age, the palace a layer points
// at, the stem whose transformations are marked, and the flowing stars.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/CalendarDay.h"
#include "chart/BirthInput.h"
#include "chart/ChartState.h"
#include "chart/Conventions.h"

namespace velmora {

enum class Layer : int { Natal = 0, Decade = 1, MinorLimit = 2, Year = 3, Month = 4, Day = 5, Hour = 6 };
inline constexpr int kLayerCount = 7;

// The nominal age at the shown date (1 in the birth's lunar year), counting
// every sixty-year cycle. Returns false, leaving `nominalAge` unchanged, when
// no chart has been computed (the birth stem is 0). Counted from the birthday
// instead when the conventions say so.
bool oldx(const BirthInput& birth, const ChartState& chart, const CalendarDay& shown, std::int16_t& nominalAge,
          const Conventions& conventions = {});

// The values every layer starts from, none of them reduced.
struct LayerCommonValues {
    int douJun = 0;         // J: Dou Jun of the shown year
    int leapMonth = 0;      // λ: month the leap month follows, 12 when there is none
    int monthsElapsed = 0;  // e
    int flowingMonth = 0;   // FM
    int flowingDay = 0;     // FD
    int flowingHour = 0;    // FH
};
LayerCommonValues ComputeLayerCommon(const BirthInput& birth, const CalendarDay& shown,
                                     const Conventions& conventions = {});

// The shown moment's year as the flowing layers count it: from the lunar new
// year, or from 立春 when the conventions say so.
Pillar FlowingYearPillar(const CalendarDay& shown, const Conventions& conventions);

// What a layer sets; an empty field is left as it was (the natal layer sets
// nothing, and no layer sets MarkStem from a stem that was never computed).
struct LayerView {
    std::optional<std::int16_t> FocusBranch;  // 1..12
    std::optional<std::int16_t> MarkStem;     // 1..10
};
LayerView ComputeLayer(int layerIndex, const BirthInput& birth, const ChartState& chart, const CalendarDay& shown,
                       std::int16_t nominalAge, std::int16_t bureauNumber, const Conventions& conventions = {});

// One flowing star: its fixed name ("流祿" ..) and branch 1..12.
struct FlowingStar {
    std::string name;
    int branch = 0;
    friend bool operator==(const FlowingStar&, const FlowingStar&) = default;
};
// The flowing stars of layers 2..6 in the order they are appended to their
// branches' lines; nothing (the lines stay as they are) for layers 0 and 1.
std::optional<std::vector<FlowingStar>> FlowingStars(int layerIndex, const CalendarDay& shown,
                                                     const Conventions& conventions = {});

// CurrentTransformations from one line of the transformation table: [1] 祿,
// [2] 權, [3] 科, [4] 忌 as star numbers; a missing or non-numeric pair gives 0.
std::array<int, 5> ParseTransformations(std::string_view line);

}  // namespace velmora
