#pragma once
// What the case library holds about one person, keyed by the id piece of
// the person's record in User.

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace velmora::files {
struct BirthRecord;
}

namespace velmora::cases {

inline const QString kCasesFile = QStringLiteral("Cases.sqlite");

// How far the birth hour can be trusted, as astrologers' data collections
// grade it: AA recorded at birth, A from memory, B from a biography, C vague,
// DD conflicting sources, X unknown.
inline const std::array<QString, 6> kGrades = {QStringLiteral("AA"), QStringLiteral("A"), QStringLiteral("B"),
                                               QStringLiteral("C"),  QStringLiteral("DD"), QStringLiteral("X")};
inline const QString kUnknownGrade = QStringLiteral("X");
bool IsGrade(const QString& grade);

// The six fields of a record: how a case whose id piece was dropped from
// User by an older program is found again.
struct PersonKey {
    QString name, gender, year, month, day, hour;
    friend bool operator==(const PersonKey&, const PersonKey&) = default;
};
PersonKey KeyOf(const files::BirthRecord& record);

struct CaseEvent {
    QString date;                 // "YYYY-MM-DD"
    std::optional<QString> time;  // "HH:MM", when known
    QString text;
    friend bool operator==(const CaseEvent&, const CaseEvent&) = default;
};

struct CaseEntry {
    QString id;  // the record's id piece
    PersonKey person;
    QString notes;
    QStringList tags;
    QString source;  // where the birth data came from
    QString grade = kUnknownGrade;
    std::vector<CaseEvent> events;  // in the order kept
    QString created;                // ISO 8601 UTC, set by the store when empty
    QString changed;
    friend bool operator==(const CaseEntry&, const CaseEntry&) = default;
};

// The time a store writes, e.g. "2026-12-08T02:50:00.125Z".
QString NowStamp();

}  // namespace velmora::cases
