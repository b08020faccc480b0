#pragma once
// Setting a charted record's own school from "流派…": the record is changed
// in User the way the record window saves an edit, found again by the line
// it was read from, so that nothing another window or program wrote in the
// meantime is lost.

#include <QString>

#include <optional>

#include "files/SafeSave.h"
#include "files/UserFile.h"
#include "ui/schools/SchoolSettings.h"

namespace velmora {

struct RecordSchoolSave {
    std::optional<QString> problem;        // nothing was written; says why
    std::optional<files::BirthRecord> record;  // the record as User now holds it, with its line
};

// Writes `school` onto `charted` in the User file at `path` (unset: removes
// the record's school).
RecordSchoolSave SaveRecordSchool(const QString& path, const files::BirthRecord& charted,
                                  const std::optional<SchoolChoice>& school, const files::WriteOptions& options);

}  // namespace velmora
