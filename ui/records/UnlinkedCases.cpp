#include "ui/records/UnlinkedCases.h"

#include <QDebug>
#include <QFileInfo>

#include "cases/CaseStore.h"
#include "files/RecordId.h"

namespace velmora {

CaseLibrary::CaseLibrary() = default;
CaseLibrary::~CaseLibrary() = default;
CaseLibrary::CaseLibrary(CaseLibrary&&) noexcept = default;
CaseLibrary& CaseLibrary::operator=(CaseLibrary&&) noexcept = default;

CaseLibrary OpenCaseLibrary(const QString& folder, std::chrono::milliseconds lockWait) {
    CaseLibrary library;
    if (!QFileInfo::exists(cases::CasesFilePath(folder))) return library;
    cases::CaseOpen opened = cases::CaseStore::Open(folder, {0, lockWait, 0});
    if (auto* problem = std::get_if<files::FileProblem>(&opened)) {
        library.problem = *problem;
        return library;
    }
    auto store = std::move(std::get<std::unique_ptr<cases::CaseStore>>(opened));
    if (auto problem = store->load(library.cases)) {
        library.problem = *problem;
        library.cases.clear();
        return library;
    }
    library.store = std::move(store);
    return library;
}

namespace {

// The moved cases take their records' fields, so that a later rewrite by an
// older program that drops the id again still finds them by those fields.
void FollowMovedRecords(CaseLibrary& library, const cases::CaseLinks& links) {
    std::vector<cases::CaseEntry> followed;
    for (const auto& [id, person] : links.moved) {
        for (cases::CaseEntry& entry : library.cases) {
            if (entry.id != id) continue;
            entry.person = person;  // the changed time stays: no one edited the case itself
            followed.push_back(entry);
        }
    }
    if (followed.empty() || !library.store) return;
    if (auto problem = library.store->saveAll(followed)) qWarning().noquote() << problem->describe();
}

}  // namespace

cases::CaseLinks MatchRecords(std::vector<files::BirthRecord>& records, CaseLibrary& library) {
    const cases::CaseLinks links = cases::LinkCases(records, library.cases);
    cases::RestoreIds(records, links);
    FollowMovedRecords(library, links);
    return links;
}

std::vector<cases::CaseEntry> UnlinkedEntries(const CaseLibrary& library, const cases::CaseLinks& links) {
    std::vector<cases::CaseEntry> unlinked;
    for (const cases::CaseEntry& entry : library.cases)
        if (links.unlinked.contains(entry.id)) unlinked.push_back(entry);
    return unlinked;
}

QString UnlinkedCommandText(int count) {
    return count > 0 ? QStringLiteral("未連結案例（%1）…").arg(count) : QStringLiteral("未連結案例…");
}

QString PersonText(const cases::PersonKey& person) {
    return QStringLiteral("「%1（%2，%3/%4/%5 %6）」")
        .arg(person.name, person.gender, person.year, person.month, person.day, person.hour.simplified());
}

}  // namespace velmora
