#include "ui/records/RecordCharting.h"

#include <QDateTime>

#include "files/UserFile.h"
#include "ui/main/Form1.h"
#include "ui/schools/SchoolCommands.h"
#include "ui/schools/SchoolSettings.h"

namespace velmora {

namespace {
constexpr int kYearDigits = 4;
}  // namespace

void ChartInRecordSchool(Form1& form1, const files::BirthRecord* record) {
    form1.session().chartedRecord = record != nullptr ? std::optional(*record) : std::nullopt;
    const std::optional<SchoolChoice> own = record != nullptr ? SchoolOfRecord(*record) : std::nullopt;
    if (own) form1.session().conventions = own->conventions;
    else form1.schools().useSettingsSchool();
}

void ChartRecordOnMainWindow(Form1& form1) {
    Session& session = form1.session();
    form1.user();
    session.RecordLoaded = 1;
    form1.layerChosen(0);
    // The date limits stay as user() left them: a record's layers start at its birth.
    const QDateTime now = session.now();
    DateInputs& inputs = form1.dateInputs();
    inputs.setLabel(DateInputs::Year, QStringLiteral("%1").arg(now.date().year(), kYearDigits, 10, QLatin1Char('0')));
    inputs.setLabel(DateInputs::Month, QString::number(now.date().month()));
    inputs.setLabel(DateInputs::Day, QString::number(now.date().day()));
    inputs.setValue(DateInputs::Period, PeriodOfHour(now.time().hour()));
    form1.df_date();
}

}  // namespace velmora
