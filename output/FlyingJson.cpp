// The "flying" member of the chart JSON and the thirteen-period array.

#include "output/AllPeriods.h"
#include "output/ChartJson.h"

namespace velmora::tool {

void AppendFlyingJson(JsonWriter& json, const std::vector<FlyingTransformation>& flights) {
    json.raw("\"flying\":[");
    bool first = true;
    for (const FlyingTransformation& f : flights) {
        if (!first) json.raw(',');
        first = false;
        json.raw("{\"from\":").number(f.from).raw(",\"stem\":").number(f.stem);
        json.raw(",\"kind\":").number(f.kind).raw(",\"star\":").number(f.star);
        json.raw(",\"to\":").number(f.to).raw('}');
    }
    json.raw(']');
}

std::optional<std::string> AppendAllPeriodsJson(const Query& base, const ReferenceTables& tables,
                                                const ReferenceTables* words, bool flying, std::string& out,
                                                const Conventions& conventions) {
    AllPeriodCharts charts;
    if (auto problem = ComputeAllPeriods(base, tables, flying, charts, conventions)) return problem;
    out += '[';
    for (std::size_t i = 0; i < charts.size(); ++i) {
        if (i > 0) out += ',';
        AppendChartJson(charts[i], words, out);
    }
    out += ']';
    return std::nullopt;
}

}  // namespace velmora::tool
