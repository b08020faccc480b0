#include "ui/schools/SchoolCommands.h"

#include <QAction>
#include <QMenu>

#include "chart/NatalChart.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartHost.h"
#include "ui/session/Session.h"
#include "ui/schools/RecordSchool.h"
#include "ui/schools/SchoolComparison.h"
#include "ui/schools/SchoolDialog.h"

namespace velmora {

SchoolCommands::SchoolCommands(ChartHost& form)
    : QObject(&form.hostWidget()), form_(form), runDialog_([](SchoolDialog& dialog) { return dialog.exec(); }) {
    useSettingsSchool();
    comparison_ = new SchoolComparison(form, *this);
    dialogAction_ = new QAction(QStringLiteral("流派…"), this);
    dialogAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    comparisonAction_ = new QAction(QStringLiteral("流派比較"), this);
    comparisonAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    comparisonAction_->setCheckable(true);
    QMenu* menu = form.chartCommands().menu();
    menu->addSeparator();
    for (QAction* action : {dialogAction_, comparisonAction_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        form.hostWidget().addAction(action);
        menu->addAction(action);
    }
    connect(dialogAction_, &QAction::triggered, this, &SchoolCommands::openDialog);
    connect(comparisonAction_, &QAction::toggled, comparison_, &QWidget::setVisible);
    connect(comparison_, &SchoolComparison::closed, this, [this] { comparisonAction_->setChecked(false); });
}

void SchoolCommands::useSettingsSchool() {
    form_.session().conventions = SchoolFromSettings(*form_.session().settings).conventions;
}

void SchoolCommands::openDialog() {
    comparison_->endVariant();
    Session& session = form_.session();
    SchoolChoice school = SchoolFromSettings(*session.settings);
    school.conventions = session.conventions;  // a record's own school is shown as it charts
    SchoolDialog dialog(school, &form_.hostWidget());
    const files::BirthRecord* record = chartedRecord();
    if (record != nullptr) dialog.offerRecord(record->name, SchoolOfRecord(*record).has_value());
    const int result = runDialog_(dialog);
    if (result == SchoolDialog::ApplyToRecord && record != nullptr) {
        saveRecordSchool(*record, dialog.choice());
    } else if (result == SchoolDialog::ClearRecord && record != nullptr) {
        saveRecordSchool(*record, std::nullopt);
    } else if (result == QDialog::Accepted) {
        SaveSchool(*session.settings, dialog.choice());
        session.conventions = dialog.choice().conventions;
        rechart();
        comparison_->refresh();
    }
}

const files::BirthRecord* SchoolCommands::chartedRecord() const {
    const Session& session = form_.session();
    return form_.recordsMode() && session.RecordLoaded != 0 && session.chartedRecord ? &*session.chartedRecord
                                                                                    : nullptr;
}

void SchoolCommands::saveRecordSchool(files::BirthRecord record, const std::optional<SchoolChoice>& school) {
    Session& session = form_.session();
    RecordSchoolSave saved =
        SaveRecordSchool(files::UserFilePath(session.dataFolder), record, school, session.writeOptions);
    if (saved.problem) {
        session.messages->information(&form_.hostWidget(), QStringLiteral("流派"), *saved.problem);
        return;
    }
    session.chartedRecord = std::move(saved.record);
    session.conventions = school ? school->conventions : SchoolFromSettings(*session.settings).conventions;
    rechart();
    comparison_->refresh();
}

void SchoolCommands::rechart() {
    if (!form_.chartShown()) return;
    Session& session = form_.session();
    if (!form_.recordsMode()) {
        form_.user();
        return;
    }
    // The board shows a record's chart at another date: cast the birth again, then the shown date's layer.
    const CalendarDay shown = session.calendar;
    CalendarDay birth;
    birth.SolarYear = session.birth.SolarYear;
    birth.SolarMonth = session.birth.SolarMonth;
    birth.SolarDay = session.birth.SolarDay;
    birth.ClockHour = session.birth.ClockHour;
    CalcCalendar(birth);
    session.calendar = birth;
    form_.user();
    session.calendar = shown;
    form_.df_date();
    form_.layerChosen(session.LayerIndex);
}

}  // namespace velmora
