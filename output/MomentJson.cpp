// The "moment" object: every step from the clock time to the chart's date
// and period, seconds for offsets, ISO texts for times.

#include <charconv>
#include <array>

#include "moment/MomentText.h"
#include "output/ChartJson.h"
#include "output/MomentRun.h"

namespace velmora::tool {
namespace {

constexpr int kLongitudeDecimals = 5;
constexpr int kSecondDecimals = 1;

std::string Utf8(const QString& text) { return text.toStdString(); }

void Decimal(JsonWriter& json, double value, int decimals) {
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                   std::chars_format::fixed, decimals).ptr;
    json.raw(std::string_view(digits.data(), end));
}

void AppendReading(JsonWriter& json, const moment::MomentSteps& steps) {
    json.raw("{\"utcOffset\":").number(steps.reading.offsetSeconds);
    json.raw(",\"daylight\":").number(steps.reading.daylightSeconds);
    json.raw(",\"utc\":").string(Utf8(moment::UtcIsoText(steps.reading.utcSeconds)));
    json.raw(",\"date\":").string(Utf8(steps.chartDate.toString(Qt::ISODate)));
    json.raw(",\"period\":").number(steps.period).raw('}');
}

void AppendMoment(JsonWriter& json, const MomentAnswer& answer) {
    const moment::MomentResult& result = *answer.result;
    const moment::MomentSteps& steps = result.readings[answer.chosen];
    const moment::MomentInput& input = answer.input;
    json.raw("\"moment\":{\"clock\":").string(Utf8(input.date.toString(Qt::ISODate) + QLatin1Char('T') +
                                                   input.clock.toString(QStringLiteral("HH:mm"))));
    if (!answer.placeName.isEmpty()) json.raw(",\"place\":").string(Utf8(answer.placeName));
    const std::string zone = input.fixedOffsetSeconds ? Utf8(moment::FixedOffsetText(*input.fixedOffsetSeconds))
                                                      : input.zone.toStdString();
    json.raw(",\"zone\":").string(zone);
    json.raw(",\"utcOffset\":").number(steps.reading.offsetSeconds);
    json.raw(",\"daylight\":").number(steps.reading.daylightSeconds);
    json.raw(",\"utc\":").string(Utf8(moment::UtcIsoText(steps.reading.utcSeconds)));
    json.raw(",\"longitude\":");
    Decimal(json, input.longitude, kLongitudeDecimals);
    json.raw(",\"standard\":").string(Utf8(moment::WallIsoText(static_cast<double>(steps.standardWall))));
    json.raw(",\"meanSolar\":").string(Utf8(moment::WallIsoText(steps.meanSolarWall)));
    json.raw(",\"equationOfTime\":");
    Decimal(json, steps.equationOfTimeSeconds, kSecondDecimals);
    json.raw(",\"trueSolar\":").string(Utf8(moment::WallIsoText(steps.trueSolarWall)));
    json.raw(",\"basis\":").string(Utf8(moment::BasisKey(input.basis)));
    json.raw(",\"date\":").string(Utf8(steps.chartDate.toString(Qt::ISODate)));
    json.raw(",\"period\":").number(steps.period);
    json.raw(",\"nearBoundary\":").raw(steps.nearBoundary ? "true" : "false");
    json.raw(",\"reading\":").number(static_cast<int>(answer.chosen) + 1);
    json.raw(",\"readings\":[");
    for (std::size_t i = 0; i < result.readings.size(); ++i) {
        if (i > 0) json.raw(',');
        AppendReading(json, result.readings[i]);
    }
    json.raw("]}");
}

}  // namespace

void AppendChartJsonWithMoment(const ChartResult& result, const ReferenceTables* words, const MomentAnswer& answer,
                               std::string& out) {
    AppendChartJson(result, words, out);
    if (!answer.result) return;
    out.pop_back();  // the chart object's closing brace: "moment" joins it as its last member
    JsonWriter json(out);
    json.raw(',');
    AppendMoment(json, answer);
    json.raw('}');
}

}  // namespace velmora::tool
