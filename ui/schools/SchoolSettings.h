#pragma once
// Where the school a chart is cast in comes from: the user's setting (a
// profile, and the switches set apart from it), or a record's own pieces
// (`profile=NAME` and `conv.KEY=VALUE` after the sixth field).

#include <QString>
#include <QStringList>

#include <optional>

#include "chart/Conventions.h"

namespace velmora {

class Settings;
namespace files {
struct BirthRecord;
}

struct SchoolChoice {
    QString profile = QString::fromUtf8(kDefaultProfileName.data(), kDefaultProfileName.size());
    Conventions conventions;
};

// The profile's conventions with `pieces` ("KEY=VALUE") over them; pieces
// naming no switch or value are passed over. An unknown profile is Velmora.
Conventions ConventionsOf(const QString& profile, const QStringList& pieces);
// "KEY=VALUE" for each switch where `conventions` differ from the profile's.
QStringList PiecesApartFrom(const QString& profile, const Conventions& conventions);

SchoolChoice SchoolFromSettings(const Settings& settings);
void SaveSchool(Settings& settings, const SchoolChoice& school);

// The record's own school, when it names a profile.
std::optional<SchoolChoice> SchoolOfRecord(const files::BirthRecord& record);
// Writes `school` onto the record as `profile=NAME` and a `conv.KEY=VALUE`
// for each switch apart from it, replacing any school it carried; unset
// removes them, so the record follows the setting again. Other pieces stay
// as they were. A problem (a name Big5 cannot hold) leaves the record as it was.
std::optional<QString> SetSchoolOfRecord(files::BirthRecord& record, const std::optional<SchoolChoice>& school);

}  // namespace velmora
