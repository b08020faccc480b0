#include "moment/MomentConversion.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>

#include "moment/ClockReadings.h"
#include "moment/EquationOfTime.h"
#include "moment/MomentLimits.h"

namespace velmora::moment {
namespace {

const QDate kUnixEpochDate(1970, 1, 1);

qint64 WallOf(const QDate& date, const QTime& time) {
    return kUnixEpochDate.daysTo(date) * kSecondsPerDaySpan + time.msecsSinceStartOfDay() / 1000;
}

double BasisWall(const MomentSteps& steps, Basis basis) {
    switch (basis) {
        case Basis::Clock: return static_cast<double>(steps.clockWall);
        case Basis::Standard: return static_cast<double>(steps.standardWall);
        case Basis::MeanSolar: return steps.meanSolarWall;
        case Basis::TrueSolar: return steps.trueSolarWall;
    }
    return static_cast<double>(steps.clockWall);
}

MomentSteps StepsOf(const ClockReading& reading, const MomentInput& input) {
    MomentSteps steps;
    steps.reading = reading;
    steps.clockWall = reading.utcSeconds + reading.offsetSeconds;
    steps.standardWall = steps.clockWall - reading.daylightSeconds;
    const double utc = static_cast<double>(reading.utcSeconds);
    steps.meanSolarWall = utc + input.longitude * kSecondsPerDegreeOfLongitude;
    steps.equationOfTimeSeconds = EquationOfTimeSeconds(JulianDayOfUnixSeconds(utc));
    steps.trueSolarWall = steps.meanSolarWall + steps.equationOfTimeSeconds;
    steps.basisWall = BasisWall(steps, input.basis);
    const double days = std::floor(steps.basisWall / kSecondsPerDaySpan);
    const double secondsOfDay = steps.basisWall - days * kSecondsPerDaySpan;
    steps.chartDate = kUnixEpochDate.addDays(static_cast<qint64>(days));
    steps.period = PeriodOfSecondsOfDay(secondsOfDay);
    steps.nearBoundary = NearPeriodBoundary(secondsOfDay);
    return steps;
}

QString Tr(const char* text) { return QCoreApplication::translate("velmora::moment", text); }

std::optional<QString> InputProblem(const MomentInput& input) {
    if (!input.date.isValid() || !input.clock.isValid()) {
        return Tr("出生日期或時間無效");
    }
    if (!std::isfinite(input.longitude) || std::fabs(input.longitude) > kLargestLongitude) {
        return Tr("經度須在 -180 至 180 度之間");
    }
    if (input.fixedOffsetSeconds && std::abs(*input.fixedOffsetSeconds) > kLargestOffsetSeconds) {
        return Tr("UTC 偏移須在 ±15 小時之內");
    }
    if (!input.fixedOffsetSeconds && !ZoneOfId(input.zone).isValid()) {
        return Tr("不認得的時區：%1").arg(QString::fromUtf8(input.zone));
    }
    return std::nullopt;
}

// A zone whose clock changed by 1950 (a fixed zone such as Etc/UTC never did).
bool HasClockChanges(const QTimeZone& zone) {
    const QDateTime from(FirstChartDate(), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(1950, 1, 1), QTime(0, 0), Qt::UTC);
    return !zone.transitions(from, to).isEmpty();
}

bool InChartRange(const MomentSteps& steps) {
    return steps.chartDate >= FirstChartDate() && steps.chartDate <= LastChartDate();
}

}  // namespace

int PeriodOfSecondsOfDay(double secondsOfDay) {
    const int hour = static_cast<int>(secondsOfDay) / kSecondsPerHour;
    return hour == kLatePeriodHour ? kLatePeriod : (hour + 1) / 2 + 1;
}

bool NearPeriodBoundary(double secondsOfDay) {
    const double intoPeriod = std::fmod(secondsOfDay + kSecondsPerHour, kPeriodSeconds);
    const double toOddHour = std::min(intoPeriod, kPeriodSeconds - intoPeriod);
    const double toMidnight = std::min(secondsOfDay, kSecondsPerDaySpan - secondsOfDay);
    return std::min(toOddHour, toMidnight) < kNearBoundarySeconds;
}

std::optional<int> LocalMeanTimeOffset(const MomentInput& input) {
    // A zone that ever changed its clock has no recorded history this early: local mean time.
    if (input.fixedOffsetSeconds || !input.date.isValid() || input.date >= FirstZoneHistoryDate()) {
        return std::nullopt;
    }
    const QTimeZone zone = ZoneOfId(input.zone);
    if (!zone.isValid() || !HasClockChanges(zone)) return std::nullopt;
    return static_cast<int>(std::lround(input.longitude * kSecondsPerDegreeOfLongitude));
}

MomentResult ConvertMoment(const MomentInput& input) {
    MomentResult result;
    if (std::optional<QString> problem = InputProblem(input)) {
        result.error = problem;
        return result;
    }
    const qint64 clockWall = WallOf(input.date, input.clock);
    ClockReadings clock;
    if (input.fixedOffsetSeconds) {
        clock.readings.push_back({clockWall - *input.fixedOffsetSeconds, *input.fixedOffsetSeconds, 0});
    } else if (const std::optional<int> localMeanOffset = LocalMeanTimeOffset(input)) {
        clock.readings.push_back({clockWall - *localMeanOffset, *localMeanOffset, 0});
    } else {
        clock = ReadClock(ZoneOfId(input.zone), clockWall);
    }
    result.status = clock.status;
    for (const ClockReading& reading : clock.readings) {
        result.readings.push_back(StepsOf(reading, input));
    }
    for (const MomentSteps& steps : result.readings) {
        if (!InChartRange(steps)) {
            result.error = Tr("換算後的日期 %1 不在 1800-01-01 至 2200-12-31 之內")
                               .arg(steps.chartDate.toString(Qt::ISODate));
            return result;
        }
        const MomentSteps& first = result.readings.front();
        result.readingsAgree = result.readingsAgree && steps.chartDate == first.chartDate &&
                               steps.period == first.period;
    }
    if (result.readings.empty()) {
        result.error = Tr("此時區查不到這個鐘錶時間");
    }
    return result;
}

}  // namespace velmora::moment
