#include "moment/StoredMoment.h"

#include <QStringList>

#include <utility>
#include <vector>

#include "files/RecordExtras.h"

namespace velmora::moment {
namespace {

namespace keys = files::extra_keys;
using Pieces = std::vector<std::pair<QByteArray, std::optional<QString>>>;

inline constexpr int kLongitudeDecimals = 5;

std::optional<double> Number(const std::optional<QString>& text) {
    bool ok = false;
    const double value = text ? text->toDouble(&ok) : 0.0;
    return ok ? std::optional<double>(value) : std::nullopt;
}

QDate DateOfFields(const files::BirthRecord& record) {
    return QDate(record.year.toInt(), record.month.toInt(), record.day.toInt());
}

QString ClockText(const StoredMoment& moment, const QDate& chartDate) {
    const QString time = moment.clock.toString(QStringLiteral("HH:mm"));
    return moment.clockDate == chartDate ? time : moment.clockDate.toString(Qt::ISODate) + QLatin1Char(' ') + time;
}

// "HH:MM" on the fields' date, or "YYYY-MM-DD HH:MM".
void ReadClockText(const QString& text, const QDate& chartDate, StoredMoment& moment) {
    const QStringList parts = text.split(QLatin1Char(' '));
    moment.clockDate = parts.size() == 2 ? QDate::fromString(parts[0], Qt::ISODate) : chartDate;
    moment.clock = QTime::fromString(parts.back(), QStringLiteral("HH:mm"));
}

Pieces PiecesOf(const std::optional<StoredMoment>& moment, const QDate& chartDate) {
    if (!moment) {
        return {{keys::kClock, {}}, {keys::kPlace, {}}, {keys::kLongitude, {}}, {keys::kZone, {}},
                {keys::kUtcOffset, {}}, {keys::kBasis, {}}, {keys::kReading, {}}};
    }
    auto optionalText = [](bool present, const QString& text) {
        return present ? std::optional<QString>(text) : std::nullopt;
    };
    return {
        {keys::kClock, ClockText(*moment, chartDate)},
        {keys::kPlace, optionalText(!moment->place.isEmpty(), moment->place)},
        {keys::kLongitude, QString::number(moment->longitude, 'f', kLongitudeDecimals)},
        {keys::kZone, optionalText(!moment->utcOffset, QString::fromUtf8(moment->zone))},
        {keys::kUtcOffset, optionalText(moment->utcOffset.has_value(), QString::number(moment->utcOffset.value_or(0)))},
        {keys::kBasis, BasisKey(moment->basis)},
        {keys::kReading, optionalText(moment->reading.has_value(), QString::number(moment->reading.value_or(0)))},
    };
}

}  // namespace

std::optional<StoredMoment> ReadStoredMoment(const files::BirthRecord& record) {
    const std::optional<QString> clock = files::ExtraValue(record, keys::kClock);
    const std::optional<double> longitude = Number(files::ExtraValue(record, keys::kLongitude));
    if (!clock || !longitude) return std::nullopt;
    StoredMoment moment;
    ReadClockText(*clock, DateOfFields(record), moment);
    moment.place = files::ExtraValue(record, keys::kPlace).value_or(QString());
    moment.longitude = *longitude;
    moment.zone = files::ExtraValue(record, keys::kZone).value_or(QString()).toUtf8();
    if (const std::optional<double> offset = Number(files::ExtraValue(record, keys::kUtcOffset))) {
        moment.utcOffset = static_cast<int>(*offset);
    }
    moment.basis = BasisFromKey(files::ExtraValue(record, keys::kBasis).value_or(QString())).value_or(Basis::Clock);
    if (const std::optional<double> reading = Number(files::ExtraValue(record, keys::kReading))) {
        moment.reading = static_cast<int>(*reading);
    }
    const bool usable = moment.clockDate.isValid() && moment.clock.isValid() && (moment.utcOffset || !moment.zone.isEmpty());
    return usable ? std::optional<StoredMoment>(moment) : std::nullopt;
}

std::optional<QString> StoreMoment(files::BirthRecord& record, const std::optional<StoredMoment>& moment) {
    files::BirthRecord changed = record;
    for (const auto& [key, value] : PiecesOf(moment, DateOfFields(record))) {
        if (std::optional<QString> problem = files::SetExtra(changed, key, value)) return problem;
    }
    record = std::move(changed);
    return std::nullopt;
}

MomentInput InputOfStored(const StoredMoment& moment) {
    return {moment.clockDate, moment.clock, moment.longitude, moment.zone, moment.utcOffset, moment.basis};
}

}  // namespace velmora::moment
