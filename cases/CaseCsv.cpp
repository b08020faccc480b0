// The library as CSV, UTF-8 with a header: one row a person (kind "person")
// followed by one row for each of the person's events (kind "event"). Pieces
// are joined by TAB, tags by ';'. A CSV whose header does not start with
// "kind" is read as a plain list of name, gender, date, time and place.

#include <QDate>
#include <QTime>

#include "cases/CaseExchange.h"
#include "chart/ReferenceData.h"
#include "files/RecordExtras.h"

namespace velmora::cases {

namespace {

// The columns of our own CSV, in order.
const QStringList kColumns = {"kind",  "id",     "name",  "gender", "year",    "month",   "day",
                              "hour",  "in_user", "case", "pieces", "notes",   "tags",    "source",
                              "grade", "created", "changed", "date", "time",   "text"};
enum Column { Kind, Id, Name, Gender, Year, Month, Day, Hour, InUser, HasCase, Pieces, Notes, Tags, Source,
              Grade, Created, Changed, Date, Time, Text, ColumnCount };

QString Row(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) quoted.append(CsvField(field));
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QStringList PersonRow(const ExchangePerson& person) {
    const PersonKey& p = person.person;
    QStringList row(ColumnCount);
    row[Kind] = QStringLiteral("person");
    row[Id] = person.id();
    row[Name] = p.name, row[Gender] = p.gender, row[Year] = p.year, row[Month] = p.month;
    row[Day] = p.day, row[Hour] = p.hour;
    row[InUser] = person.inUser ? QStringLiteral("1") : QStringLiteral("0");
    row[Pieces] = person.pieces.join(QLatin1Char('\t'));
    if (const auto& e = person.entry) {
        row[HasCase] = QStringLiteral("1");
        row[Notes] = e->notes, row[Tags] = e->tags.join(QLatin1Char(';')), row[Source] = e->source;
        row[Grade] = e->grade, row[Created] = e->created, row[Changed] = e->changed;
    }
    return row;
}

ExchangePerson PersonFromRow(const QStringList& row) {
    ExchangePerson person{{row[Name], row[Gender], row[Year], row[Month], row[Day], row[Hour]},
                          row[Pieces].isEmpty() ? QStringList{} : row[Pieces].split(QLatin1Char('\t')),
                          row[InUser] != QLatin1String("0"), std::nullopt};
    if (row[HasCase] == QLatin1String("1")) {
        const QStringList tags = row[Tags].isEmpty() ? QStringList{} : row[Tags].split(QLatin1Char(';'));
        person.entry = CaseEntry{row[Id],  person.person, row[Notes],   tags,          row[Source],
                                 row[Grade], {},          row[Created], row[Changed]};
    }
    return person;
}

PeopleRead OwnCsv(const std::vector<QStringList>& rows) {
    People people;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        QStringList row = rows[i];
        while (row.size() < ColumnCount) row.append(QString());
        const QString where = QStringLiteral("第 %1 行：").arg(i + 1);
        if (row[Kind] == QLatin1String("person")) {
            people.push_back(PersonFromRow(row));
            if (people.back().entry && !IsGrade(people.back().entry->grade))
                return where + QStringLiteral("grade「%1」不是 AA A B C DD X 之一").arg(row[Grade]);
        } else if (row[Kind] == QLatin1String("event")) {
            if (people.empty() || !people.back().entry) return where + QStringLiteral("事件前沒有帶有案例的人");
            people.back().entry->events.push_back(
                {row[Date], row[Time].isEmpty() ? std::nullopt : std::optional<QString>(row[Time]), row[Text]});
        } else {
            return where + QStringLiteral("kind「%1」不是 person 或 event").arg(row[Kind]);
        }
    }
    return people;
}

// The stored period label of a clock time: 子 from 23:00 to 00:59, then two hours each.
QString PeriodOf(const QTime& time) {
    static const HourLabels labels = MakeHourLabels();
    const int period = ((time.hour() + 1) / 2) % 12 + 1;
    return QString::fromStdString(labels[static_cast<std::size_t>(period)]);
}

std::optional<QString> GenderOf(const QString& text) {
    const QString t = text.trimmed().toUpper();
    if (t == QStringLiteral("男") || t == QLatin1String("M")) return QStringLiteral("男");
    if (t == QStringLiteral("女") || t == QLatin1String("F")) return QStringLiteral("女");
    return std::nullopt;
}

QDate DateOf(QString text) {
    text = text.trimmed().replace(QLatin1Char('/'), QLatin1Char('-'));
    return QDate::fromString(text, QStringLiteral("yyyy-M-d"));
}

// name, gender, date, time, place; a first row whose date is no date is a header.
PeopleRead PlainCsv(const std::vector<QStringList>& rows) {
    People people;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QStringList row = rows[i];
        while (row.size() < 5) row.append(QString());
        const QDate date = DateOf(row[2]);
        if (i == 0 && !date.isValid()) continue;
        const QTime time = QTime::fromString(row[3].trimmed(), QStringLiteral("H:mm"));
        const std::optional<QString> gender = GenderOf(row[1]);
        const QString where = QStringLiteral("第 %1 行：").arg(i + 1);
        if (row[0].trimmed().isEmpty()) return where + QStringLiteral("沒有姓名");
        if (!gender) return where + QStringLiteral("性別「%1」不是 男、女、M 或 F").arg(row[1]);
        if (!date.isValid()) return where + QStringLiteral("日期「%1」不是 YYYY-MM-DD").arg(row[2]);
        if (!time.isValid()) return where + QStringLiteral("時間「%1」不是 HH:MM").arg(row[3]);
        ExchangePerson person{{row[0].trimmed(), *gender, QString::number(date.year()), QString::number(date.month()),
                               QString::number(date.day()), PeriodOf(time)},
                              {QStringLiteral("%1=%2").arg(files::extra_keys::kClock, time.toString("HH:mm"))},
                              true, std::nullopt};
        if (!row[4].trimmed().isEmpty())
            person.pieces.append(QStringLiteral("%1=%2").arg(files::extra_keys::kPlace, row[4].trimmed()));
        people.push_back(std::move(person));
    }
    return people;
}

}  // namespace

QByteArray PeopleToCsv(const People& people) {
    QString text = Row(kColumns);
    for (const ExchangePerson& person : people) {
        text += Row(PersonRow(person));
        if (!person.entry) continue;
        for (const CaseEvent& event : person.entry->events) {
            QStringList row(ColumnCount);
            row[Kind] = QStringLiteral("event"), row[Id] = person.entry->id;
            row[Date] = event.date, row[Time] = event.time.value_or(QString()), row[Text] = event.text;
            text += Row(row);
        }
    }
    return text.toUtf8();
}

PeopleRead PeopleFromCsv(const QByteArray& bytes) {
    const std::vector<QStringList> rows = ParseCsvRows(bytes);
    if (!rows.empty() && !rows[0].isEmpty() && rows[0][0] == kColumns[0]) return OwnCsv(rows);
    return PlainCsv(rows);
}

}  // namespace velmora::cases
