// The library as JSON: {"format": "velmora-cases", "version": 1, "people": [...]},
// as docs/cases.schema.json describes it.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cases/CaseExchange.h"

namespace velmora::cases {

namespace {

QJsonObject EventToJson(const CaseEvent& event) {
    QJsonObject object{{"date", event.date}, {"text", event.text}};
    object.insert("time", event.time ? QJsonValue(*event.time) : QJsonValue());
    return object;
}

QJsonObject EntryToJson(const CaseEntry& entry) {
    QJsonArray events;
    for (const CaseEvent& event : entry.events) events.append(EventToJson(event));
    return {{"id", entry.id},          {"notes", entry.notes},     {"tags", QJsonArray::fromStringList(entry.tags)},
            {"source", entry.source},  {"grade", entry.grade},     {"created", entry.created},
            {"changed", entry.changed}, {"events", events}};
}

QJsonObject PersonToJson(const ExchangePerson& person) {
    const PersonKey& p = person.person;
    return {{"name", p.name},   {"gender", p.gender}, {"year", p.year},
            {"month", p.month}, {"day", p.day},       {"hour", p.hour},
            {"inUser", person.inUser}, {"pieces", QJsonArray::fromStringList(person.pieces)},
            {"case", person.entry ? QJsonValue(EntryToJson(*person.entry)) : QJsonValue()}};
}

QStringList Strings(const QJsonValue& value) {
    QStringList strings;
    for (const QJsonValue& item : value.toArray()) strings.append(item.toString());
    return strings;
}

std::variant<CaseEntry, QString> EntryFromJson(const QJsonObject& object) {
    CaseEntry entry;
    entry.id = object.value("id").toString();
    entry.notes = object.value("notes").toString();
    entry.tags = Strings(object.value("tags"));
    entry.source = object.value("source").toString();
    entry.grade = object.value("grade").toString(kUnknownGrade);
    entry.created = object.value("created").toString();
    entry.changed = object.value("changed").toString();
    if (entry.id.isEmpty()) return QStringLiteral("case 沒有 id");
    if (!IsGrade(entry.grade)) return QStringLiteral("case %1 的 grade「%2」不是 AA A B C DD X 之一").arg(entry.id, entry.grade);
    for (const QJsonValue& value : object.value("events").toArray()) {
        const QJsonObject event = value.toObject();
        const QJsonValue time = event.value("time");
        entry.events.push_back({event.value("date").toString(),
                                time.isString() ? std::optional<QString>(time.toString()) : std::nullopt,
                                event.value("text").toString()});
    }
    return entry;
}

}  // namespace

QByteArray PeopleToJson(const People& people) {
    QJsonArray array;
    for (const ExchangePerson& person : people) array.append(PersonToJson(person));
    const QJsonObject root{{"format", kExchangeFormat}, {"version", kExchangeVersion}, {"people", array}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

PeopleRead PeopleFromJson(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (document.isNull()) return QStringLiteral("不是 JSON（第 %1 個位元組：%2）").arg(error.offset).arg(error.errorString());
    const QJsonObject root = document.object();
    if (root.value("format").toString() != kExchangeFormat) return QStringLiteral("format 不是 velmora-cases");
    if (root.value("version").toInt() != kExchangeVersion)
        return QStringLiteral("version %1 不是這個程式認得的 %2").arg(root.value("version").toInt()).arg(kExchangeVersion);
    People people;
    for (const QJsonValue& value : root.value("people").toArray()) {
        const QJsonObject object = value.toObject();
        ExchangePerson person{{object.value("name").toString(), object.value("gender").toString(),
                               object.value("year").toString(), object.value("month").toString(),
                               object.value("day").toString(), object.value("hour").toString()},
                              Strings(object.value("pieces")), object.value("inUser").toBool(true), std::nullopt};
        if (object.value("case").isObject()) {
            auto entry = EntryFromJson(object.value("case").toObject());
            if (auto* problem = std::get_if<QString>(&entry)) return QStringLiteral("第 %1 人：").arg(people.size() + 1) + *problem;
            person.entry = std::get<CaseEntry>(std::move(entry));
            person.entry->person = person.person;
        }
        people.push_back(std::move(person));
    }
    return people;
}

}  // namespace velmora::cases
