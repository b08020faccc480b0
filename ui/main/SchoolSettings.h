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

}  // namespace velmora
