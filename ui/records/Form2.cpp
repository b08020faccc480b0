#include "ui/records/Form2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/common/Twips.h"
#include "ui/common/SecondaryWindow.h"
#include "ui/main/Form1.h"
#include "ui/main/ReferenceReads.h"
#include "ui/common/DropDownRows.h"
#include "ui/records/LunarEntry.h"
#include "ui/records/RecordFields.h"
#include "ui/records/RecordListView.h"
#include "ui/records/Form2Moment.h"

namespace velmora {

namespace {
constexpr int kClientWidth = 6375;
constexpr int kClientHeight = 8130 + kMomentPanelHeight;
constexpr int kYearRows = 30;
}  // namespace

// A dialog of the main window, so it stays above it (see SecondaryWindow.h).
Form2::Form2(Form1& form1) : QWidget(&form1, Qt::Dialog), form1_(form1), session_(form1.session()) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("排盤"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(TwipSize(kClientWidth, kClientHeight));
    buildControls();
    wireControls();
    buildListView();
    new LunarEntry(*this, session_.script);
    buildNotesWindow();
    buildCaseTools();
    buildUnlinkedWindow();
    load();
}

// Window load: the list's columns exist already; the year combo is filled,
// then User is read.
void Form2::load() {
    CHECKLIST();
    combo1_[YearCombo]->addItems(NumberEntries(kFirstRecordYear, kLastRecordYear));
    combo1_[YearCombo]->setCurrentIndex(-1);
    SetDropDownRows(*combo1_[YearCombo], kYearRows);
    InputData();
    CHECKLIST();
}

void Form2::InputData() {
    const QString path = files::UserFilePath(session_.dataFolder);
    files::UserForEditing opened = files::ReadUserForEditing(path);
    readStamp_ = opened.stamp;
    unsaved_.clear();
    files::UserFileRead& read = opened.read;
    for (const files::FileProblem& warning : read.diagnostics.warnings) {
        qWarning().noquote() << warning.describe();
    }
    if (read.diagnostics.error) {
        saveBlocked_ = true;
        records_.clear();
        showList();
        tell(read.diagnostics.error->describe() +
             QStringLiteral("。\n為免蓋掉檔案裡原有的資料，這次開啟的清單不會寫入 User。"));
        return;
    }
    records_ = std::move(read.records);
    if (matchCases()) writeGivenIds();
    showList();
}

void Form2::CHECKLIST() {
    const bool any = !records_.empty();
    label2_->setEnabled(any);
    command_[1]->setEnabled(any);
    command_[2]->setEnabled(any);
}

void Form2::ENTERLIST() {
    text1_->clear();
    text1_->setFocus();
    combo1_[MonthCombo]->setEnabled(false);
    combo1_[DayCombo]->setEnabled(false);
    combo1_[HourCombo]->setEnabled(false);
}

// The list's rows from the records, none selected.
void Form2::showList() {
    rebuildingList_ = true;
    listView_->show(records_);
    rebuildingList_ = false;
}

void Form2::tell(const QString& text) {
    // A notice returns activation to this window; that is no new visit, so
    // the name box keeps what was typed.
    enterListOnActivate_ = false;
    session_.messages->information(this, kNoticeTitle, text);
}

// ENTERLIST runs when the window becomes active coming from another of the
// program's windows (and at its first showing), not when it comes back from
// one of its own notices, a combo's open list or another program.
bool Form2::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && enterListOnActivate_) {
        enterListOnActivate_ = false;
        ENTERLIST();
    } else if (event->type() == QEvent::WindowDeactivate) {
        const QWidget* next = QApplication::activeWindow();
        enterListOnActivate_ = next != nullptr && next != this && qobject_cast<const QMessageBox*>(next) == nullptr &&
                               next->windowType() != Qt::Popup;
    }
    return QWidget::event(event);
}

void Form2::closeEvent(QCloseEvent* event) {
    ReleaseOwner(this, &form1_);
    event->accept();
}

}  // namespace velmora
