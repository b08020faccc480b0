#include "cases/CaseStore.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include "cases/CaseRows.h"
#include "cases/CaseSchema.h"
#include "files/FileLock.h"

namespace velmora::cases {

namespace {

// The shortest text the trigram index can look up; shorter (a two-character
// Chinese word) is matched by LIKE over the same table.
constexpr int kTrigram = 3;

QString LikePattern(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    text.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + text + QLatin1Char('%');
}

}  // namespace

QString CasesFilePath(const QString& folder) { return QDir(folder).filePath(kCasesFile); }

CaseStore::CaseStore(QString path, QString connection, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), connection_(std::move(connection)), lockWait_(lockWait) {}

CaseStore::~CaseStore() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

CaseOpen CaseStore::Open(const QString& folder, const CaseOpenOptions& options) {
    const QString connection = QStringLiteral("velmora-cases-") + QUuid::createUuid().toString(QUuid::Id128);
    std::unique_ptr<CaseStore> store(new CaseStore(CasesFilePath(folder), connection, options.lockWait));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(store->path_);
        if (!db.open()) return *store->problem(QStringLiteral("無法開啟檔案"), db.lastError().text());
    }
    if (auto failed = OpenChecks(connection, static_cast<int>(options.lockWait.count()), options.maxPages)) {
        return *store->problem(failed->first, failed->second);
    }
    if (auto failed = store->migrate(options.upToVersion > 0 ? options.upToVersion : CurrentSchemaVersion())) {
        return *failed;
    }
    return store;
}

int CaseStore::schemaVersion() const { return UserVersion(connection_); }

CaseWrite CaseStore::problem(const QString& message, const QString& detail) const {
    return files::FileError(kCasesFile, path_, message, detail);
}

CaseWrite CaseStore::write(const Work& work) {
    QString error;
    const auto locked = files::WithFileLock(path_, kCasesFile, lockWait_, [&]() -> CaseWrite {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (!db.transaction()) return problem(QStringLiteral("無法寫入檔案"), db.lastError().text());
        if (work(error) && db.commit()) return std::nullopt;
        if (error.isEmpty()) error = db.lastError().text();
        db.rollback();
        return problem(QStringLiteral("無法寫入檔案"), error + QStringLiteral("；檔案保持原樣"));
    });
    return locked;
}

CaseWrite CaseStore::migrate(int upToVersion) {
    const int found = UserVersion(connection_);
    if (found > CurrentSchemaVersion())
        return problem(QStringLiteral("無法使用較新版本 Velmora 寫的檔案"),
                       QStringLiteral("格式版本 %1，這個程式只認得到 %2").arg(found).arg(CurrentSchemaVersion()));
    for (const SchemaStep& step : SchemaSteps()) {
        if (step.version <= found || step.version > upToVersion) continue;
        if (auto failed = write([&](QString& error) { return RunStep(connection_, step, error); })) return failed;
    }
    return std::nullopt;
}

CaseWrite CaseStore::load(std::vector<CaseEntry>& cases) const {
    QString error;
    if (!ReadCases(connection_, cases, error)) return problem(QStringLiteral("無法讀取檔案"), error);
    return std::nullopt;
}

bool CaseStore::saveOne(const CaseEntry& entry, QString& error) {
    CaseEntry stamped = entry;
    const QString now = NowStamp();
    if (stamped.created.isEmpty()) stamped.created = now;
    if (stamped.changed.isEmpty()) stamped.changed = now;
    return WriteCase(connection_, stamped, error);
}

CaseWrite CaseStore::save(const CaseEntry& entry) {
    return write([&](QString& error) { return saveOne(entry, error); });
}

CaseWrite CaseStore::saveAll(const std::vector<CaseEntry>& entries) {
    return write([&](QString& error) {
        for (const CaseEntry& entry : entries)
            if (!saveOne(entry, error)) return false;
        return true;
    });
}

CaseWrite CaseStore::remove(const QString& id) {
    return write([&](QString& error) { return DeleteCase(connection_, id, error); });
}

CaseWrite CaseStore::changeId(const QString& from, const QString& to) {
    return write([&](QString& error) {
        std::vector<CaseEntry> all;
        if (!ReadCases(connection_, all, error)) return false;
        for (CaseEntry& entry : all) {
            if (entry.id != from) continue;
            entry.id = to;
            return DeleteCase(connection_, from, error) && WriteCase(connection_, entry, error);
        }
        error = QStringLiteral("沒有 id 為 %1 的資料").arg(from);
        return false;
    });
}

CaseWrite CaseStore::searchText(const QString& text, QStringList& ids) const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (text.size() >= kTrigram) {
        query.prepare(QStringLiteral("SELECT DISTINCT case_id FROM case_text WHERE case_text MATCH ?"));
        query.addBindValue(QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                           QLatin1Char('"'));
    } else {
        query.prepare(QStringLiteral("SELECT DISTINCT case_id FROM case_text WHERE body LIKE ? ESCAPE '\\'"));
        query.addBindValue(LikePattern(text));
    }
    if (!query.exec()) return problem(QStringLiteral("無法搜尋檔案"), query.lastError().text());
    while (query.next()) ids.append(query.value(0).toString());
    return std::nullopt;
}

}  // namespace velmora::cases
