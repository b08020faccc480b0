#include "ui/chartio/ChartCopy.h"

#include "output/ChartRun.h"
#include "output/ChartText.h"
#include "output/OverlayRun.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartHost.h"
#include "ui/session/DateInputs.h"
#include "ui/session/Session.h"

namespace velmora {

std::optional<tool::Query> ShownQuery(ChartHost& form) {
    if (!form.chartShown()) {
        return std::nullopt;
    }
    const Session& session = form.session();
    const BirthInput& birth = session.birth;
    tool::Query query;
    query.birthDate = {birth.SolarYear, birth.SolarMonth, birth.SolarDay};
    query.period = PeriodOfHour(birth.ClockHour);
    query.gender = birth.Gender != 0 ? tool::kMale : tool::kFemale;
    if (form.recordsMode()) {
        const QDate shown = form.dateInputs().shownDate();
        query.at = tool::LayerQuery{{shown.year(), shown.month(), shown.day()},
                                    form.dateInputs().value(DateInputs::Period),
                                    session.LayerIndex};
    }
    return query;
}

QString ChartCopyText(ChartHost& form) {
    const std::optional<tool::Query> query = ShownQuery(form);
    if (!query) {
        return {};
    }
    const Session& session = form.session();
    tool::ReferenceTables tables;
    tables.names = session.names;
    tables.brightness = session.brightness;
    tables.transformations = session.transformations;
    tool::ChartResult result;
    if (tool::ComputeQuery(*query, tables, result, session.conventions)) {
        return {};
    }
    // The levels as the board shows them: read from Mia with the chart, none
    // when it could not be read.
    for (std::size_t star = 0; star < result.chart.StarTable.size(); ++star) {
        result.chart.StarTable[star].level = session.chart.StarTable[star].level;
    }
    if (const std::optional<SecondBirth>& second = form.chartCommands().secondBirth()) {
        tool::ComputeOverlay(second->query, second->conventions, tables, result);
    }
    // The words the text writer adds to the names, in the shown script too.
    return session.script->text(QString::fromStdString(tool::ChartText(result, tables)));
}

}  // namespace velmora
