// Saving the record window's edits to User. Another window, another running
// copy of the program or another program may have changed the file since this
// window read it; then the edits go on top of what the file holds now, the
// list is refreshed to the file as saved, and the user is told in one line.
// An edit whose record was changed or deleted elsewhere overwrites nothing:
// the user is told which record, and the entry stays in the boxes.

#include <QTreeWidget>

#include "ui/session/Session.h"
#include "ui/records/Form2.h"

namespace velmora {

namespace {

const QString kAppliedOnTop =
    QStringLiteral("User 已被其他視窗或程式改過，這次的變更已套用在檔案目前的內容上，清單已更新。");
const QString kNothingApplied = QStringLiteral("User 已被其他視窗或程式改過，清單已更新為檔案目前的內容。");

// The record as the notice names it: 姓名（性別，年/月/日 時）.
QString RecordText(const files::BirthRecord& record) {
    return QStringLiteral("「%1（%2，%3/%4/%5 %6）」")
        .arg(record.name, record.gender, record.year, record.month, record.day, record.hour.simplified());
}

QString GoneText(const files::UserEdit& edit) {
    const QString action = edit.kind == files::UserEdit::Kind::Delete ? QStringLiteral("刪除") : QStringLiteral("修改");
    return QStringLiteral("要%1的資料 %2 已在別處被修改或刪除，這筆%1沒有存檔，檔案裡的資料沒有被蓋掉。")
        .arg(action, RecordText(edit.before));
}

}  // namespace

bool Form2::SAVELIST() {
    const SaveOutcome outcome = saveEdits();
    if (!outcome.notice.isEmpty()) {
        tell(outcome.notice);
    }
    return outcome.result == SaveResult::Saved;
}

Form2::SaveOutcome Form2::saveEdits() {
    if (saveBlocked_) {
        return {SaveResult::Failed, QStringLiteral("User 無法讀取，為免蓋掉檔案裡原有的資料，這次的變更沒有存檔。")};
    }
    const QString path = files::UserFilePath(session_.dataFolder);
    files::UserSave saved = files::SaveUserEdits(path, readStamp_, records_, unsaved_, session_.writeOptions);
    if (saved.problem) {
        return {SaveResult::Failed,
                saved.problem->describe() +
                    QStringLiteral("。\n這次的變更沒有存檔，檔案保持原樣；變更仍留在清單中，下次存檔時會一併寫入。")};
    }
    const SaveResult result = saved.lost.empty() ? SaveResult::Saved : SaveResult::RecordGone;
    return {result, takeSaved(saved)};
}

QString Form2::takeSaved(files::UserSave& saved) {
    const bool anyApplied = saved.lost.size() < unsaved_.size();
    unsaved_.clear();
    readStamp_ = saved.stamp;
    records_ = std::move(saved.records);
    if (!saved.changedElsewhere) {
        return {};  // the list already shows what was written
    }
    matchCases();
    showList();
    QStringList lines{anyApplied ? kAppliedOnTop : kNothingApplied};
    for (const files::UserEdit& edit : saved.lost) {
        lines.append(GoneText(edit));
    }
    if (!saved.lost.empty() && saved.lost.back().kind == files::UserEdit::Kind::Change) {
        lines.append(QStringLiteral("輸入的內容仍留在欄位中，可按「輸入」再加入。"));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace velmora
