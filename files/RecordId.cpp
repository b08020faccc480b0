#include "files/RecordId.h"

#include <QUuid>

#include "files/RecordExtras.h"
#include "files/UserFile.h"

namespace velmora::files {

std::optional<QString> RecordId(const BirthRecord& record) {
    std::optional<QString> value = ExtraValue(record, extra_keys::kId);
    if (!value || QUuid::fromString(*value).isNull()) return std::nullopt;
    return value;
}

QString NewRecordId() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

bool GiveRecordId(BirthRecord& record) {
    if (RecordId(record)) return false;
    SetRecordId(record, NewRecordId());
    return true;
}

void SetRecordId(BirthRecord& record, const QString& id) {
    SetExtra(record, extra_keys::kId, id);  // a UUID is plain ASCII: never refused
}

}  // namespace velmora::files
