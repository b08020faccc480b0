#pragma once
// The chart on the main window as velmora-chart would be asked for it, and
// its text: "複製文字" copies exactly what `velmora-chart --text` prints for
// the same query, written by the same code.

#include <QString>

#include <optional>

#include "chart/Conventions.h"
#include "output/Query.h"

namespace velmora {

class ChartHost;

// A second person's birth laid over the chart on the board (對照), as
// `velmora-chart --with` is given it, with the school it is cast in.
struct SecondBirth {
    tool::Query query;
    Conventions conventions;
};

// The query of the chart on the board: the birth moment and gender, and for a
// charted record the shown date, period and layer. Nothing while no chart is shown.
std::optional<tool::Query> ShownQuery(ChartHost& form);

// The chart text of ShownQuery with the window's tables (its name list, level
// names, star levels and transformation table), and the overlay's blocks while
// a second birth is laid over the board; empty while no chart is shown.
QString ChartCopyText(ChartHost& form);

}  // namespace velmora
