// The record window and the cases no record claims. Each reading of User
// matches the records to the library: records whose id piece was dropped get
// it back in the list. When the window reads User on opening, the ids are
// written at once through the window's own save (User's lock, and on top of
// any change another program made meanwhile); when a save takes in another
// program's change, they are written with the next save. The cases left over
// are counted in the "未連結案例…" command, which opens their window.

#include <QAction>
#include <QLabel>
#include <QToolButton>

#include "ui/common/ShownScript.h"
#include "ui/common/ToolWindowPlace.h"
#include "files/RecordId.h"
#include "ui/records/Form2.h"
#include "ui/records/UnlinkedCases.h"
#include "ui/records/UnlinkedCasesWindow.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {
const char* const kUnlinkedPlaceKey = "unlinkedCases";  // where the user last put the window
}  // namespace

void Form2::buildUnlinkedWindow() {
    UnlinkedCasesWindow::RecordSide side{
        [this]() -> const std::vector<files::BirthRecord>& { return records_; },
        [this] { return selectedRow(); },
        [this](int row, const QString& id) { return giveCaseId(row, id); },
        [this](int count) { showUnlinkedCount(count); },
    };
    unlinked_ = new UnlinkedCasesWindow(session_, *this, std::move(side));
    unlinkedCommand_ = new QAction(UnlinkedCommandText(0), this);
    unlinkedCommand_->setObjectName(QStringLiteral("UnlinkedCasesCommand"));
    unlinkedCommand_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    unlinkedCommand_->setShortcutContext(Qt::WindowShortcut);
    connect(unlinkedCommand_, &QAction::triggered, this, &Form2::showUnlinkedWindow);
    addAction(unlinkedCommand_);
    // At the hint's right end, where its words leave room; only while there are any.
    unlinkedButton_ = new QToolButton(this);
    unlinkedButton_->setObjectName(QStringLiteral("UnlinkedCasesButton"));
    unlinkedButton_->setDefaultAction(unlinkedCommand_);
    unlinkedButton_->setAutoRaise(true);
    unlinkedButton_->hide();
}

void Form2::showUnlinkedWindow() {
    unlinked_->refresh();
    if (unlinked_->isVisible()) {
        unlinked_->raise();
        unlinked_->activateWindow();
        return;
    }
    PlaceToolWindow(*unlinked_, *this, *session_.settings, kUnlinkedPlaceKey, Side::Right);
    unlinked_->show();
    unlinked_->activateWindow();
}

bool Form2::matchCases() {
    CaseLibrary library = OpenCaseLibrary(session_.dataFolder, session_.writeOptions.lockWait);
    if (library.problem) qWarning().noquote() << library.problem->describe();  // the windows say it when used
    const cases::CaseLinks links = MatchRecords(records_, library);
    showUnlinkedCount(static_cast<int>(links.unlinked.size()));
    if (unlinked_->isVisible()) unlinked_->refresh();
    return !links.restored.empty();
}

// Nothing the user did is at stake: a save that fails is only logged, and the
// list keeps the ids for the next save to write.
void Form2::writeGivenIds() {
    const SaveOutcome saved = saveEdits();
    if (!saved.notice.isEmpty()) qWarning().noquote() << saved.notice;
}

void Form2::showUnlinkedCount(int count) {
    unlinkedCommand_->setText(UnlinkedCommandText(count));
    unlinkedButton_->adjustSize();
    const QRect hint = label2_->geometry();
    const QSize size = unlinkedButton_->sizeHint();
    unlinkedButton_->setGeometry(hint.right() + 1 - size.width(), hint.center().y() - size.height() / 2, size.width(),
                                 size.height());
    unlinkedButton_->setVisible(count > 0);
    session_.script->applyTo(unlinkedButton_);
}

// A record without an id takes the case's, saved like any change.
bool Form2::giveCaseId(int row, const QString& id) {
    files::BirthRecord& stored = records_[static_cast<std::size_t>(row)];
    files::UserEdit edit{files::UserEdit::Kind::Change, stored, stored};
    files::SetRecordId(edit.after, id);
    unsaved_.push_back(edit);
    stored = edit.after;
    return SAVELIST();
}

}  // namespace velmora
