#include "moment/ClockReadings.h"

#include <QDateTime>

#include <algorithm>
#include <map>

#include "moment/MomentLimits.h"

namespace velmora::moment {
namespace {

// One stretch of the zone's history: its offset and daylight part, and the
// UTC second it began (the earliest one looked at for the first stretch).
struct OffsetSpan {
    qint64 startUtc = 0;
    int offset = 0;
    int daylight = 0;
};

QDateTime AtUtc(qint64 seconds) { return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC); }

// The spans in force from a day before the clock time to a day after it.
std::vector<OffsetSpan> SpansAround(const QTimeZone& zone, qint64 clockWall) {
    const qint64 first = clockWall - kSecondsPerDaySpan - kLargestOffsetSeconds;
    const qint64 last = clockWall + kSecondsPerDaySpan + kLargestOffsetSeconds;
    const QDateTime start = AtUtc(first);
    std::vector<OffsetSpan> spans{{first, zone.offsetFromUtc(start), zone.daylightTimeOffset(start)}};
    QTimeZone::OffsetData next = zone.nextTransition(start);
    while (next.atUtc.isValid() && next.atUtc.toSecsSinceEpoch() <= last) {
        spans.push_back({next.atUtc.toSecsSinceEpoch(), next.offsetFromUtc, next.daylightTimeOffset});
        next = zone.nextTransition(next.atUtc);
    }
    return spans;
}

bool ReadsAs(const std::vector<OffsetSpan>& spans, std::size_t index, qint64 clockWall) {
    const qint64 utc = clockWall - spans[index].offset;
    const bool afterStart = index == 0 || utc >= spans[index].startUtc;
    const bool beforeEnd = index + 1 == spans.size() || utc < spans[index + 1].startUtc;
    return afterStart && beforeEnd;
}

ClockReading ReadingOf(const OffsetSpan& span, qint64 clockWall) {
    return {clockWall - span.offset, span.offset, span.daylight};
}

// A skipped time lies in the gap a forward jump leaves: offer the reading
// with the offset before the jump first, then the one with the offset after.
ClockReadings SkippedReadings(const std::vector<OffsetSpan>& spans, qint64 clockWall) {
    for (std::size_t i = 1; i < spans.size(); ++i) {
        const qint64 gapStart = spans[i].startUtc + spans[i - 1].offset;
        const qint64 gapEnd = spans[i].startUtc + spans[i].offset;
        if (clockWall >= gapStart && clockWall < gapEnd) {
            return {ClockStatus::Skipped, {ReadingOf(spans[i - 1], clockWall), ReadingOf(spans[i], clockWall)}};
        }
    }
    return {ClockStatus::Skipped, {}};
}

}  // namespace

ClockReadings ReadClock(const QTimeZone& zone, qint64 clockWall) {
    const std::vector<OffsetSpan> spans = SpansAround(zone, clockWall);
    ClockReadings result;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (ReadsAs(spans, i, clockWall)) {
            result.readings.push_back(ReadingOf(spans[i], clockWall));
        }
    }
    if (result.readings.empty()) {
        return SkippedReadings(spans, clockWall);
    }
    std::sort(result.readings.begin(), result.readings.end(),
              [](const ClockReading& a, const ClockReading& b) { return a.utcSeconds < b.utcSeconds; });
    result.status = result.readings.size() > 1 ? ClockStatus::Repeated : ClockStatus::Single;
    return result;
}

const QTimeZone& ZoneOfId(const QByteArray& ianaId) {
    thread_local std::map<QByteArray, QTimeZone> zones;
    auto found = zones.find(ianaId);
    if (found == zones.end()) {
        found = zones.emplace(ianaId, QTimeZone(ianaId)).first;
    }
    return found->second;
}

}  // namespace velmora::moment
