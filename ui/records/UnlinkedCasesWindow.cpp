#include "ui/records/UnlinkedCasesWindow.h"

#include <QDateTime>
#include <QDebug>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "cases/CaseLinks.h"
#include "cases/CaseStore.h"
#include "files/RecordId.h"
#include "ui/common/DropDownRows.h"
#include "ui/common/Fonts.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ShownScript.h"
#include "ui/records/UnlinkedCases.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

const QString kTitle = QStringLiteral("未連結案例");
constexpr double kListPoints = 9;
const QString kCaption =
    QStringLiteral("這些案例找不到對應的資料：在「排盤」視窗點選一筆資料後按「連結」，或刪除不再需要的案例。");
const QString kNothingChanged = QStringLiteral("。\n檔案保持原樣，沒有任何變更。");

// The list's columns: header, width in pixels at 100 %.
struct Column {
    const char* header;
    int width;
};
enum ColumnIndex { NameColumn, GenderColumn, DateColumn, PeriodColumn, GradeColumn, NotesColumn, ChangedColumn };
constexpr std::array<Column, 7> kColumns{{
    {"姓名", 58}, {"性別", 32}, {"生日", 68}, {"時", 122}, {"可靠度", 44}, {"筆記", 102}, {"修改時間", 104},
}};

QString FirstLine(const QString& notes) { return notes.section(QLatin1Char('\n'), 0, 0).trimmed(); }

// The store keeps UTC; the user reads the time of their own clock.
QString ChangedText(const QString& stamp) {
    const QDateTime time = QDateTime::fromString(stamp, Qt::ISODateWithMs);
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : stamp;
}

QStringList RowTexts(const cases::CaseEntry& entry) {
    const cases::PersonKey& person = entry.person;
    return {person.name,
            person.gender,
            QStringLiteral("%1/%2/%3").arg(person.year, person.month, person.day),
            person.hour,
            entry.grade,
            FirstLine(entry.notes),
            ChangedText(entry.changed)};
}

}  // namespace

UnlinkedCasesWindow::UnlinkedCasesWindow(Session& session, QWidget& owner, RecordSide side)
    : QWidget(&owner, Qt::Tool), session_(session), side_(std::move(side)) {
    setObjectName(QStringLiteral("UnlinkedCases"));
    setWindowTitle(kTitle);
    setFont(MingFont(kListPoints));  // as the record window's list, so a person reads the same in both
    build();
    session_.script->applyTo(this);
}

void UnlinkedCasesWindow::build() {
    auto* caption = new QLabel(kCaption, this);
    caption->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("UnlinkedList"));
    list_->setAccessibleName(QStringLiteral("未連結的案例"));
    SpaceRows(*list_);  // rows spaced as the record window's list
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList headers;
    for (const Column& column : kColumns) headers.append(QString::fromUtf8(column.header));
    list_->setHeaderLabels(headers);
    for (std::size_t i = 0; i < kColumns.size(); ++i) list_->setColumnWidth(static_cast<int>(i), kColumns[i].width);
    MarkUserTextColumn(list_, NameColumn);
    MarkUserTextColumn(list_, NotesColumn);
    list_->installEventFilter(this);
    link_ = new QPushButton(QStringLiteral("連結(&L)"), this);
    delete_ = new QPushButton(QStringLiteral("刪除(&D)"), this);
    auto* close = new QPushButton(QStringLiteral("關閉"), this);
    link_->setObjectName(QStringLiteral("UnlinkedLink"));
    delete_->setObjectName(QStringLiteral("UnlinkedDelete"));
    link_->setAccessibleName(QStringLiteral("連結到排盤視窗點選的資料"));
    delete_->setAccessibleName(QStringLiteral("刪除這個案例"));
    connect(link_, &QPushButton::clicked, this, &UnlinkedCasesWindow::linkSelected);
    connect(delete_, &QPushButton::clicked, this, &UnlinkedCasesWindow::deleteSelected);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(link_);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(caption);
    column->addWidget(list_);
    column->addLayout(buttons);
    resize(556, 280);
}

// Enter links the selected case and Delete deletes it, as the buttons do.
bool UnlinkedCasesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return linkSelected(), true;
        if (key == Qt::Key_Delete) return deleteSelected(), true;
    }
    return QWidget::eventFilter(watched, event);
}

