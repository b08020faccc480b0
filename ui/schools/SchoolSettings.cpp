#include "ui/schools/SchoolSettings.h"

#include "files/RecordExtras.h"
#include "files/UserFile.h"
#include "ui/common/Settings.h"

namespace velmora {

namespace {
const QString kPieceSeparator = QStringLiteral(";");
}  // namespace

Conventions ConventionsOf(const QString& profile, const QStringList& pieces) {
    const ConventionProfile* named = ProfileNamed(profile.toStdString());
    Conventions conventions = named != nullptr ? named->conventions : Conventions{};
    for (const QString& piece : pieces) {
        Conventions next = conventions;
        if (!SetConventionPiece(next, piece.toStdString())) conventions = next;
    }
    return conventions;
}

QStringList PiecesApartFrom(const QString& profile, const Conventions& conventions) {
    const Conventions base = ConventionsOf(profile, {});
    QStringList pieces;
    for (const ConventionSwitch& s : ConventionSwitches()) {
        if (conventions.choice(s.key) == base.choice(s.key)) continue;
        const std::string_view value = ConventionValueName(conventions, s.key);
        pieces << QString::fromUtf8(s.name.data(), s.name.size()) + QLatin1Char('=') +
                      QString::fromUtf8(value.data(), value.size());
    }
    return pieces;
}

SchoolChoice SchoolFromSettings(const Settings& settings) {
    SchoolChoice school;
    school.profile = settings.value(settings_keys::kProfile, school.profile).toString();
    const QStringList pieces =
        settings.value(settings_keys::kConventions).toString().split(kPieceSeparator, Qt::SkipEmptyParts);
    school.conventions = ConventionsOf(school.profile, pieces);
    return school;
}

void SaveSchool(Settings& settings, const SchoolChoice& school) {
    settings.setValue(settings_keys::kProfile, school.profile);
    settings.setValue(settings_keys::kConventions, PiecesApartFrom(school.profile, school.conventions).join(kPieceSeparator));
}

std::optional<SchoolChoice> SchoolOfRecord(const files::BirthRecord& record) {
    const std::optional<QString> profile = files::ExtraValue(record, files::extra_keys::kProfile);
    if (!profile) return std::nullopt;
    QStringList pieces;
    const QByteArray prefix(files::extra_keys::kConventionPrefix);
    for (const QByteArray& key : files::ExtraKeysWithPrefix(record, prefix)) {
        const std::optional<QString> value = files::ExtraValue(record, key);
        if (value) pieces << QString::fromLatin1(key.mid(prefix.size())) + QLatin1Char('=') + *value;
    }
    return SchoolChoice{*profile, ConventionsOf(*profile, pieces)};
}

std::optional<QString> SetSchoolOfRecord(files::BirthRecord& record, const std::optional<SchoolChoice>& school) {
    files::BirthRecord changed = record;
    const QByteArray prefix(files::extra_keys::kConventionPrefix);
    for (const QByteArray& key : files::ExtraKeysWithPrefix(changed, prefix)) files::SetExtra(changed, key, std::nullopt);
    files::SetExtra(changed, files::extra_keys::kProfile, std::nullopt);
    if (school) {
        if (auto problem = files::SetExtra(changed, files::extra_keys::kProfile, school->profile)) return problem;
        for (const QString& piece : PiecesApartFrom(school->profile, school->conventions)) {
            const qsizetype equals = piece.indexOf(QLatin1Char('='));
            const QByteArray key = prefix + piece.left(equals).toLatin1();
            if (auto problem = files::SetExtra(changed, key, piece.mid(equals + 1))) return problem;
        }
    }
    record = std::move(changed);
    return std::nullopt;
}

}  // namespace velmora
