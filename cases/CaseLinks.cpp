#include "cases/CaseLinks.h"

#include <QSet>

#include "files/RecordId.h"

namespace velmora::cases {

namespace {

// Records without an id, matched by their fields to a case no id claimed.
void MatchByFields(const std::vector<files::BirthRecord>& records, const std::vector<CaseEntry>& cases,
                   QSet<QString>& claimed, CaseLinks& links) {
    for (std::size_t r = 0; r < records.size(); ++r) {
        if (files::RecordId(records[r])) continue;
        const PersonKey key = KeyOf(records[r]);
        for (const CaseEntry& entry : cases) {
            if (claimed.contains(entry.id) || entry.person != key) continue;
            claimed.insert(entry.id);
            links.restored.push_back({static_cast<int>(r), entry.id});
            break;
        }
    }
}

}  // namespace

CaseLinks LinkCases(const std::vector<files::BirthRecord>& records, const std::vector<CaseEntry>& cases) {
    CaseLinks links;
    QSet<QString> caseIds;
    for (const CaseEntry& entry : cases) caseIds.insert(entry.id);
    QSet<QString> claimed;
    for (const files::BirthRecord& record : records) {
        const std::optional<QString> id = files::RecordId(record);
        if (id && caseIds.contains(*id)) claimed.insert(*id);
    }
    for (const CaseEntry& entry : cases) {
        if (!claimed.contains(entry.id)) continue;
        for (const files::BirthRecord& record : records)
            if (files::RecordId(record) == entry.id && KeyOf(record) != entry.person)
                links.moved.emplace_back(entry.id, KeyOf(record));
    }
    MatchByFields(records, cases, claimed, links);
    for (const CaseEntry& entry : cases)
        if (!claimed.contains(entry.id)) links.unlinked.append(entry.id);
    return links;
}

bool RestoreIds(std::vector<files::BirthRecord>& records, const CaseLinks& links) {
    for (const CaseLinks::Restored& restored : links.restored)
        files::SetRecordId(records[static_cast<std::size_t>(restored.record)], restored.id);
    return !links.restored.empty();
}

QString LinkTarget(files::BirthRecord& record, const CaseEntry& unlinked) {
    if (const std::optional<QString> own = files::RecordId(record)) return *own;
    files::SetRecordId(record, unlinked.id);
    return unlinked.id;
}

}  // namespace velmora::cases
