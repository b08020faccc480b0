#include "output/MomentRun.h"

#include <QDir>
#include <QStringList>

#include <vector>

#include "files/PlacesFile.h"
#include "files/Utf8.h"
#include "moment/MomentConversion.h"
#include "moment/MomentText.h"
#include "moment/PlaceSearch.h"

namespace velmora::tool {
namespace {

using moment::MomentResult;

constexpr std::size_t kPeriodField = 1;
constexpr std::size_t kClockLength = 5;  // HH:MM

std::string Utf8(const QString& text) { return text.toStdString(); }

std::optional<std::string> ApplyPlace(const std::string& name, const QString& dataFolder, MomentSetting& setting) {
    files::PlacesRead read = files::ReadPlacesFile(QDir(dataFolder).filePath(files::kPlacesFile));
    if (!read.diagnostics.ok()) return Utf8(read.diagnostics.error->describe());
    const moment::PlaceSearch search(std::move(read.places));
    const moment::PlaceSearch::Resolved resolved = search.resolve(files::FromUtf8(name));
    if (resolved.place == nullptr) {
        if (resolved.candidates.empty()) return "no place named " + name + " in the places list";
        QStringList labels;
        for (const files::Place* candidate : resolved.candidates) labels << moment::PlaceLabel(*candidate);
        return "place " + name + " is ambiguous: " + Utf8(labels.join(QStringLiteral("; ")));
    }
    setting.base.longitude = resolved.place->longitude;
    setting.base.zone = resolved.place->zone;
    setting.placeName = resolved.place->name();
    return std::nullopt;
}

bool IsClockText(std::string_view text) {
    return text.size() == kClockLength && text[2] == ':' &&
           QTime::fromString(QString::fromLatin1(text.data(), kClockLength), QStringLiteral("HH:mm")).isValid();
}

std::string ReadingsText(const MomentResult& result) {
    std::string text;
    for (std::size_t i = 0; i < result.readings.size(); ++i) {
        const moment::MomentSteps& steps = result.readings[i];
        if (i > 0) text += " or ";
        text += "--reading " + std::to_string(i + 1) + " (" +
                Utf8(moment::UtcOffsetText(steps.reading.offsetSeconds)) + ", " +
                Utf8(steps.chartDate.toString(Qt::ISODate)) + " period " + std::to_string(steps.period) + ")";
    }
    return text;
}

// The reading to chart, or a message asking for one.
std::variant<std::size_t, std::string> ChosenReading(const MomentResult& result, const MomentSetting& setting) {
    if (setting.reading) {
        const auto index = static_cast<std::size_t>(*setting.reading - 1);
        if (index < result.readings.size()) return index;
        return "--reading " + std::to_string(*setting.reading) + ": the clock time has one reading";
    }
    if (result.status == moment::ClockStatus::Single || result.readingsAgree) return std::size_t{0};
    const char* what = result.status == moment::ClockStatus::Repeated ? "occurred twice" : "was skipped";
    return std::string("the clock time ") + what + " there; choose " + ReadingsText(result);
}

}  // namespace

std::variant<MomentSetting, std::string> PrepareMoment(const MomentOptions& options, const QString& dataFolder) {
    MomentSetting setting;
    if (options.place) {
        if (auto problem = ApplyPlace(*options.place, dataFolder, setting)) return *problem;
    }
    if (options.longitude) {
        bool ok = false;
        setting.base.longitude = QString::fromStdString(*options.longitude).toDouble(&ok);
        if (!ok) return "--longitude must be a number of degrees, not " + *options.longitude;
    }
    if (options.zone) setting.base.zone = QByteArray::fromStdString(*options.zone);
    if (options.utcOffset) {
        setting.base.fixedOffsetSeconds = moment::ParseFixedOffset(QString::fromStdString(*options.utcOffset));
    }
    if (options.basis) setting.base.basis = *moment::BasisFromKey(QString::fromStdString(*options.basis));
    if (options.reading) setting.reading = std::stoi(*options.reading);
    return setting;
}

std::variant<MomentAnswer, std::string> AnswerMomentFields(std::span<const std::string_view> fields,
                                                           const MomentSetting& setting) {
    MomentAnswer answer;
    std::vector<std::string_view> charted(fields.begin(), fields.end());
    std::string chartDate;
    std::string period;
    if (charted.size() > kPeriodField && IsClockText(charted[kPeriodField])) {
        const std::optional<QueryDate> date = ParseDate(charted[0]);
        if (!date) return "DATE must be YYYY-MM-DD within 1800-01-01..2200-12-31, not " + std::string(charted[0]);
        answer.input = setting.base;
        answer.placeName = setting.placeName;
        answer.input.date = QDate(date->year, date->month, date->day);
        answer.input.clock = QTime::fromString(QString::fromLatin1(charted[kPeriodField].data(), kClockLength),
                                               QStringLiteral("HH:mm"));
        MomentResult result = moment::ConvertMoment(answer.input);
        if (result.error) return Utf8(*result.error);
        std::variant<std::size_t, std::string> chosen = ChosenReading(result, setting);
        if (auto* problem = std::get_if<std::string>(&chosen)) return *problem;
        answer.chosen = std::get<std::size_t>(chosen);
        const moment::MomentSteps& steps = result.readings[answer.chosen];
        chartDate = Utf8(steps.chartDate.toString(Qt::ISODate));
        period = std::to_string(steps.period);
        charted[0] = chartDate;
        charted[kPeriodField] = period;
        answer.result = std::move(result);
    }
    ParsedQuery parsed = ParseQueryFields(charted);
    if (auto* problem = std::get_if<std::string>(&parsed)) return std::move(*problem);
    answer.query = std::get<Query>(parsed);
    return answer;
}

std::variant<MomentAnswer, std::string> AnswerMomentLine(std::string_view line, const MomentSetting& setting) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t gap = line.find_first_of(" \t", start);
        const std::size_t end = gap == std::string_view::npos ? line.size() : gap;
        if (end > start) fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return AnswerMomentFields(fields, setting);
}

std::string MomentStepText(const MomentAnswer& answer, const MomentSetting& setting) {
    if (!answer.result) return {};
    QStringList lines{moment::StepLine(answer.input, setting.placeName, answer.result->readings[answer.chosen]),
                      moment::LocalMeanTimeNote(answer.input), moment::ResultNote(*answer.result)};
    lines.removeAll(QString());
    return Utf8(lines.join(QLatin1Char('\n'))) + '\n';
}

}  // namespace velmora::tool
