#include "ui/schools/RecordSchool.h"

#include <algorithm>

#include "files/UserEdits.h"

namespace velmora {

namespace {

QString GoneText(const files::BirthRecord& record) {
    return QStringLiteral("「%1」的資料已在別處被修改或刪除，流派沒有存檔，檔案裡的資料沒有被蓋掉。").arg(record.name);
}

}  // namespace

RecordSchoolSave SaveRecordSchool(const QString& path, const files::BirthRecord& charted,
                                  const std::optional<SchoolChoice>& school, const files::WriteOptions& options) {
    files::BirthRecord after = charted;
    if (auto problem = SetSchoolOfRecord(after, school)) return {problem, std::nullopt};
    files::UserForEditing file = files::ReadUserForEditing(path);
    if (file.read.diagnostics.error) return {file.read.diagnostics.error->describe(), std::nullopt};
    const std::vector<files::UserEdit> edits{{files::UserEdit::Kind::Change, charted, after}};
    std::vector<files::BirthRecord> list = std::move(file.read.records);
    if (!files::ApplyUserEdits(list, edits).empty()) return {GoneText(charted), std::nullopt};
    files::UserSave saved = files::SaveUserEdits(path, file.stamp, list, edits, options);
    if (saved.problem) return {saved.problem->describe() + QStringLiteral("。流派沒有存檔，檔案保持原樣。"), std::nullopt};
    if (!saved.lost.empty()) return {GoneText(charted), std::nullopt};
    const auto written = std::find_if(saved.records.begin(), saved.records.end(), [&](const files::BirthRecord& r) {
        return r.fields() == after.fields() && r.extras == after.extras;
    });
    if (written == saved.records.end()) return {GoneText(charted), std::nullopt};
    return {std::nullopt, *written};
}

}  // namespace velmora
