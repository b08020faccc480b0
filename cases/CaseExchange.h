#pragma once
// The library as it travels between folders, programs and practitioners:
// each person's record (six fields and `key=value` pieces, as text) with
// the case kept about them. Written as JSON (docs/cases.schema.json) or CSV
// (one row a person, one a event); read back from either, and from a plain
// CSV of name, gender, date, time and place.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

#include "cases/CaseEntry.h"
#include "files/UserFile.h"

namespace velmora::cases {

inline constexpr int kExchangeVersion = 1;
inline const QString kExchangeFormat = QStringLiteral("velmora-cases");

struct ExchangePerson {
    PersonKey person;
    QStringList pieces;   // the record's pieces after the sixth field, in line order
    bool inUser = true;   // false: a case no record of User matches (未連結)
    std::optional<CaseEntry> entry;
    // The id the pieces or the case give, empty when neither does.
    QString id() const;
    friend bool operator==(const ExchangePerson&, const ExchangePerson&) = default;
};
using People = std::vector<ExchangePerson>;
using PeopleRead = std::variant<People, QString>;  // or what is wrong, naming the line or key

// Every record of User in order, each with its case, then the unlinked cases.
People GatherPeople(const std::vector<files::BirthRecord>& records, const std::vector<CaseEntry>& cases);
// The record for a person's fields and pieces, or the phrase refusing it.
std::variant<files::BirthRecord, QString> RecordOf(const ExchangePerson& person);

QByteArray PeopleToJson(const People& people);
PeopleRead PeopleFromJson(const QByteArray& bytes);

QByteArray PeopleToCsv(const People& people);
// Our own CSV (its header starts with "kind") or a plain one.
PeopleRead PeopleFromCsv(const QByteArray& bytes);

// CSV as rows of fields (RFC 4180 quoting; a UTF-8 byte-order mark is passed over).
std::vector<QStringList> ParseCsvRows(const QByteArray& bytes);
QString CsvField(const QString& text);

}  // namespace velmora::cases
