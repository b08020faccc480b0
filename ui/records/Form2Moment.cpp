// The record window's birth moment: the panel built below the hint, its
// conversion shown in the combos, and its pieces stored with the record.

#include <QComboBox>

#include "moment/StoredMoment.h"
#include "ui/session/Session.h"
#include "ui/common/Twips.h"
#include "ui/moment/MomentInputs.h"
#include "ui/records/Form2.h"
#include "ui/records/Form2Moment.h"
#include "ui/records/RecordFields.h"

namespace velmora {

namespace {
// Columns: left, top, width, height in twips; just below the hint.
constexpr TwipPlace kMomentPanel{90, 8070, 6195, kMomentPanelHeight - 90};
constexpr int kLatePeriod = 13;
constexpr int kEarlyPeriod = 1;
}  // namespace

void Form2::buildMomentPanel() {
    moment_ = new MomentInputs(session_, this);
    moment_->setGeometry(TwipRect(kMomentPanel));
    connect(moment_, &MomentInputs::converted, this, &Form2::showConvertedBirth);
    moment_->suggestedDate = [this] {
        return QDate(PickedYear().toInt(), PickedMonth().toInt(), PickedDay().toInt());
    };
}

// The combos offer the twelve periods from early 子; a late-子 birth is
// charted as the next day's 子, so that is what the record holds.
void Form2::showConvertedBirth(const QDate& chartDate, int period) {
    QDate date = chartDate;
    if (period == kLatePeriod) {
        date = date.addDays(1);
        period = kEarlyPeriod;
    }
    combo1_[MonthCombo]->setEnabled(true);
    combo1_[DayCombo]->setEnabled(true);
    combo1_[HourCombo]->setEnabled(true);
    fillIfEmpty(MonthCombo, NumberEntries(1, kMonthsInYear));
    fillIfEmpty(HourCombo, BirthPeriodLabels(session_.hourLabels));
    selectStored(YearCombo, QString::number(date.year()));
    selectStored(MonthCombo, QString::number(date.month()));
    selectStored(DayCombo, QString::number(date.day()));
    pick(HourCombo, period - 1);
}

std::optional<QString> Form2::momentProblem(const files::BirthRecord& record) const {
    if (std::optional<QString> problem = moment_->problem()) {
        return problem;
    }
    files::BirthRecord trial = record;
    return moment::StoreMoment(trial, moment_->entered());
}

void Form2::storeMoment(files::BirthRecord& record) const {
    moment::StoreMoment(record, moment_->entered());  // checked by momentProblem before
}

void showStoredMoment(MomentInputs& inputs, const files::BirthRecord& record) {
    inputs.showStored(moment::ReadStoredMoment(record));
}

QString MomentCaption(const MomentInputs& inputs) { return inputs.caption(); }

}  // namespace velmora
