#pragma once
// The thirteen charts of one birth date and gender, one per period (early 子
// .. late 子), for a birth whose hour is not known.

#include <array>
#include <optional>
#include <string>

#include "output/ChartRun.h"

namespace velmora::tool {

inline constexpr int kPeriodCount = kLastPeriod - kFirstPeriod + 1;
using AllPeriodCharts = std::array<ChartResult, kPeriodCount>;  // [period - 1]

// Computes `base` once for every period (its own period and shown moment are
// replaced: the charts are natal) under `conventions`, with the flights when
// `flying` is set. Gives the first message when a period cannot be charted.
std::optional<std::string> ComputeAllPeriods(Query base, const ReferenceTables& tables, bool flying,
                                             AllPeriodCharts& charts, const Conventions& conventions = {});

// The thirteen chart objects as one JSON array (no line end).
std::optional<std::string> AppendAllPeriodsJson(const Query& base, const ReferenceTables& tables,
                                                const ReferenceTables* words, bool flying, std::string& out,
                                                const Conventions& conventions = {});

}  // namespace velmora::tool
