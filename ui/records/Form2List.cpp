// The record list for daily use: a filter box and header sorting over the
// list (which leave User's order alone), a double-click that charts a record
// as picking it and pressing "確定" does, and a question before "刪除".

#include <QLineEdit>
#include <QTreeWidget>

#include "ui/main/ReferenceReads.h"
#include "ui/session/Session.h"
#include "ui/records/Form2.h"
#include "ui/records/RecordFields.h"
#include "ui/records/RecordFilters.h"
#include "ui/records/RecordListView.h"

namespace velmora {

void Form2::buildListView() {
    const std::shared_ptr<const ShownScript> script = session_.script;
    listView_ = new RecordListView(*listView1_, BirthPeriodLabels(session_.hourLabels),
                                   [script](const QString& text) { return script->text(text); });
    search_ = std::make_unique<RecordSearch>(session_, records_);
    listView_->filterBox().setPlaceholderText(QStringLiteral("篩選姓名，或依命盤：命宮 有 紫微"));
    listView_->filterBox().setAccessibleName(QStringLiteral("篩選姓名或命盤"));
    listView_->setRecordFilter({[this](int record, const QString& text) {
                                    return search_->passes(record, text) &&
                                           (filters_ == nullptr || filters_->passesChoices(record));
                                },
                                [this](const QString& text) { return search_->problem(text); }});
    connect(listView1_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int row = RecordListView::RecordOf(item);
        if (row >= 0) {
            selectRecord(row);
            confirm();
        }
    });
}

bool Form2::confirmDeletion(int row) {
    // Coming back from the question is no new visit: the inputs stay as they are.
    enterListOnActivate_ = false;
    const QString name = records_[static_cast<std::size_t>(row)].name;
    return session_.messages->question(this, kNoticeTitle, QStringLiteral("確定刪除「%1」？").arg(name));
}

}  // namespace velmora
