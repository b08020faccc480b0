#include "ui/records/CaseNotesWindow.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "cases/CaseStore.h"
#include "files/RecordId.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ShownScript.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

// Typing stops this long before the change is written.
constexpr int kSaveDelayMs = 700;
const QString kTitle = QStringLiteral("案例筆記");

// The grades as the combo lists them: code, words.
const std::array<std::pair<const char*, QString>, 6> kGradeWords = {{
    {"AA", QStringLiteral("AA 出生時記錄")}, {"A", QStringLiteral("A 憑記憶")},
    {"B", QStringLiteral("B 出自傳記")},     {"C", QStringLiteral("C 模糊")},
    {"DD", QStringLiteral("DD 說法不一")},   {"X", QStringLiteral("X 不明")},
}};

// The event list's columns.
enum EventColumn { DateColumn, TimeColumn, TextColumn };

QStringList SplitTags(const QString& text) {
    static const QRegularExpression kSeparators(QStringLiteral("[;；,，、]"));
    QStringList tags;
    for (const QString& tag : text.split(kSeparators))
        if (!tag.trimmed().isEmpty() && !tags.contains(tag.trimmed())) tags.append(tag.trimmed());
    return tags;
}

}  // namespace

CaseNotesWindow::CaseNotesWindow(Session& session, QWidget& owner, GiveId giveId)
    : QWidget(&owner, Qt::Tool), session_(session), giveId_(std::move(giveId)) {
    setObjectName(QStringLiteral("CaseNotes"));
    setWindowTitle(kTitle);
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(kSaveDelayMs);
    connect(&saveTimer_, &QTimer::timeout, this, [this] { saveNow(); });
    build();
    session_.script->applyTo(this);
    showRecord(std::nullopt);
}

CaseNotesWindow::~CaseNotesWindow() = default;

void CaseNotesWindow::build() {
    auto* form = new QFormLayout;
    person_ = new QLabel(this);
    MarkAsUserText(person_);
    notes_ = new QPlainTextEdit(this);
    notes_->setTabChangesFocus(true);  // Tab walks the fields; a note needs no tab characters
    tags_ = new QLineEdit(this);
    tags_->setPlaceholderText(QStringLiteral("以「；」分隔，如 家人；學員"));
    source_ = new QLineEdit(this);
    grade_ = new QComboBox(this);
    for (const auto& [code, words] : kGradeWords) grade_->addItem(words, QString::fromLatin1(code));
    const std::array<QWidget*, 5> named = {notes_, tags_, source_, grade_, person_};
    const std::array<const char*, 5> names = {"CaseNotesText", "CaseTags", "CaseSource", "CaseGrade", "CasePerson"};
    for (std::size_t i = 0; i < named.size(); ++i) named[i]->setObjectName(QString::fromLatin1(names[i]));
    form->addRow(QStringLiteral("姓名"), person_);
    form->addRow(QStringLiteral("筆記(&N)"), notes_);
    form->addRow(QStringLiteral("標籤(&T)"), tags_);
    form->addRow(QStringLiteral("資料來源(&S)"), source_);
    form->addRow(QStringLiteral("時辰可靠度(&G)"), grade_);
    form->addRow(QStringLiteral("事件(&E)"), buildEvents());
    setLayout(form);
    connect(notes_, &QPlainTextEdit::textChanged, this, &CaseNotesWindow::edited);
    connect(tags_, &QLineEdit::textChanged, this, &CaseNotesWindow::edited);
    connect(source_, &QLineEdit::textChanged, this, &CaseNotesWindow::edited);
    connect(grade_, &QComboBox::currentIndexChanged, this, &CaseNotesWindow::edited);
    connect(events_, &QTreeWidget::itemChanged, this, &CaseNotesWindow::edited);
    resize(420, 520);
}

QWidget* CaseNotesWindow::buildEvents() {
    auto* box = new QWidget(this);
    events_ = new QTreeWidget(box);
    events_->setObjectName(QStringLiteral("CaseEvents"));
    events_->setHeaderLabels({QStringLiteral("日期"), QStringLiteral("時間"), QStringLiteral("事件")});
    events_->setRootIsDecorated(false);
    events_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    events_->installEventFilter(this);
    MarkUserTextColumn(events_, TextColumn);
    auto* add = new QPushButton(QStringLiteral("新增事件(&A)"), box);
    auto* remove = new QPushButton(QStringLiteral("刪除事件(&D)"), box);
    add->setObjectName(QStringLiteral("CaseEventAdd"));
    remove->setObjectName(QStringLiteral("CaseEventDelete"));
    connect(add, &QPushButton::clicked, this, &CaseNotesWindow::addEvent);
    connect(remove, &QPushButton::clicked, this, &CaseNotesWindow::deleteEvent);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(events_);
    column->addLayout(buttons);
    return box;
}

// Insert adds an event and Delete removes the current one, as the buttons do.
bool CaseNotesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == events_ && event->type() == QEvent::KeyPress) {  // an open editor takes its own keys
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Insert) return addEvent(), true;
        if (key == Qt::Key_Delete) return deleteEvent(), true;
    }
    return QWidget::eventFilter(watched, event);
}

