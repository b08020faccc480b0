#pragma once
// Cases.sqlite beside User: notes, tags, events, source and grade of each
// person, keyed by the record's id piece. Every write is one transaction,
// taken under the same lock file a save of User uses against a second window
// or program; a write that fails leaves the file as it was.

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "cases/CaseEntry.h"
#include "files/FileProblem.h"
#include "files/SafeSave.h"

namespace velmora::cases {

QString CasesFilePath(const QString& folder);

struct CaseOpenOptions {
    int upToVersion = 0;  // 0: the current schema; a test stops earlier to make an old file
    std::chrono::milliseconds lockWait = files::kLockWait;
    int maxPages = 0;  // > 0: the file may not grow past this many pages, as on a full disk
};

class CaseStore;
using CaseOpen = std::variant<std::unique_ptr<CaseStore>, files::FileProblem>;
using CaseWrite = std::optional<files::FileProblem>;

class CaseStore {
public:
    // Opens (or creates) the folder's Cases.sqlite and brings its schema up
    // to date. A file that is not a database, is damaged, comes from a newer
    // program or cannot be searched is refused, never written.
    static CaseOpen Open(const QString& folder, const CaseOpenOptions& options = {});
    ~CaseStore();
    CaseStore(const CaseStore&) = delete;
    CaseStore& operator=(const CaseStore&) = delete;

    const QString& path() const { return path_; }
    int schemaVersion() const;

    // Every case, oldest first.
    CaseWrite load(std::vector<CaseEntry>& cases) const;
    // Writes the case whole (adding or replacing); an empty created or
    // changed time is the time of writing.
    CaseWrite save(const CaseEntry& entry);
    CaseWrite saveAll(const std::vector<CaseEntry>& entries);
    // Only ever on the user's word: nothing is deleted otherwise.
    CaseWrite remove(const QString& id);
    // Gives a case another id (linked to a record that has its own id).
    CaseWrite changeId(const QString& from, const QString& to);
    // The ids of the cases whose notes or events hold `text`.
    CaseWrite searchText(const QString& text, QStringList& ids) const;

private:
    CaseStore(QString path, QString connection, std::chrono::milliseconds lockWait);
    using Work = std::function<bool(QString& error)>;
    CaseWrite write(const Work& work);
    CaseWrite migrate(int upToVersion);
    CaseWrite problem(const QString& message, const QString& detail) const;
    bool saveOne(const CaseEntry& entry, QString& error);

    QString path_;
    QString connection_;
    std::chrono::milliseconds lockWait_;
};

}  // namespace velmora::cases
