#pragma once
// A typed clock time against a zone's history. Qt picks one reading of a
// repeated time and gives an invalid date for a skipped one, so the readings
// are found here: every offset in force within a day around the time is
// tried, and each UTC instant whose local reading equals the typed time kept.

#include <QTimeZone>

#include <vector>

#include "moment/BirthMoment.h"

namespace velmora::moment {

struct ClockReadings {
    ClockStatus status = ClockStatus::Single;
    // A repeated time's in UTC order; a skipped time's with the offset before
    // the jump, then after.
    std::vector<ClockReading> readings;
};

// `clockWall`: the typed date and time as seconds since 1970-01-01 00:00.
ClockReadings ReadClock(const QTimeZone& zone, qint64 clockWall);

// The zone of an IANA id, built once per id and thread (building one reads
// the system's zoneinfo); invalid for an unknown id.
const QTimeZone& ZoneOfId(const QByteArray& ianaId);

}  // namespace velmora::moment