bool CaseNotesWindow::openStore() {
    if (store_) return true;
    cases::CaseOpen opened = cases::CaseStore::Open(session_.dataFolder, {0, session_.writeOptions.lockWait, 0});
    if (auto* problem = std::get_if<files::FileProblem>(&opened)) {
        tell(problem->describe() + QStringLiteral("。\n案例筆記暫時無法使用；檔案保持原樣。"));
        return false;
    }
    store_ = std::move(std::get<std::unique_ptr<cases::CaseStore>>(opened));
    return true;
}

void CaseNotesWindow::showRecord(const std::optional<files::BirthRecord>& record) {
    if (dirty_) saveNow();
    record_ = record;
    cases::CaseEntry entry;
    if (record_) {
        entry.person = cases::KeyOf(*record_);
        entry.id = files::RecordId(*record_).value_or(QString());
        // A library not yet begun is made by the first note, not by looking.
        const bool begun = QFileInfo::exists(cases::CasesFilePath(session_.dataFolder));
        std::vector<cases::CaseEntry> all;
        if (begun && openStore() && !store_->load(all)) {
            // Without an id (an older program dropped it) the case is found by the record's fields.
            const auto found = std::find_if(all.begin(), all.end(), [&](const cases::CaseEntry& c) {
                return entry.id.isEmpty() ? c.person == entry.person : c.id == entry.id;
            });
            if (found != all.end()) entry = *found;
        }
    }
    fill(entry);
    setEnabled(record_.has_value());
}

void CaseNotesWindow::fill(const cases::CaseEntry& entry) {
    filling_ = true;
    shown_ = entry;
    person_->setText(record_ ? QStringLiteral("%1（%2）").arg(record_->name, record_->gender) : QString());
    notes_->setPlainText(entry.notes);
    tags_->setText(entry.tags.join(QStringLiteral("；")));
    source_->setText(entry.source);
    grade_->setCurrentIndex(std::max(0, grade_->findData(entry.grade)));
    events_->clear();
    for (const cases::CaseEvent& event : entry.events) {
        auto* item = new QTreeWidgetItem(events_, {event.date, event.time.value_or(QString()), event.text});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    dirty_ = false;
    filling_ = false;
}

cases::CaseEntry CaseNotesWindow::gathered() const {
    cases::CaseEntry entry = shown_;
    entry.notes = notes_->toPlainText();
    entry.tags = SplitTags(tags_->text());
    entry.source = source_->text().trimmed();
    entry.grade = grade_->currentData().toString();
    entry.events.clear();
    for (int i = 0; i < events_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = events_->topLevelItem(i);
        const QString time = item->text(TimeColumn).trimmed();
        entry.events.push_back({item->text(DateColumn).trimmed(), time.isEmpty() ? std::nullopt : std::optional(time),
                                item->text(TextColumn)});
    }
    return entry;
}

void CaseNotesWindow::edited() {
    if (filling_ || !record_) return;
    dirty_ = true;
    saveTimer_.start();
}

void CaseNotesWindow::addEvent() {
    if (!record_) return;
    auto* item = new QTreeWidgetItem(events_, {QDate::currentDate().toString(Qt::ISODate), QString(), QString()});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    events_->setCurrentItem(item, TextColumn);
    events_->editItem(item, TextColumn);
    edited();
}

void CaseNotesWindow::deleteEvent() {
    QTreeWidgetItem* item = events_->currentItem();
    if (!item) return;
    delete item;
    edited();
}

// Another window or program wrote this case since it was shown: its version
// is shown, and what was typed here goes into the notice, so nothing is lost.
bool CaseNotesWindow::changedElsewhere(const QString& id) {
    std::vector<cases::CaseEntry> all;
    if (store_->load(all)) return false;
    for (const cases::CaseEntry& now : all) {
        if (now.id != id || now.changed == shown_.changed) continue;
        const QString typed = notes_->toPlainText();
        fill(now);
        tell(QStringLiteral("這筆案例已被其他視窗或程式改過，已改為顯示檔案目前的內容。這裡打的筆記沒有存檔：\n") + typed);
        return true;
    }
    return false;
}

bool CaseNotesWindow::saveNow() {
    saveTimer_.stop();
    if (!dirty_ || !record_ || !openStore()) return !dirty_;
    if (!files::RecordId(*record_)) {
        const QString id = giveId_(*record_, shown_.id);
        if (id.isEmpty()) return false;
        files::SetRecordId(*record_, id);
        shown_.id = id;
    }
    if (changedElsewhere(shown_.id)) return false;
    cases::CaseEntry entry = gathered();
    entry.changed = cases::NowStamp();
    if (entry.created.isEmpty()) entry.created = entry.changed;
    if (auto problem = store_->save(entry)) {
        tell(problem->describe() + QStringLiteral("。\n變更仍留在視窗中，下次存檔時會一併寫入。"));
        return false;
    }
    shown_ = entry;
    dirty_ = false;
    emit saved();
    return true;
}

void CaseNotesWindow::hideEvent(QHideEvent* event) {
    saveNow();
    QWidget::hideEvent(event);
}

void CaseNotesWindow::tell(const QString& text) { session_.messages->information(this, kTitle, text); }

}  // namespace velmora
