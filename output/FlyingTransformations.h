#pragma once
// Flying transformations: each palace's stem makes four stars transform
// (祿 權 科 忌, by the transformation table), and the transformation "flies"
// from that palace to the palace holding the star. A palace whose own stem
// transforms a star inside it transforms itself (自化).

#include <optional>
#include <string>
#include <vector>

#include "chart/ChartState.h"
#include "chart/ReferenceData.h"
#include "reading/LayerFlying.h"

namespace velmora::tool {

struct FlyingTransformation {
    int from = 0;   // branch 1..12 of the palace whose stem transforms
    int stem = 0;   // 1..10, that palace's stem
    int kind = 0;   // 1 祿, 2 權, 3 科, 4 忌
    int star = 0;   // the transformed star
    int to = 0;     // branch 1..12 holding the star
    bool self() const { return from == to; }
    friend bool operator==(const FlyingTransformation&, const FlyingTransformation&) = default;
};

// The flights of the palace on `branch`, 祿 first; a table pair naming no
// star that stands on the board gives no flight.
std::vector<FlyingTransformation> FlightsFrom(int branch, const ChartState& chart, const TransformationTable& table);

// The flights of all twelve palaces, in palace order from the life palace.
std::vector<FlyingTransformation> AllFlights(const ChartState& chart, const TransformationTable& table);

// One palace's flights as a line of text:
//   "命宮（壬）化祿 天梁 入 父母；化權 紫微 入 …"
// `flights` are those of one palace (FlightsFrom); empty text for none.
std::string FlightsText(const std::vector<FlyingTransformation>& flights, const ChartState& chart,
                        const NameList& names);

// The flights of the shown layer: its twelve palaces named from its own life
// palace, each with the stem the layer gives it, and its 自化.
struct LayerFlyingResult {
    int index = 0;        // the layer 0..6
    int focusBranch = 0;  // the layer's life palace
    std::vector<LayerFlight> flights;
    SelfTransformations self;
};

// What --flying adds beside the natal flights: the natal chart's 自化 split
// into 離心 and 向心, and with a shown moment the layer's flights.
struct FlyingReading {
    SelfTransformations natalSelf;
    std::optional<LayerFlyingResult> layer;
};

// The palace (1..12) standing on `branch`, 0 when none does.
int PalaceOnBranch(int branch, const ChartState& chart);

}  // namespace velmora::tool
