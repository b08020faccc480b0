#pragma once
// A second person's birth laid over the chart (--with, or a batch line's part
// after "/"): the second chart is cast under its own school, and the overlay
// of the two kept in the first chart's reading.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "chart/Conventions.h"
#include "output/ChartRun.h"
#include "output/Query.h"

namespace velmora::tool {

struct OverlayOptions {
    std::optional<Query> with;                // --with DATE PERIOD GENDER, for one chart or every batch line
    DateCalendar calendar = DateCalendar::Gregorian;  // --with-lunar: the second DATE is lunar
    std::optional<Conventions> conventions;   // --with-profile: the second person's school; the first's when absent
    bool any() const { return with.has_value(); }
};

// The second birth's three fields DATE PERIOD GENDER, as given after --with
// or after a batch line's "/"; the message names it as the second birth's.
ParsedQuery ParseSecondBirth(std::span<const std::string_view> fields, DateCalendar calendar);
ParsedQuery ParseSecondBirthLine(std::string_view text, DateCalendar calendar);

// A batch line split at its "/": the first birth's fields, then the second's
// when the line gives one.
struct BatchLineParts {
    std::string_view first;
    std::optional<std::string_view> second;
};
BatchLineParts SplitAtSecondBirth(std::string_view line);

// Casts `with` under `conventions` and lays it over the chart in `result`
// (already computed); a message when the second birth cannot be charted.
std::optional<std::string> ComputeOverlay(const Query& with, const Conventions& conventions,
                                          const ReferenceTables& tables, ChartResult& result);

// The readings `reading` asks for, then `with` (when set) laid over the chart
// under `conventions`; the second birth's message when it cannot be charted.
std::optional<std::string> ReadChart(const ReadingOptions& reading, const std::optional<Query>& with,
                                     const Conventions& conventions, const ReferenceTables& tables,
                                     ChartResult& result);

}  // namespace velmora::tool
