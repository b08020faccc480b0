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

namespace {

// {"outward":[[branch,kind,star],..],"inward":[[branch,kind,star,by],..]}:
// 離心 and 向心, the transforming palace given for 向心 (the opposite one).
void AppendSelfJson(JsonWriter& json, const SelfTransformations& self) {
    json.raw("{\"outward\":[");
    for (std::size_t i = 0; i < self.outward.size(); ++i) {
        const SelfTransformation& s = self.outward[i];
        json.raw(i > 0 ? ",[" : "[").number(s.branch).raw(',').number(s.kind).raw(',').number(s.star).raw(']');
    }
    json.raw("],\"inward\":[");
    for (std::size_t i = 0; i < self.inward.size(); ++i) {
        const SelfTransformation& s = self.inward[i];
        json.raw(i > 0 ? ",[" : "[").number(s.branch).raw(',').number(s.kind).raw(',').number(s.star);
        json.raw(',').number(s.by).raw(']');
    }
    json.raw("]}");
}

void AppendLayerFlyingJson(JsonWriter& json, const LayerFlyingResult& layer) {
    json.raw("\"layerFlying\":{\"index\":").number(layer.index).raw(",\"focusBranch\":").number(layer.focusBranch);
    json.raw(",\"flights\":[");
    bool first = true;
    for (const LayerFlight& f : layer.flights) {
        if (!first) json.raw(',');
        first = false;
        json.raw("{\"palace\":").number(f.palace).raw(",\"from\":").number(f.from).raw(",\"stem\":").number(f.stem);
        json.raw(",\"kind\":").number(f.kind).raw(",\"star\":").number(f.star).raw(",\"to\":").number(f.to);
        json.raw(",\"opposite\":").number(f.opposite).raw('}');
    }
    json.raw("],\"selfFlying\":");
    AppendSelfJson(json, layer.self);
    json.raw('}');
}

}  // namespace

void AppendFlyingReadingJson(JsonWriter& json, const FlyingReading& reading) {
    json.raw("\"selfFlying\":");
    AppendSelfJson(json, reading.natalSelf);
    if (!reading.layer) return;
    json.raw(',');
    AppendLayerFlyingJson(json, *reading.layer);
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
