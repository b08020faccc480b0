#include "ui/records/RecordFilters.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

#include "cases/CaseStore.h"
#include "files/RecordId.h"
#include "ui/common/ShownScript.h"
#include "ui/common/Twips.h"

namespace velmora {

namespace {

constexpr int kBoxWidth = 1275;   // twips: a box wide enough for "全部標籤" and its arrow
constexpr int kBoxGap = 45;       // twips between the boxes
constexpr int kTrigramLength = 3; // the full-text index finds texts of three characters or more
const QString kAllTags = QStringLiteral("全部標籤");
const QString kAllGrades = QStringLiteral("全部等級");

QString PersonText(const cases::PersonKey& p) {
    return QStringList{p.name, p.gender, p.year, p.month, p.day, p.hour}.join(QLatin1Char('\t'));
}

bool AnyTagHolds(const QStringList& tags, const QString& text) {
    return std::any_of(tags.begin(), tags.end(), [&](const QString& tag) { return tag.contains(text, Qt::CaseInsensitive); });
}

// The plain substring test the index cannot do for one or two characters.
bool NotesHold(const cases::CaseEntry& entry, const QString& text) {
    if (entry.notes.contains(text, Qt::CaseInsensitive)) return true;
    return std::any_of(entry.events.begin(), entry.events.end(),
                       [&](const cases::CaseEvent& e) { return e.text.contains(text, Qt::CaseInsensitive); });
}

}  // namespace

RecordFilters::RecordFilters(QWidget& window, QLineEdit& searchBox, QString dataFolder,
                             const std::vector<files::BirthRecord>& records, std::shared_ptr<const ShownScript> script)
    : QObject(&window), dataFolder_(std::move(dataFolder)), records_(records), script_(std::move(script)) {
    tags_ = new QComboBox(&window);
    tags_->setObjectName(QStringLiteral("TagFilter"));
    MarkAsUserText(tags_);  // tags are shown as typed; its own words go through the script by hand
    grades_ = new QComboBox(&window);
    grades_->setObjectName(QStringLiteral("GradeFilter"));
    grades_->setAccessibleName(QStringLiteral("依時辰可靠度篩選"));
    grades_->setToolTip(QStringLiteral("只列出出生時辰屬這個等級的人"));
    grades_->addItem(kAllGrades, QString());
    for (const QString& grade : cases::kGrades) grades_->addItem(grade, grade);
    place(searchBox);
    QWidget::setTabOrder(&searchBox, tags_);
    QWidget::setTabOrder(tags_, grades_);
    connect(tags_, &QComboBox::currentIndexChanged, this, &RecordFilters::changed);
    connect(grades_, &QComboBox::currentIndexChanged, this, &RecordFilters::changed);
    window.installEventFilter(this);
    reload();
}

RecordFilters::~RecordFilters() = default;

void RecordFilters::place(QLineEdit& searchBox) {
    const QRect row = searchBox.geometry();
    const int box = TwipsToPixels(kBoxWidth);
    const int gap = TwipsToPixels(kBoxGap);
    searchBox.setGeometry(row.left(), row.top(), row.width() - 2 * (box + gap), row.height());
    tags_->setGeometry(row.right() + 1 - 2 * box - gap, row.top(), box, row.height());
    grades_->setGeometry(row.right() + 1 - box, row.top(), box, row.height());
}

// Becoming active may follow an edit in another program; the window's title
// changes only when the script switched.
bool RecordFilters::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate) reload();
    else if (event->type() == QEvent::WindowTitleChange) showTagBoxWords();
    return QObject::eventFilter(watched, event);
}

void RecordFilters::showTagBoxWords() {
    tags_->setItemText(0, script_->text(kAllTags));
    tags_->setAccessibleName(script_->text(QStringLiteral("依標籤篩選")));
    tags_->setToolTip(script_->text(QStringLiteral("只列出有這個標籤的人")));
}

void RecordFilters::reload() {
    cases_.clear();
    byId_.clear();
    byPerson_.clear();
    searchedText_.reset();
    if (!store_ && QFileInfo::exists(cases::CasesFilePath(dataFolder_))) {
        cases::CaseOpen opened = cases::CaseStore::Open(dataFolder_);
        if (auto* store = std::get_if<std::unique_ptr<cases::CaseStore>>(&opened)) store_ = std::move(*store);
    }
    // A library that cannot be read filters as an empty one; the notes window says why.
    if (store_ && store_->load(cases_)) cases_.clear();
    for (std::size_t i = 0; i < cases_.size(); ++i) {
        byId_.insert(cases_[i].id, static_cast<int>(i));
        byPerson_.insert(PersonText(cases_[i].person), static_cast<int>(i));
    }
    fillTags();
    emit changed();
}

// Every tag of the library, in order; the chosen one kept while it is offered.
void RecordFilters::fillTags() {
    const QString chosen = tags_->currentData().toString();
    QStringList all;
    for (const cases::CaseEntry& entry : cases_)
        for (const QString& tag : entry.tags)
            if (!all.contains(tag)) all.append(tag);
    all.sort(Qt::CaseInsensitive);
    const QSignalBlocker quiet(tags_);
    tags_->clear();
    tags_->addItem(kAllTags, QString());
    for (const QString& tag : all) tags_->addItem(tag, tag);
    tags_->setCurrentIndex(std::max(0, tags_->findData(chosen)));
    showTagBoxWords();
}

// A record with an id piece has the case of that id; one without (an older
// program dropped it) the case its six fields match.
const cases::CaseEntry* RecordFilters::caseOf(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= records_.size()) return nullptr;
    const files::BirthRecord& record = records_[static_cast<std::size_t>(index)];
    const std::optional<QString> id = files::RecordId(record);
    const int at = id ? byId_.value(*id, -1) : byPerson_.value(PersonText(cases::KeyOf(record)), -1);
    return at < 0 ? nullptr : &cases_[static_cast<std::size_t>(at)];
}

bool RecordFilters::anyChosen() const { return tags_->currentIndex() > 0 || grades_->currentIndex() > 0; }

// A person without a case has grade X (unknown) and no tags.
bool RecordFilters::passesChoices(int index) const {
    const cases::CaseEntry* entry = caseOf(index);
    const QString tag = tags_->currentData().toString();
    const QString grade = grades_->currentData().toString();
    if (!tag.isEmpty() && (entry == nullptr || !entry->tags.contains(tag))) return false;
    if (grade.isEmpty()) return true;
    return (entry != nullptr ? entry->grade : cases::kUnknownGrade) == grade;
}

bool RecordFilters::caseHolds(int index, const QString& text) {
    const QString wanted = text.trimmed();
    const cases::CaseEntry* entry = caseOf(index);
    if (wanted.isEmpty() || entry == nullptr) return false;
    if (AnyTagHolds(entry->tags, wanted)) return true;
    if (wanted.size() < kTrigramLength || !store_) return NotesHold(*entry, wanted);
    return idsHolding(wanted).contains(entry->id);
}

const QSet<QString>& RecordFilters::idsHolding(const QString& text) {
    if (searchedText_ == text) return searchedIds_;
    searchedText_ = text;
    searchedIds_.clear();
    QStringList ids;
    if (!store_->searchText(text, ids)) searchedIds_ = QSet<QString>(ids.begin(), ids.end());
    else
        for (const cases::CaseEntry& entry : cases_)
            if (NotesHold(entry, text)) searchedIds_.insert(entry.id);
    return searchedIds_;
}

}  // namespace velmora
