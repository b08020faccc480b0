#pragma once
// The birth moment kept with a record in User: the clock time, place,
// longitude, zone (or a fixed offset), basis and chosen reading as key=value
// pieces after the sixth field. The six fields hold the chart's date and
// period, so readers that know only them still chart the person.

#include <QString>

#include <optional>

#include "files/UserFile.h"
#include "moment/BirthMoment.h"

namespace velmora::moment {

struct StoredMoment {
    QDate clockDate;                // the date on the clock, which can differ from the chart's
    QTime clock;                    // HH:MM
    QString place;                  // the place's name as picked, empty when typed by hand
    double longitude = 0.0;
    QByteArray zone;                // empty when a fixed offset is used
    std::optional<int> utcOffset;   // seconds
    Basis basis = Basis::Clock;
    std::optional<int> reading;     // 1 or 2, for a repeated or skipped clock time
    friend bool operator==(const StoredMoment&, const StoredMoment&) = default;
};

// The record's moment; unset when it has no clock time or the pieces do not
// make a usable moment (the six fields are then all there is).
std::optional<StoredMoment> ReadStoredMoment(const files::BirthRecord& record);

// Writes the moment's pieces (an unset moment removes them). The clock is
// "HH:MM" on the date of the six fields (set them first), otherwise
// "YYYY-MM-DD HH:MM". Pieces the
// moment does not use are removed; others are kept as they are. The phrase
// says why a value cannot be stored, and the record is then unchanged.
std::optional<QString> StoreMoment(files::BirthRecord& record, const std::optional<StoredMoment>& moment);

// The conversion input of a stored moment.
MomentInput InputOfStored(const StoredMoment& moment);

}  // namespace velmora::moment
