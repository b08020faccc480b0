// Picking in the four birth combos, the lunar preview, and a record of the
// list brought into the inputs. A pick by hand and a pick made by selecting a
// record run the same steps.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include "ui/session/Session.h"
#include "ui/common/DropDownRows.h"
#include "ui/records/CaseNotesWindow.h"
#include "ui/records/Form2.h"
#include "ui/records/RecordListView.h"
#include "ui/records/RecordFields.h"
#include "ui/records/Form2Moment.h"

namespace velmora {

void Form2::pick(int combo, int index) {
    QComboBox* box = combo1_[static_cast<std::size_t>(combo)];
    box->setCurrentIndex(index);
    if (index >= 0) {
        picked_[static_cast<std::size_t>(combo)] = box->itemText(index);
        storedProblem_[static_cast<std::size_t>(combo)].reset();
        if (combo == YearCombo) {
            yearPicked();
        } else if (combo == MonthCombo) {
            monthPicked();
        } else if (combo == DayCombo) {
            dayPicked();
        }
    }
    const bool dayKnown = combo1_[YearCombo]->currentIndex() >= 0 && combo1_[MonthCombo]->currentIndex() >= 0 &&
                          combo1_[DayCombo]->currentIndex() >= 0;
    if (dayKnown) {
        LunarPreview();
    } else {
        label3_->setText(session_.script->text(QStringLiteral("陰曆")));
        showCalendarNotes(nullptr);
    }
}

void Form2::yearPicked() {
    combo1_[MonthCombo]->setEnabled(true);
    fillIfEmpty(MonthCombo, NumberEntries(1, kMonthsInYear));
    // February's length follows the year: a day the month no longer has is cleared.
    if (combo1_[MonthCombo]->currentIndex() >= 0) {
        rebuildDays(true);
    }
}

void Form2::monthPicked() {
    combo1_[DayCombo]->setEnabled(true);
    rebuildDays(false);
    storedProblem_[DayCombo].reset();  // the day is picked anew for this month
}

void Form2::dayPicked() {
    combo1_[HourCombo]->setEnabled(true);
    fillIfEmpty(HourCombo, BirthPeriodLabels(session_.hourLabels));
}

void Form2::fillIfEmpty(int combo, const QStringList& entries) {
    QComboBox* box = combo1_[static_cast<std::size_t>(combo)];
    if (box->count() > 0) {
        return;
    }
    box->addItems(entries);
    box->setCurrentIndex(-1);
    SetDropDownRows(*box, static_cast<int>(entries.size()));
}

// The day list for the selected month of PickedYear. With `keepSelection`
// the selected day stays when the month still has it; otherwise no day is
// selected (PickedDay keeps its value).
void Form2::rebuildDays(bool keepSelection) {
    QComboBox* days = combo1_[DayCombo];
    const int count = DaysInMonth(PickedYear().toInt(), selectedText(MonthCombo).toInt());
    const int selected = days->currentIndex();
    if (keepSelection && days->count() == count) {
        return;
    }
    days->clear();
    days->addItems(NumberEntries(1, count));
    days->setCurrentIndex(keepSelection && selected < count ? selected : -1);
    SetDropDownRows(*days, count);
}

// The picked day converted on its own, whatever hour the main window's
// calendar holds, and without touching that calendar.
void Form2::LunarPreview() {
    const CalendarDay day = ConvertForPreview(selectedText(YearCombo).toInt(), selectedText(MonthCombo).toInt(),
                                              selectedText(DayCombo).toInt());
    label3_->setText(session_.script->text(LunarPreviewText(day, session_.names)));
    showCalendarNotes(&day);
}

int Form2::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = listView1_->selectedItems();
    return selected.isEmpty() ? -1 : RecordListView::RecordOf(selected.first());
}

// Fills what the record allows: a part its combo cannot offer (a year outside
// the list, a day the month lacks, an unknown period text, a missing field)
// is left unpicked and remembered, so "確定" can name it.
void Form2::selectRecord(int row) {
    if (row < 0 || row >= static_cast<int>(records_.size())) {
        return;
    }
    combo1_[MonthCombo]->setEnabled(true);
    combo1_[DayCombo]->setEnabled(true);
    combo1_[HourCombo]->setEnabled(true);
    CHECKLIST();
    const files::BirthRecord& record = records_[static_cast<std::size_t>(row)];
    text1_->setText(record.name);
    option1_[record.gender != option1_[0]->text() ? 1 : 0]->setChecked(true);
    fillIfEmpty(MonthCombo, NumberEntries(1, kMonthsInYear));
    fillIfEmpty(HourCombo, BirthPeriodLabels(session_.hourLabels));
    selectStored(YearCombo, record.year);
    selectStored(MonthCombo, record.month);
    if (combo1_[MonthCombo]->currentIndex() >= 0) {
        selectStored(DayCombo, record.day);
    } else {
        pick(DayCombo, -1);  // a day means nothing without its month
    }
    selectStored(HourCombo, record.hour);
    showStoredMoment(*moment_, record);
    notes_->showRecord(record);
}

// The period combo shows its labels in the script; User holds them as
// the files do (Traditional), so the period is found and kept by position.
void Form2::selectStored(int combo, const QString& text) {
    const int index = combo == HourCombo ? static_cast<int>(StoredPeriodLabels().indexOf(text))
                                         : combo1_[static_cast<std::size_t>(combo)]->findText(text, Qt::MatchExactly);
    pick(combo, index);
    if (index < 0) {
        storedProblem_[static_cast<std::size_t>(combo)] = text;
    }
}

QString Form2::selectedText(int combo) const {
    const QComboBox* box = combo1_[static_cast<std::size_t>(combo)];
    if (box->currentIndex() < 0) {
        return QString();
    }
    return combo == HourCombo ? StoredPeriodLabels().value(box->currentIndex()) : box->currentText();
}

}  // namespace velmora
