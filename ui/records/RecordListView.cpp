#include "ui/records/RecordListView.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolTip>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

#include "ui/common/ShownScript.h"
#include "ui/common/Twips.h"

namespace velmora {

namespace {

constexpr int kRecordIndexRole = Qt::UserRole;  // a row's record index in User
constexpr int kListRowHeight = 255;             // twips: one list row, with room above and below the text
constexpr int kFilterHeight = 330;              // twips: the filter box, as high as the name box
constexpr int kFilterGap = 45;                  // twips between the filter box and the list
static_assert(kFilterHeight + kFilterGap == RecordListView::kFilterRoom);
constexpr int kNameColumn = 0;
constexpr int kPeriodColumn = 5;


// -1, 0 or 1 as a is below, equal to or above b.
template <typename T>
int Compare(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

bool NameMatchesFilter(const QString& name, const QString& filter) {
    return name.contains(filter.trimmed(), Qt::CaseInsensitive);
}

QTreeWidgetItem* RecordListView::newRow(const files::BirthRecord& record, int index) const {
    const auto fields = record.fields();
    QStringList shownFields(fields.begin(), fields.end());
    for (qsizetype column = kNameColumn + 1; column < shownFields.size(); ++column) {
        shownFields[column] = shown_(shownFields[column]);
    }
    auto* row = new QTreeWidgetItem(shownFields);
    row->setSizeHint(0, QSize(0, TwipsToPixels(kListRowHeight)));
    row->setData(0, kRecordIndexRole, index);
    return row;
}

RecordListView::RecordListView(QTreeWidget& list, const QStringList& periodLabels,
                               std::function<QString(const QString&)> shown)
    : QObject(&list), list_(list), periodLabels_(periodLabels), shown_(std::move(shown)) {
    MarkUserTextColumn(&list, kNameColumn);
    filter_ = new QLineEdit(list.parentWidget());
    filter_->setObjectName(QStringLiteral("FilterBox"));
    filter_->setPlaceholderText(QStringLiteral("篩選姓名"));
    filter_->setAccessibleName(QStringLiteral("篩選姓名"));
    filter_->setClearButtonEnabled(true);
    const QRect place = list.geometry();
    const int room = TwipsToPixels(kFilterHeight + kFilterGap);
    filter_->setGeometry(place.left(), place.top(), place.width(), TwipsToPixels(kFilterHeight));
    list.setGeometry(place.adjusted(0, room, 0, 0));
    QWidget::setTabOrder(filter_, &list);
    connect(filter_, &QLineEdit::textChanged, this, &RecordListView::refilter);
    list.header()->setSectionsClickable(true);
    connect(list.header(), &QHeaderView::sectionClicked, this, &RecordListView::sortBy);
}

void RecordListView::show(const std::vector<files::BirthRecord>& records) {
    list_.clear();
    QList<QTreeWidgetItem*> rows;
    for (std::size_t i = 0; i < records.size(); ++i) {
        rows.append(newRow(records[i], static_cast<int>(i)));
    }
    list_.addTopLevelItems(rows);
    resort();
}

void RecordListView::append(const files::BirthRecord& record, int index) {
    list_.addTopLevelItem(newRow(record, index));
    resort();
}

void RecordListView::update(const files::BirthRecord& record, int index) {
    if (QTreeWidgetItem* row = rowOf(index)) {
        const auto fields = record.fields();
        for (int column = 0; column < files::kUserFields; ++column) {
            const QString& field = fields[static_cast<std::size_t>(column)];
            row->setText(column, column == kNameColumn ? field : shown_(field));
        }
    }
    resort();
}

int RecordListView::RecordOf(const QTreeWidgetItem* row) {
    return row == nullptr ? -1 : row->data(0, kRecordIndexRole).toInt();
}

QTreeWidgetItem* RecordListView::rowOf(int index) const {
    for (int i = 0; i < list_.topLevelItemCount(); ++i) {
        if (RecordOf(list_.topLevelItem(i)) == index) {
            return list_.topLevelItem(i);
        }
    }
    return nullptr;
}

void RecordListView::sortBy(int column) {
    if (column != sortColumn_) {
        sortColumn_ = column;
        order_ = Qt::AscendingOrder;
    } else if (order_ == Qt::AscendingOrder) {
        order_ = Qt::DescendingOrder;
    } else {
        sortColumn_ = -1;
    }
    list_.header()->setSortIndicatorShown(sortColumn_ >= 0);
    list_.header()->setSortIndicator(sortColumn_, order_);
    resort();
}

// The rows are put in order by hand rather than by the list's own sorting,
// which would sort at once by its first column and has no way back to User's order.
void RecordListView::resort() {
    const QSignalBlocker quiet(&list_);  // reordering selects nothing new
    const QList<QTreeWidgetItem*> selected = list_.selectedItems();
    const int selectedRecord = selected.isEmpty() ? -1 : RecordOf(selected.first());
    QList<QTreeWidgetItem*> rows;
    while (list_.topLevelItemCount() > 0) {
        rows.append(list_.takeTopLevelItem(0));
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) { return before(*a, *b); });
    list_.addTopLevelItems(rows);
    if (QTreeWidgetItem* row = rowOf(selectedRecord)) {
        row->setSelected(true);
        list_.setCurrentItem(row);
    }
    refilter();
}

// A row the filter hides is no longer selected: a command never acts on a record out of sight.
void RecordListView::refilter() {
    const QString text = filter_->text();
    for (int i = 0; i < list_.topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list_.topLevelItem(i);
        const bool hidden = recordFilter_.passes ? !recordFilter_.passes(RecordOf(row), text)
                                                 : !NameMatchesFilter(row->text(0), text);
        row->setHidden(hidden);
        if (hidden && row->isSelected()) {
            list_.clearSelection();
        }
    }
    showProblem(recordFilter_.problem ? recordFilter_.problem(text) : std::nullopt);
}

void RecordListView::setRecordFilter(RecordFilter filter) {
    recordFilter_ = std::move(filter);
    refilter();
}

// Shown at once under the box (and kept as its tooltip), since a query is
// typed while looking at the box, not hovering over it.
void RecordListView::showProblem(const std::optional<QString>& problem) {
    const QString shown = problem ? shown_(*problem) : QString();
    if (filter_->toolTip() == shown) return;
    filter_->setToolTip(shown);
    filter_->setAccessibleDescription(shown);
    if (shown.isEmpty()) QToolTip::hideText();
    else if (filter_->isVisible()) QToolTip::showText(filter_->mapToGlobal(QPoint(0, filter_->height())), shown, filter_);
}

bool RecordListView::before(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const {
    if (sortColumn_ >= 0) {
        const int order = compareColumn(a, b);
        if (order != 0) {
            return order_ == Qt::AscendingOrder ? order < 0 : order > 0;
        }
    }
    return RecordOf(&a) < RecordOf(&b);  // equal rows keep User's order
}

// Numbers compare as numbers, periods in the day's order (a text that is no
// period after them all), anything else as text.
int RecordListView::compareColumn(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const {
    const QString left = a.text(sortColumn_);
    const QString right = b.text(sortColumn_);
    bool leftNumber = false;
    bool rightNumber = false;
    const int leftValue = left.toInt(&leftNumber);
    const int rightValue = right.toInt(&rightNumber);
    if (leftNumber && rightNumber) {
        return Compare(leftValue, rightValue);
    }
    if (sortColumn_ == kPeriodColumn) {
        const auto rank = [this](const QString& text) {
            const auto at = periodLabels_.indexOf(text);
            return at < 0 ? periodLabels_.size() : at;
        };
        if (const int order = Compare(rank(left), rank(right)); order != 0) {
            return order;
        }
    }
    return Compare(left, right);
}

}  // namespace velmora
