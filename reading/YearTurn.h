#pragma once
// Where a year of the flowing layers begins: its lunar new year (正月初一), or
// 立春 when the school counts the year from it.

#include <chrono>
#include <optional>

#include "chart/Conventions.h"

namespace velmora {

// The Gregorian day year `year` turns on under `rule`; nothing for a year the
// calendar tables do not hold (outside 1800..2200).
std::optional<std::chrono::sys_days> YearTurnDay(int year, FlowingYearRule rule);

}  // namespace velmora
