#include "ui/records/Form2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include "ui/common/Twips.h"
#include "ui/common/SecondaryWindow.h"
#include "ui/main/Form1.h"
#include "ui/main/ReferenceReads.h"
#include "ui/common/DropDownRows.h"
#include "ui/records/RecordFields.h"
#include "ui/records/Form2Moment.h"

namespace velmora {

namespace {
constexpr int kClientWidth = 6375;
constexpr int kClientHeight = 8130 + kMomentPanelHeight;
constexpr int kYearRows = 30;
constexpr int kListRowHeight = 255;  // twips: one list row, with room above and below the text
}  // namespace

Form2::Form2(Form1& form1) : QWidget(nullptr, Qt::Window), form1_(form1), session_(form1.session()) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("排盤"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(TwipSize(kClientWidth, kClientHeight));
    buildControls();
    wireControls();
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
    const QString path = files::UserFilePath(session_.programFolder);
    files::UserFileRead read = files::ReadUserFile(path);
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
    showList();
}

bool Form2::SAVELIST() {
    if (saveBlocked_) {
        tell(QStringLiteral("User 無法讀取，為免蓋掉檔案裡原有的資料，這次的變更沒有存檔。"));
        return false;
    }
    const QString path = files::UserFilePath(session_.programFolder);
    if (const auto problem = files::WriteUserFile(path, records_, session_.writeOptions)) {
        tell(problem->describe() +
             QStringLiteral("。\n這次的變更沒有存檔，檔案保持原樣；變更仍留在清單中，下次存檔時會一併寫入。"));
        return false;
    }
    return true;
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
    listView1_->clear();
    for (const files::BirthRecord& record : records_) {
        listView1_->addTopLevelItem(ListItem(record));
    }
    rebuildingList_ = false;
}

QTreeWidgetItem* Form2::ListItem(const files::BirthRecord& record) {
    const auto fields = record.fields();
    auto* item = new QTreeWidgetItem(QStringList(fields.begin(), fields.end()));
    item->setSizeHint(0, QSize(0, TwipsToPixels(kListRowHeight)));
    return item;
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

void Form2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    if (const QScreen* shown = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Form2::closeEvent(QCloseEvent* event) {
    ReleaseOwner(this, &form1_);
    event->accept();
}

}  // namespace velmora
