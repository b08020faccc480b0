#pragma once
// The case library as the record window keeps it matched to User: each time
// the list is read, records whose id piece an older program dropped get it
// back, a case whose record was edited since takes the record's fields, and
// the cases no record claims are counted as 未連結 for the user to link or
// delete. A library not yet begun is not made by looking.

#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "cases/CaseEntry.h"
#include "cases/CaseLinks.h"
#include "files/FileProblem.h"
#include "files/UserFile.h"

namespace velmora {

namespace cases {
class CaseStore;
}

struct CaseLibrary {
    CaseLibrary();
    ~CaseLibrary();
    CaseLibrary(CaseLibrary&&) noexcept;
    CaseLibrary& operator=(CaseLibrary&&) noexcept;

    std::unique_ptr<cases::CaseStore> store;  // unset: no library yet, or it could not be read
    std::vector<cases::CaseEntry> cases;
    std::optional<files::FileProblem> problem;  // why it could not be opened or read
};

// The folder's Cases.sqlite, opened and read when it exists.
CaseLibrary OpenCaseLibrary(const QString& folder, std::chrono::milliseconds lockWait);

// Matches the records to the library's cases. Records that get their id back
// change in `records` (each keeps the line it was read from, so an edit still
// finds it in User); a moved case's new fields are written to the library at
// once (a failure there is only logged: the next reading tries again).
cases::CaseLinks MatchRecords(std::vector<files::BirthRecord>& records, CaseLibrary& library);

// The cases `links` lists as unlinked, in the library's order.
std::vector<cases::CaseEntry> UnlinkedEntries(const CaseLibrary& library, const cases::CaseLinks& links);

// The record window's command: "未連結案例…", with the count when there are any.
QString UnlinkedCommandText(int count);

// A person as notices name them: 「姓名（性別，年/月/日 時）」.
QString PersonText(const cases::PersonKey& person);

}  // namespace velmora