void UnlinkedCasesWindow::refresh() {
    CaseLibrary library = OpenCaseLibrary(session_.dataFolder, session_.writeOptions.lockWait);
    if (library.problem) tell(library.problem->describe() + QStringLiteral("。\n未連結的案例暫時無法列出。"));
    const cases::CaseLinks links = cases::LinkCases(side_.records(), library.cases);
    unlinked_ = UnlinkedEntries(library, links);
    all_ = std::move(library.cases);
    fill();
    if (side_.counted) side_.counted(count());
}

void UnlinkedCasesWindow::fill() {
    list_->clear();
    for (const cases::CaseEntry& entry : unlinked_) new QTreeWidgetItem(list_, RowTexts(entry));
    session_.script->applyTo(list_);
    if (!unlinked_.empty()) list_->setCurrentItem(list_->topLevelItem(0));
    link_->setEnabled(!unlinked_.empty());
    delete_->setEnabled(!unlinked_.empty());
}

const cases::CaseEntry* UnlinkedCasesWindow::selectedCase() {
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    if (row < 0 || row >= count()) {
        tell(QStringLiteral("請先在清單中點選一個案例。"));
        return nullptr;
    }
    return &unlinked_[static_cast<std::size_t>(row)];
}

bool UnlinkedCasesWindow::hasOwnCase(const QString& id) const {
    return std::any_of(all_.begin(), all_.end(), [&](const cases::CaseEntry& entry) { return entry.id == id; });
}

void UnlinkedCasesWindow::linkSelected() {
    const cases::CaseEntry* selected = selectedCase();
    if (!selected) return;
    const cases::CaseEntry entry = *selected;  // the list is read again below
    const int index = side_.pickedRecord();
    if (index < 0) {
        tell(QStringLiteral("請先在「排盤」視窗的清單中點選要連結的資料，再按「連結」。"));
        return;
    }
    files::BirthRecord record = side_.records()[static_cast<std::size_t>(index)];
    const std::optional<QString> ownId = files::RecordId(record);
    const QString recordText = PersonText(cases::KeyOf(record));
    if (ownId && hasOwnCase(*ownId)) {
        tell(QStringLiteral("資料 %1 已有自己的案例，不能再連結另一個。").arg(recordText));
        return;
    }
    if (!ask(QStringLiteral("把未連結的案例 %1 連結到資料 %2？\n案例的筆記和事件從此屬於這筆資料。")
                 .arg(PersonText(entry.person), recordText)))
        return;
    // Whether it went through or not (the user was told), the list shows the library as it now is.
    if (ownId) {
        linkByCaseId(entry, index);
    } else {
        side_.giveId(index, entry.id);
    }
    refresh();
}

// The record keeps its own id; the case takes it (one transaction), then the
// record's fields, so that a later rewrite dropping the id finds it again by
// them (should that second write fail, the next reading of User repeats it).
void UnlinkedCasesWindow::linkByCaseId(const cases::CaseEntry& entry, int record) {
    CaseLibrary library = OpenCaseLibrary(session_.dataFolder, session_.writeOptions.lockWait);
    files::BirthRecord target = side_.records()[static_cast<std::size_t>(record)];
    cases::CaseEntry linked = entry;
    linked.id = cases::LinkTarget(target, entry);
    linked.person = cases::KeyOf(target);
    std::optional<files::FileProblem> problem = library.problem;
    if (!problem && library.store) problem = library.store->changeId(entry.id, linked.id);
    if (problem) {
        tell(problem->describe() + kNothingChanged);
        return;
    }
    if (library.store) {
        if (auto followed = library.store->save(linked)) qWarning().noquote() << followed->describe();
    }
}

void UnlinkedCasesWindow::deleteSelected() {
    const cases::CaseEntry* selected = selectedCase();
    if (!selected) return;
    const cases::CaseEntry entry = *selected;
    if (!ask(QStringLiteral("確定刪除未連結的案例 %1？\n它的筆記、標籤和事件會一併刪除，無法復原。")
                 .arg(PersonText(entry.person))))
        return;
    CaseLibrary library = OpenCaseLibrary(session_.dataFolder, session_.writeOptions.lockWait);
    std::optional<files::FileProblem> problem = library.problem;
    if (!problem && library.store) problem = library.store->remove(entry.id);
    if (problem) {
        tell(problem->describe() + kNothingChanged);
        return;
    }
    refresh();
}

void UnlinkedCasesWindow::tell(const QString& text) { session_.messages->information(this, kTitle, text); }

bool UnlinkedCasesWindow::ask(const QString& text) { return session_.messages->question(this, kTitle, text); }

}  // namespace velmora
