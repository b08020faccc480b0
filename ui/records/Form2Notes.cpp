// The record window's case notes: a tool window beside it following the
// picked record, shown and hidden with Ctrl+J.

#include <QAction>

#include "files/RecordId.h"
#include "ui/common/ToolWindowPlace.h"
#include "ui/records/CaseNotesWindow.h"
#include "ui/records/Form2.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {
const char* const kNotesPlaceKey = "caseNotes";  // where the user last put the window
}  // namespace

void Form2::buildNotesWindow() {
    notes_ = new CaseNotesWindow(session_, *this, [this](const files::BirthRecord& record, const QString& found) {
        return giveRecordId(record, found);
    });
    auto* toggle = new QAction(QStringLiteral("案例筆記"), this);
    toggle->setObjectName(QStringLiteral("CaseNotesToggle"));
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    toggle->setShortcutContext(Qt::WindowShortcut);
    connect(toggle, &QAction::triggered, this, &Form2::toggleNotesWindow);
    addAction(toggle);
}

void Form2::toggleNotesWindow() {
    if (notes_->isVisible()) {
        RememberToolWindow(*notes_, *session_.settings, kNotesPlaceKey);
        notes_->hide();
        return;
    }
    const int row = selectedRow();
    notes_->showRecord(row >= 0 ? std::optional(records_[static_cast<std::size_t>(row)]) : std::nullopt);
    PlaceToolWindow(*notes_, *this, *session_.settings, kNotesPlaceKey, Side::Right);
    notes_->show();
    notes_->raise();
    notes_->activateWindow();
}

// The record as it stands in the list gets an id (that of the case its
// fields matched, else a fresh one), saved like any change.
QString Form2::giveRecordId(const files::BirthRecord& record, const QString& found) {
    for (std::size_t row = 0; row < records_.size(); ++row) {
        files::BirthRecord& stored = records_[row];
        if (stored.fields() != record.fields() || stored.extras != record.extras) continue;
        files::UserEdit edit{files::UserEdit::Kind::Change, stored, stored};
        if (!found.isEmpty()) files::SetRecordId(edit.after, found);
        files::GiveRecordId(edit.after);
        unsaved_.push_back(edit);
        stored = edit.after;
        const QString id = *files::RecordId(stored);
        return SAVELIST() ? id : QString();
    }
    return {};
}

}  // namespace velmora
