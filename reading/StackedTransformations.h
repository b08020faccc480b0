#pragma once
// The transformations stacked under a shown time layer: the birth year's,
// then those of each layer from the decade (大限) down to the one shown, each
// tagged with its layer, so the board can draw them one over another.

#include <array>
#include <string_view>
#include <vector>

#include "calendar/CalendarDay.h"
#include "chart/BirthInput.h"
#include "chart/ChartState.h"
#include "chart/Conventions.h"
#include "chart/ReferenceData.h"
#include "reading/PatternBoard.h"

namespace velmora::reading {

struct StackedTransformation {
    int layer = 0;          // 0 本命, 1 大限, 2 小限, 3 流年 .. 6 流時
    std::string_view tag;   // 生 大 小 年 月 日 時
    int markStem = 0;       // the stem whose transformations these are
    Quartet stars{};        // 祿 權 科 忌
    friend bool operator==(const StackedTransformation&, const StackedTransformation&) = default;
};

// What the stack is computed from: the natal chart and the shown moment with
// its nominal age, as the layers need them.
struct StackInput {
    const BirthInput* birth = nullptr;
    const ChartState* chart = nullptr;
    const CalendarDay* shown = nullptr;
    int nominalAge = 0;
    int bureauNumber = 0;
    const TransformationTable* table = nullptr;
    Conventions conventions;
};

// The layers stacked for `shownLayer` (0..6): 生 always; 大 from layer 1 on;
// then the shown layer itself, with 年 月 日 above each other on the way down
// to it (流月 stacks 生 大 年 月). 小限 stands beside 流年 rather than above
// it, so it is stacked only when it is the layer shown.
std::vector<StackedTransformation> StackTransformations(const StackInput& input, int shownLayer);

// The layers `shownLayer` stacks, from 生 down (the same rule, without a chart).
std::vector<int> StackedLayers(int shownLayer);

}  // namespace velmora::reading
