#include "ui/chartio/QueryChart.h"

#include "calendar/CalendarDay.h"
#include "ui/chartio/ChartHost.h"
#include "ui/session/DateInputs.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

// The date inputs moved to a query's date and period as the user's steps would end.
void MoveDateInputs(ChartHost& form, const tool::QueryDate& date, int period) {
    form.dateInputs().moveThroughLabels(QDate(date.year, date.month, date.day), period);
}

// As the gender dialog's "確定" charts the date inputs, with the name given.
void ChartByDate(ChartHost& form, const tool::Query& query, const QString& personName) {
    MoveDateInputs(form, query.birthDate, query.period);
    form.modeChosen(ChartHost::ChartByDateMode);
    Session& session = form.session();
    session.birth.Gender = static_cast<std::int16_t>(query.gender);
    session.PersonName = personName;
    session.momentCaption.clear();
    form.df_date();
    form.user();
}

// As the record window's "確定" charts a record, then the moment on its layer.
void ChartAsRecord(ChartHost& form, const tool::Query& query, const QString& personName) {
    Session& session = form.session();
    session.birth = BirthInput{};
    session.chart.StarTable = {};
    session.chart.PalaceTable = {};
    session.PersonName = personName;
    session.momentCaption.clear();
    session.birth.Gender = static_cast<std::int16_t>(query.gender);
    CalendarDay& day = session.calendar;
    day = CalendarDay{};
    day.SolarYear = static_cast<std::int16_t>(query.birthDate.year);
    day.SolarMonth = static_cast<std::int16_t>(query.birthDate.month);
    day.SolarDay = static_cast<std::int16_t>(query.birthDate.day);
    day.ClockHour = static_cast<std::int16_t>(tool::ClockHourOfPeriod(query.period));
    CalcCalendar(day);
    form.user();
    session.RecordLoaded = 1;
    form.layerChosen(0);
    MoveDateInputs(form, query.at->date, query.at->period);
    form.layerChosen(query.at->layer);
}

}  // namespace

void ShowQuery(ChartHost& form, const tool::Query& query, const QString& personName) {
    if (query.at) {
        ChartAsRecord(form, query, personName);
    } else {
        ChartByDate(form, query, personName);
    }
}

}  // namespace velmora
