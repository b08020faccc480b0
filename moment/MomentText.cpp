#include "moment/MomentText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

#include "moment/MomentConversion.h"
#include "moment/MomentLimits.h"

namespace velmora::moment {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("velmora::moment", text); }

// A wall time to the nearest second.
qint64 WholeSeconds(double wall) { return std::llround(wall); }

QDateTime WallDateTime(double wall) {
    return QDateTime::fromSecsSinceEpoch(WholeSeconds(wall), Qt::UTC);
}

QString ArrowStep(const QString& label, const QString& time) {
    return QStringLiteral(" → %1 %2").arg(label, time);
}

}  // namespace

QString WallTimeText(double wall) { return WallDateTime(wall).time().toString(QStringLiteral("HH:mm:ss")); }

QString WallIsoText(double wall) { return WallDateTime(wall).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")); }

QString UtcIsoText(qint64 utcSeconds) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

QString UtcOffsetText(int offsetSeconds) {
    const QChar sign = offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const int magnitude = std::abs(offsetSeconds);
    const int hours = magnitude / kSecondsPerHour;
    const int minutes = magnitude % kSecondsPerHour / kSecondsPerMinute;
    const int seconds = magnitude % kSecondsPerMinute;
    QString text = QStringLiteral("UTC%1%2").arg(sign).arg(hours);
    if (minutes != 0 || seconds != 0) {
        text += QStringLiteral(":%1").arg(minutes, 2, 10, QLatin1Char('0'));
    }
    // Local mean time and a few old zone offsets run to the second.
    if (seconds != 0) {
        text += QStringLiteral(":%1").arg(seconds, 2, 10, QLatin1Char('0'));
    }
    return text;
}

QString FixedOffsetText(int offsetSeconds) {
    const int magnitude = std::abs(offsetSeconds);
    return QStringLiteral("UTC%1%2:%3")
        .arg(offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(magnitude / kSecondsPerHour, 2, 10, QLatin1Char('0'))
        .arg(magnitude % kSecondsPerHour / kSecondsPerMinute, 2, 10, QLatin1Char('0'));
}

std::optional<int> ParseFixedOffset(QStringView text) {
    // Captures: the sign, hours, minutes; or plain seconds.
    static const QRegularExpression kSigned(QStringLiteral("^(?:UTC)?([+-])(\\d{1,2})(?::(\\d{2}))?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression kSeconds(QStringLiteral("^-?(?:0|[1-9]\\d{0,5})$"));
    const QString trimmed = text.trimmed().toString();
    std::optional<int> offset;
    if (const QRegularExpressionMatch match = kSigned.match(trimmed); match.hasMatch()) {
        const int minutes = match.captured(3).toInt();
        if (minutes >= kSecondsPerHour / kSecondsPerMinute) return std::nullopt;
        const int magnitude = match.captured(2).toInt() * kSecondsPerHour + minutes * kSecondsPerMinute;
        offset = match.captured(1) == QLatin1String("-") ? -magnitude : magnitude;
    } else if (kSeconds.match(trimmed).hasMatch()) {
        offset = trimmed.toInt();
    }
    if (!offset || std::abs(*offset) > kLargestOffsetSeconds) return std::nullopt;
    return offset;
}

QString PeriodText(int period) {
    static const QString kBranches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
    if (period == kLatePeriod) {
        return Tr("晚子時");
    }
    if (period < 1 || period > kBranches.size()) {
        return {};
    }
    return kBranches.at(period - 1) + Tr("時");
}

QString StepLine(const MomentInput& input, const QString& placeName, const MomentSteps& steps) {
    const ClockReading& reading = steps.reading;
    QString zone = UtcOffsetText(reading.offsetSeconds);
    if (reading.daylightSeconds != 0) {
        zone = Tr("夏令時 %1").arg(zone);
    }
    QString line = QStringLiteral("%1 %2 %3（%4）")
                       .arg(input.date.toString(Qt::ISODate), input.clock.toString(QStringLiteral("HH:mm")),
                            placeName.isEmpty() ? Tr("經度 %1°").arg(input.longitude) : placeName, zone);
    if (reading.daylightSeconds != 0 && input.basis != Basis::Clock) {
        line += ArrowStep(Tr("標準時"), WallDateTime(steps.standardWall).toString(QStringLiteral("HH:mm")));
    }
    if (input.basis == Basis::MeanSolar || input.basis == Basis::TrueSolar) {
        line += ArrowStep(Tr("平太陽時"), WallTimeText(steps.meanSolarWall));
    }
    if (input.basis == Basis::TrueSolar) {
        line += ArrowStep(Tr("真太陽時"), WallTimeText(steps.trueSolarWall));
    }
    line += QStringLiteral(" → ");
    if (steps.chartDate != input.date) {
        line += steps.chartDate.toString(Qt::ISODate) + QLatin1Char(' ');
    }
    // A closing full-width parenthesis holds its own space.
    return line.replace(QStringLiteral("） →"), QStringLiteral("）→")) + PeriodText(steps.period);
}

QString LocalMeanTimeNote(const MomentInput& input) {
    const std::optional<int> offset = LocalMeanTimeOffset(input);
    if (!offset) return {};
    const QString longitude = QString::number(std::fabs(input.longitude), 'g', 9) +
                              (input.longitude < 0 ? QStringLiteral("°W") : QStringLiteral("°E"));
    return Tr("1900 年前無時區史料，以當地平太陽時（經度 %1，%2）計").arg(longitude, UtcOffsetText(*offset));
}

QString ResultNote(const MomentResult& result) {
    QStringList notes;
    if (result.status != ClockStatus::Single) {
        QStringList readings;
        for (const MomentSteps& steps : result.readings) {
            readings << QStringLiteral("%1 %2").arg(UtcOffsetText(steps.reading.offsetSeconds),
                                                   PeriodText(steps.period));
        }
        const QString what = result.status == ClockStatus::Repeated ? Tr("此鐘錶時間出現兩次（撥慢）")
                                                                    : Tr("此鐘錶時間被跳過（撥快）");
        notes << QStringLiteral("%1：%2").arg(what, readings.join(Tr("；")));
        if (result.readingsAgree) {
            notes << Tr("兩種讀法的日期與時辰相同");
        }
    }
    for (const MomentSteps& steps : result.readings) {
        if (steps.nearBoundary) {
            notes << Tr("離時辰交界不到五分鐘，請確認出生時間");
            break;
        }
    }
    return notes.join(QStringLiteral(" "));
}

}  // namespace velmora::moment
