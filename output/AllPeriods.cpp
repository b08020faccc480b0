#include "output/AllPeriods.h"

namespace velmora::tool {

std::optional<std::string> ComputeAllPeriods(Query base, const ReferenceTables& tables, bool flying,
                                             AllPeriodCharts& charts, const Conventions& conventions) {
    base.at.reset();
    for (int period = kFirstPeriod; period <= kLastPeriod; ++period) {
        base.period = period;
        ChartResult& chart = charts[period - kFirstPeriod];
        if (auto problem = ComputeQuery(base, tables, chart, conventions)) return problem;
        if (flying) ComputeFlying(chart, tables);
    }
    return std::nullopt;
}

}  // namespace velmora::tool
