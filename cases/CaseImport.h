#pragma once
// Bringing people into a folder's User and Cases.sqlite. First a plan: who
// is added, who is recognised as already there (same id, or same name,
// gender, date and period) and what an import would change; nothing is
// written until the plan is carried out.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "cases/CaseExchange.h"
#include "files/FileProblem.h"
#include "files/SafeSave.h"

namespace velmora::cases {

struct ImportStep {
    enum class Action { Add, Present, Change };
    Action action = Action::Add;
    ExchangePerson person;  // as it comes in
    int record = -1;        // Present, Change: the record of User it is; -1 for a case alone
    QString caseId;         // the id the person's case has or will have
    QStringList changes;    // Change: what differs, in words
};

struct ImportPlan {
    std::vector<ImportStep> steps;
    int count(ImportStep::Action action) const;
};

ImportPlan PlanImport(const std::vector<files::BirthRecord>& records, const std::vector<CaseEntry>& cases,
                      const People& incoming);

// What the folder holds now, read without creating anything.
struct FolderLibrary {
    std::vector<files::BirthRecord> records;
    std::vector<CaseEntry> cases;
    std::optional<files::FileProblem> problem;
};
FolderLibrary ReadFolderLibrary(const QString& folder);

// Plans and carries out the import into the folder: the cases first, then
// User under its lock (edits on top of another's change, as the record window
// saves). A failure leaves both files as they were before its own write.
std::optional<files::FileProblem> ImportIntoFolder(const QString& folder, const People& incoming,
                                                   const files::WriteOptions& options = {});

// One line a step, for the user or a script.
QString PlanLine(const ImportStep& step);

}  // namespace velmora::cases
