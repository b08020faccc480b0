#include "cases/CaseRows.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace velmora::cases {

namespace {

QSqlQuery Query(const QString& connection) { return QSqlQuery(QSqlDatabase::database(connection, false)); }

bool Exec(QSqlQuery& query, QString& error) {
    if (query.exec()) return true;
    error = query.lastError().text();
    return false;
}

bool Run(const QString& connection, const QString& sql, QString& error) {
    QSqlQuery query = Query(connection);
    if (query.exec(sql)) return true;
    error = query.lastError().text();
    return false;
}

// Binds the values in order and runs the prepared statement.
bool Prepared(const QString& connection, const QString& sql, const QVariantList& values, QString& error) {
    QSqlQuery query = Query(connection);
    if (!query.prepare(sql)) {
        error = query.lastError().text();
        return false;
    }
    for (const QVariant& value : values) query.addBindValue(value);
    return Exec(query, error);
}

bool ReadTags(const QString& connection, QHash<QString, CaseEntry*>& byId, QString& error) {
    QSqlQuery query = Query(connection);
    if (!query.exec(QStringLiteral("SELECT case_id, tag FROM tags ORDER BY case_id, position"))) {
        error = query.lastError().text();
        return false;
    }
    while (query.next())
        if (CaseEntry* entry = byId.value(query.value(0).toString())) entry->tags.append(query.value(1).toString());
    return true;
}

bool ReadEvents(const QString& connection, QHash<QString, CaseEntry*>& byId, QString& error) {
    QSqlQuery query = Query(connection);
    if (!query.exec(QStringLiteral("SELECT case_id, date, time, text FROM events ORDER BY case_id, position"))) {
        error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        CaseEntry* entry = byId.value(query.value(0).toString());
        if (!entry) continue;
        const QVariant time = query.value(2);
        entry->events.push_back({query.value(1).toString(),
                                 time.isNull() ? std::nullopt : std::optional<QString>(time.toString()),
                                 query.value(3).toString()});
    }
    return true;
}

// A text column as bound: Qt SQL binds a null QString as NULL, which the
// NOT NULL columns refuse, and a field left unset in a case means empty.
QVariant Text(const QString& text) { return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text); }

}  // namespace

std::optional<std::pair<QString, QString>> OpenChecks(const QString& connection, int busyMilliseconds, int maxPages) {
    QString error;
    QSqlQuery check = Query(connection);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() || check.value(0).toString() != "ok") {
        const QString detail = check.lastError().isValid() ? check.lastError().text() : check.value(0).toString();
        return std::pair{QStringLiteral("無法讀取已損壞的檔案"), detail};
    }
    const QStringList settings = {QStringLiteral("PRAGMA busy_timeout = %1").arg(busyMilliseconds),
                                  QStringLiteral("PRAGMA foreign_keys = ON")};
    for (const QString& setting : settings)
        if (!Run(connection, setting, error)) return std::pair{QStringLiteral("無法開啟檔案"), error};
    if (maxPages > 0 && !Run(connection, QStringLiteral("PRAGMA max_page_count = %1").arg(maxPages), error))
        return std::pair{QStringLiteral("無法開啟檔案"), error};
    if (!Run(connection, QStringLiteral("CREATE VIRTUAL TABLE temp.trigram_probe USING fts5(x, tokenize='trigram')"),
             error))
        return std::pair{QStringLiteral("無法全文搜尋檔案"),
                         QStringLiteral("這台電腦的 SQLite 沒有 FTS5 的 trigram 分詞（需要 3.34 以上）：") + error};
    Run(connection, QStringLiteral("DROP TABLE temp.trigram_probe"), error);
    return std::nullopt;
}

int UserVersion(const QString& connection) {
    QSqlQuery query = Query(connection);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) return 0;
    return query.value(0).toInt();
}

bool RunStep(const QString& connection, const SchemaStep& step, QString& error) {
    for (const QString& statement : step.statements)
        if (!Run(connection, statement, error)) return false;
    return Run(connection, QStringLiteral("PRAGMA user_version = %1").arg(step.version), error);
}

bool ReadCases(const QString& connection, std::vector<CaseEntry>& cases, QString& error) {
    QSqlQuery query = Query(connection);
    if (!query.exec(QStringLiteral("SELECT id, name, gender, year, month, day, hour, notes, source, grade, created,"
                                   " changed FROM cases ORDER BY created, id"))) {
        error = query.lastError().text();
        return false;
    }
    cases.clear();
    while (query.next()) {
        auto text = [&](int column) { return query.value(column).toString(); };
        cases.push_back({text(0), {text(1), text(2), text(3), text(4), text(5), text(6)}, text(7), {}, text(8),
                         text(9), {}, text(10), text(11)});
    }
    QHash<QString, CaseEntry*> byId;
    for (CaseEntry& entry : cases) byId.insert(entry.id, &entry);
    return ReadTags(connection, byId, error) && ReadEvents(connection, byId, error);
}

bool DeleteCase(const QString& connection, const QString& id, QString& error) {
    const QStringList tables = {QStringLiteral("tags"), QStringLiteral("events"), QStringLiteral("case_text")};
    for (const QString& table : tables)
        if (!Prepared(connection, QStringLiteral("DELETE FROM %1 WHERE case_id = ?").arg(table), {id}, error))
            return false;
    return Prepared(connection, QStringLiteral("DELETE FROM cases WHERE id = ?"), {id}, error);
}

bool WriteCase(const QString& connection, const CaseEntry& entry, QString& error) {
    if (!DeleteCase(connection, entry.id, error)) return false;
    const PersonKey& p = entry.person;
    if (!Prepared(connection,
                  QStringLiteral("INSERT INTO cases(id, name, gender, year, month, day, hour, notes, source, grade,"
                                 " created, changed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {entry.id, Text(p.name), Text(p.gender), Text(p.year), Text(p.month), Text(p.day), Text(p.hour),
                   Text(entry.notes), Text(entry.source), Text(entry.grade), Text(entry.created), Text(entry.changed)},
                  error))
        return false;
    const QString indexText = QStringLiteral("INSERT INTO case_text(case_id, body) VALUES (?, ?)");
    if (!entry.notes.isEmpty() && !Prepared(connection, indexText, {entry.id, entry.notes}, error)) return false;
    for (qsizetype i = 0; i < entry.tags.size(); ++i)
        if (!Prepared(connection, QStringLiteral("INSERT OR IGNORE INTO tags(case_id, tag, position) VALUES (?, ?, ?)"),
                      {entry.id, entry.tags[i], i}, error))
            return false;
    for (std::size_t i = 0; i < entry.events.size(); ++i) {
        const CaseEvent& event = entry.events[i];
        const QVariant time = event.time ? QVariant(*event.time) : QVariant(QMetaType(QMetaType::QString));
        if (!Prepared(connection, QStringLiteral("INSERT INTO events(case_id, position, date, time, text)"
                                                 " VALUES (?, ?, ?, ?, ?)"),
                      {entry.id, static_cast<qlonglong>(i), Text(event.date), time, Text(event.text)}, error) ||
            !Prepared(connection, indexText, {entry.id, event.text}, error))
            return false;
    }
    return true;
}

}  // namespace velmora::cases
