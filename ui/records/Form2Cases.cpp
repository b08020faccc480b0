// The record window's case tools: the tag and grade filters beside the
// search box (with the search box's text also looked for in the cases), and
// the library's export and import from the list's menu or their shortcuts.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>

#include "ui/main/Form1.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/records/CaseExchangeCommands.h"
#include "ui/records/CaseNotesWindow.h"
#include "ui/records/Form2.h"
#include "ui/records/RecordFilters.h"
#include "ui/records/RecordListView.h"
#include "ui/session/Session.h"

namespace velmora {

void Form2::buildCaseTools() {
    filters_ = new RecordFilters(*this, listView_->filterBox(), session_.dataFolder, records_, session_.script);
    search_->addTextMatcher([this](int record, const QString& text) { return filters_->caseHolds(record, text); });
    connect(filters_, &RecordFilters::changed, listView_, &RecordListView::refilter);
    connect(notes_, &CaseNotesWindow::saved, filters_, &RecordFilters::reload);
    QWidget::setTabOrder(&filters_->gradeBox(), listView1_);
    CaseExchangeCommands::Window window{
        this,
        [this]() -> const std::vector<files::BirthRecord>& { return records_; },
        [this] { return shownRecords(); },
        [this] { return SAVELIST(); },
        [this] {
            InputData();
            CHECKLIST();
            filters_->reload();
        },
        [this]() -> ExportDialogs& { return form1_.chartCommands().dialogs(); },
    };
    exchange_ = new CaseExchangeCommands(session_, std::move(window));
    // The list's menu (right click, or the menu key) offers them beside their shortcuts.
    listView1_->setContextMenuPolicy(Qt::ActionsContextMenu);
    listView1_->addAction(&exchange_->exportAction());
    listView1_->addAction(&exchange_->importAction());
}

std::optional<std::vector<int>> Form2::shownRecords() const {
    if (listView_->filterBox().text().trimmed().isEmpty() && !filters_->anyChosen()) return std::nullopt;
    std::vector<int> shown;
    for (int i = 0; i < listView1_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = listView1_->topLevelItem(i);
        if (!row->isHidden()) shown.push_back(RecordListView::RecordOf(row));
    }
    std::sort(shown.begin(), shown.end());  // written in User's order, whatever the list's sort
    return shown;
}

}  // namespace velmora
