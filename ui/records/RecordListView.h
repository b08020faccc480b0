#pragma once
// The record window's list as the user views it: sorted by a clicked column
// header and narrowed by a name filter, while User keeps its own order. Each
// row carries the index of its record in User, and every command of the
// window works on that index, so neither the sort nor the filter can make a
// command act on another record than the one the user picked.

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

#include "files/UserFile.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class RecordListView : public QObject {
    Q_OBJECT
public:
    // Twips the filter box and its gap take from the top of the list's place:
    // whatever lays the list out again must leave them.
    static constexpr int kFilterRoom = 375;
    // Puts the filter box where the top of `list` was (the list moves down to
    // make room) and sorts on header clicks. `periodLabels` give the order of
    // the period column: the day's order, 子 first, as `shown` shows them.
    // Every column but the name (as the user typed it) is shown through `shown`.
    RecordListView(QTreeWidget& list, const QStringList& periodLabels,
                   std::function<QString(const QString&)> shown = [](const QString& text) { return text; });

    // Rows for every record, in the chosen order, filtered.
    void show(const std::vector<files::BirthRecord>& records);
    // A row for record `index`, just appended to the records.
    void append(const files::BirthRecord& record, int index);
    // The row of record `index` shows the record as it is now.
    void update(const files::BirthRecord& record, int index);

    // The index of the record a row shows; -1 for no row.
    static int RecordOf(const QTreeWidgetItem* row);

    // A click on a column's header: ascending, then descending, then User's order.
    void sortBy(int column);
    // Column the rows are sorted by; -1 while they are in User's order.
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return order_; }
    QLineEdit& filterBox() const { return *filter_; }

    // Which records the filter box's text lets through, by their index in
    // User, and why a text cannot be read (unset when it can). Without one
    // the text is looked for in the names.
    struct RecordFilter {
        std::function<bool(int record, const QString& text)> passes;
        std::function<std::optional<QString>(const QString& text)> problem;
    };
    void setRecordFilter(RecordFilter filter);
    // Filters the rows again: what the record filter reads has changed.
    void refilter();

private:
    void resort();
    // The reason the box's text cannot be read, beside the box; nothing for none.
    void showProblem(const std::optional<QString>& problem);
    // Whether `a` comes before `b` in the chosen order.
    bool before(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const;
    int compareColumn(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const;
    QTreeWidgetItem* rowOf(int index) const;

    QTreeWidget& list_;
    QLineEdit* filter_ = nullptr;
    QStringList periodLabels_;
    std::function<QString(const QString&)> shown_;
    RecordFilter recordFilter_;
    // A record's row, its fields shown in the script.
    QTreeWidgetItem* newRow(const files::BirthRecord& record, int index) const;
    int sortColumn_ = -1;
    Qt::SortOrder order_ = Qt::AscendingOrder;
};

// Whether a record named `name` passes the filter text: the text, trimmed,
// is part of the name, ignoring case; an empty filter passes every name.
bool NameMatchesFilter(const QString& name, const QString& filter);

}  // namespace velmora
