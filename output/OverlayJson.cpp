// The "overlay" member of the chart JSON: the first chart (a) and a second
// birth (b) laid over each other by branch.

#include "output/ReadingJson.h"

namespace velmora::tool {

namespace {

void AppendKinds(JsonWriter& json, const std::vector<int>& kinds) {
    json.raw('[');
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (i > 0) json.raw(',');
        json.number(kinds[i]);
    }
    json.raw(']');
}

void AppendCross(JsonWriter& json, std::string_view key,
                 const std::array<reading::CrossTransformation, reading::kQuartet>& cross) {
    json.raw(",\"").raw(key).raw("\":[");
    for (std::size_t i = 0; i < cross.size(); ++i) {
        const reading::CrossTransformation& c = cross[i];
        if (i > 0) json.raw(',');
        json.raw("{\"kind\":").number(c.kind).raw(",\"star\":").number(c.star);
        json.raw(",\"branch\":").number(c.branch).raw(",\"palace\":").number(c.palace).raw('}');
    }
    json.raw(']');
}

void AppendMeetings(JsonWriter& json, std::string_view key, const std::vector<reading::OverlayMeeting>& meetings) {
    json.raw(",\"").raw(key).raw("\":[");
    for (std::size_t i = 0; i < meetings.size(); ++i) {
        const reading::OverlayMeeting& m = meetings[i];
        if (i > 0) json.raw(',');
        json.raw("{\"branch\":").number(m.branch).raw(",\"palace\":").number(m.palace).raw(",\"own\":");
        AppendKinds(json, m.own);
        json.raw(",\"other\":");
        AppendKinds(json, m.other);
        json.raw('}');
    }
    json.raw(']');
}

}  // namespace

void AppendOverlayJson(JsonWriter& json, const reading::Overlay& overlay) {
    json.raw("\"overlay\":{\"palaces\":[");
    for (std::size_t i = 0; i < overlay.palaces.size(); ++i) {
        const reading::OverlayPalace& p = overlay.palaces[i];
        if (i > 0) json.raw(',');
        json.raw("{\"branch\":").number(p.branch).raw(",\"a\":").number(p.a).raw(",\"b\":").number(p.b).raw('}');
    }
    json.raw(']');
    AppendCross(json, "aInB", overlay.aInB);
    AppendCross(json, "bInA", overlay.bInA);
    AppendMeetings(json, "meetInA", overlay.meetInA);
    AppendMeetings(json, "meetInB", overlay.meetInB);
    json.raw('}');
}

}  // namespace velmora::tool
