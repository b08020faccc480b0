#pragma once
// A query whose PERIOD is a clock time at a place: the moment options made
// into a conversion input once per run, each query's clock time converted to
// the chart's date and period, and the "moment" object of its JSON.

#include <QString>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "moment/BirthMoment.h"
#include "output/ChartRun.h"
#include "output/JsonWriter.h"
#include "output/MomentOptions.h"
#include "output/Query.h"

namespace velmora::tool {

// The options resolved once: the place looked up, the zone and basis known.
struct MomentSetting {
    moment::MomentInput base;   // date and clock are filled per query
    QString placeName;          // empty when typed as longitude and zone
    std::optional<int> reading; // 1-based
};

// A message when the place is unknown or ambiguous (naming the candidates)
// or the places list beside the data cannot be read.
std::variant<MomentSetting, std::string> PrepareMoment(const MomentOptions& options, const QString& dataFolder);

struct MomentAnswer {
    Query query;
    // Set when PERIOD was a clock time: the conversion and the reading charted.
    std::optional<moment::MomentResult> result;
    moment::MomentInput input;
    QString placeName;
    std::size_t chosen = 0;
};

// DATE PERIOD GENDER [AT-DATE AT-PERIOD LAYER] with PERIOD as HH:MM (or a
// plain period, charted as it is). A message when the time cannot be
// charted, or when it was repeated or skipped with readings that differ and
// no --reading chose one.
std::variant<MomentAnswer, std::string> AnswerMomentFields(std::span<const std::string_view> fields,
                                                           const MomentSetting& setting);

// The same for a batch line (fields between blanks or tabs).
std::variant<MomentAnswer, std::string> AnswerMomentLine(std::string_view line, const MomentSetting& setting);

// The chart's object with "moment" as its last member when a clock time was given.
void AppendChartJsonWithMoment(const ChartResult& result, const ReferenceTables* words, const MomentAnswer& answer,
                               std::string& out);

// The step line of the charted reading, for the text output; empty without a clock time.
std::string MomentStepText(const MomentAnswer& answer, const MomentSetting& setting);

}  // namespace velmora::tool
