#include "tests/ui/layers/ChartRecord.h"

#include "calendar/CalendarDay.h"
#include "ui/session/DateInputs.h"

namespace velmora::testing {

namespace {
constexpr int kHoursPerPeriod = 2;
}  // namespace

void ChartRecord(Form1& form, const Record& record) {
    Session& session = form.session();
    session.birth = BirthInput{};
    session.chart.StarTable = {};
    session.chart.PalaceTable = {};
    session.PersonName = record.name;
    session.birth.Gender = record.male ? 1 : 0;
    CalendarDay& day = session.calendar;
    day.SolarYear = static_cast<std::int16_t>(record.birth.year());
    day.SolarMonth = static_cast<std::int16_t>(record.birth.month());
    day.SolarDay = static_cast<std::int16_t>(record.birth.day());
    day.ClockHour = static_cast<std::int16_t>(kHoursPerPeriod * record.hour);
    day.LunarYear = day.LunarMonth = day.LunarDay = day.HourBranch = day.LeapKind = 0;
    CalcCalendar(day);
    form.user();
    session.RecordLoaded = 1;
    form.layerChosen(0);
    const QDateTime now = session.now();
    DateInputs& inputs = form.dateInputs();
    inputs.setLabel(DateInputs::Year, QString::number(now.date().year()));
    inputs.setLabel(DateInputs::Month, QString::number(now.date().month()));
    inputs.setLabel(DateInputs::Day, QString::number(now.date().day()));
    inputs.setValue(DateInputs::Period, PeriodOfHour(now.time().hour()));
    form.df_date();
}

bool ShowDate(Form1& form, const QDate& date, int period) {
    form.dateInputs().moveThroughLabels(date, period);
    return form.dateInputs().shownDate() == date;
}

}  // namespace velmora::testing
