// "輸入", "修改" and "刪除": each changes the list and is saved to User at once.
// Input that User could not hold, or that could not be charted later, is
// refused with a notice before anything changes.

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include "files/RecordId.h"
#include "script/TraditionalName.h"
#include "ui/main/ReferenceReads.h"
#include "ui/session/Session.h"
#include "ui/records/Form2.h"
#include "ui/records/RecordChecks.h"
#include "ui/records/RecordListView.h"

namespace velmora {

void Form2::addRecord() {
    std::optional<files::BirthRecord> record = enteredRecord(QStringLiteral("輸入"));
    if (!record) {
        return;
    }
    // Every combo has a selection here, so the picked values are the ones shown.
    record->year = PickedYear();
    record->month = PickedMonth();
    record->day = PickedDay();
    record->hour = PickedHour();
    storeMoment(*record);
    files::GiveRecordId(*record);  // the key of the person's notes and events
    records_.push_back(*record);
    unsaved_.push_back({files::UserEdit::Kind::Add, {}, *record});
    listView_->append(*record, static_cast<int>(records_.size()) - 1);
    afterEdit();
}

void Form2::changeRecord() {
    const int row = selectedRow();
    if (row < 0) {
        tell(QStringLiteral("請先在清單中點選要修改的資料。"));
        return;
    }
    std::optional<files::BirthRecord> record = enteredRecord(QStringLiteral("修改"));
    if (!record) {
        return;
    }
    files::BirthRecord& stored = records_[static_cast<std::size_t>(row)];
    files::UserEdit edit{files::UserEdit::Kind::Change, stored, {}};  // the record as it stood finds it again on disk
    record->stored = std::move(stored.stored);  // unchanged fields write back the line as it was
    record->extras = std::move(stored.extras);  // pieces after the sixth field stay as they were
    storeMoment(*record);
    files::GiveRecordId(*record);  // kept when it has one; a record from an older hand gets one now
    edit.after = *record;
    unsaved_.push_back(std::move(edit));
    stored = std::move(*record);
    listView_->update(stored, row);
    afterEdit();
}

void Form2::deleteRecord() {
    const int row = selectedRow();
    if (row < 0) {
        tell(QStringLiteral("請先在清單中點選要刪除的資料。"));
        return;
    }
    if (!confirmDeletion(row)) {
        return;
    }
    unsaved_.push_back({files::UserEdit::Kind::Delete, records_[static_cast<std::size_t>(row)], {}});
    records_.erase(records_.begin() + row);
    // The rows after it now show records one place earlier; nothing stays
    // selected, so a second press cannot delete a record the user did not pick.
    showList();
    afterEdit();
}

// The notice comes last, over the window as it will stay.
void Form2::afterEdit() {
    const SaveOutcome saved = saveEdits();
    CHECKLIST();
    if (saved.result != SaveResult::RecordGone) {
        ENTERLIST();  // a record gone elsewhere leaves the entry in the boxes, to be added again
    }
    if (!saved.notice.isEmpty()) {
        tell(saved.notice);
    }
}

// A name typed in Simplified that Big5 cannot hold is offered in its
// Traditional form, which one OK puts in the name box.
void Form2::offerTraditionalName() {
    const QString typed = text1_->text();
    if (!NameProblem(typed)) {
        return;
    }
    const QString traditional = QString::fromStdString(TraditionalNameOf(typed.toStdString()));
    if (traditional == typed || NameProblem(traditional)) {
        return;
    }
    if (session_.messages->question(this, kNoticeTitle, TraditionalNameOffer(typed, traditional))) {
        text1_->setText(traditional);
    }
}

std::optional<files::BirthRecord> Form2::enteredRecord(const QString& button) {
    offerTraditionalName();
    QStringList problems = BirthPartProblems(partStates());
    if (const std::optional<QString> name = NameProblem(text1_->text())) {
        problems.append(*name);
    }
    files::BirthRecord record;
    record.name = text1_->text();
    record.gender = genderCaption();
    record.year = selectedText(YearCombo);
    record.month = selectedText(MonthCombo);
    record.day = selectedText(DayCombo);
    record.hour = selectedText(HourCombo);
    if (const std::optional<QString> moment = momentProblem(record)) {
        problems.append(*moment);
    }
    if (!problems.isEmpty()) {
        tell(RefusalText(problems, button));
        return std::nullopt;
    }
    return record;
}

BirthPartStates Form2::partStates() const {
    BirthPartStates states;
    for (std::size_t i = 0; i < states.size(); ++i) {
        states[i].picked = combo1_[i]->currentIndex() >= 0;
        states[i].storedText = storedProblem_[i];
    }
    return states;
}

QString Form2::genderCaption() const { return (option1_[0]->isChecked() ? option1_[0] : option1_[1])->text(); }

}  // namespace velmora
