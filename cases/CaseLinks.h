#pragma once
// Which case belongs to which record of User. A record names its case by its
// id piece; a record whose piece an older program dropped when it rewrote
// User is matched back by name, gender, date and period. A case no record
// matches stays in the library as 未連結 (unlinked) until the user links or
// deletes it: nothing is deleted because a record went missing.

#include <QString>
#include <QStringList>

#include <vector>

#include "cases/CaseEntry.h"
#include "files/UserFile.h"

namespace velmora::cases {

inline const QString kUnlinkedLabel = QStringLiteral("未連結");

struct CaseLinks {
    struct Restored {
        int record;  // index in the records
        QString id;  // the case it matched, whose id the record gets back
    };
    std::vector<Restored> restored;
    // Cases whose record now holds other fields (edited since): their key follows.
    std::vector<std::pair<QString, PersonKey>> moved;
    QStringList unlinked;  // case ids matching no record, in the library's order
};

CaseLinks LinkCases(const std::vector<files::BirthRecord>& records, const std::vector<CaseEntry>& cases);

// Gives the matched records their ids back; true when any changed.
bool RestoreIds(std::vector<files::BirthRecord>& records, const CaseLinks& links);

// Links an unlinked case to a record the user picked: a record with no id
// takes the case's; one with an id of its own gives it to the case (the
// store's changeId). Returns the id the case must have.
QString LinkTarget(files::BirthRecord& record, const CaseEntry& unlinked);

}  // namespace velmora::cases
