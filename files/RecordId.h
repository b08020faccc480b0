#pragma once
// A record's lasting identity: an `id=` piece holding a UUID, given when this
// program first writes the record and kept through every edit. The case
// library (notes, tags, events) is keyed by it.

#include <QString>

#include <optional>
#include <vector>

namespace velmora::files {

struct BirthRecord;

namespace extra_keys {
inline constexpr char kId[] = "id";  // a UUID without braces, e.g. "0b9f…-…"
}  // namespace extra_keys

// The record's id, when it has a well-formed one.
std::optional<QString> RecordId(const BirthRecord& record);

// A fresh id, as the piece holds it.
QString NewRecordId();

// Gives the record a fresh id unless it has one; true when one was given.
bool GiveRecordId(BirthRecord& record);

// Sets the record's id to `id` (a case found again for a record whose piece
// an older program dropped).
void SetRecordId(BirthRecord& record, const QString& id);

}  // namespace velmora::files
