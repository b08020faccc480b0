// "確定": the entered birth to the main window, charted there as a record.

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/common/SecondaryWindow.h"
#include "ui/main/Form1.h"
#include "ui/records/Form2.h"
#include "ui/records/RecordCharting.h"
#include "ui/records/Form2Moment.h"

namespace velmora {

namespace {
constexpr int kPeriodHours = 2;  // the ClockHour of period k (0 子 .. 11 亥) is 2k
constexpr int kMale = 1;
constexpr int kFemale = 0;
}  // namespace

void Form2::confirm() {
    // The chart's input starts over on every press, also when nothing is charted.
    session_.birth = BirthInput{};
    session_.chart.StarTable = {};
    session_.chart.PalaceTable = {};
    QStringList problems = BirthPartProblems(partStates());
    if (const std::optional<QString> moment = momentProblem({})) {
        problems.append(*moment);
    }
    if (!problems.isEmpty()) {
        tell(RefusalText(problems, QStringLiteral("確定")));
        return;
    }
    ReleaseOwner(this, &form1_);
    session_.PersonName = text1_->text();
    session_.momentCaption = MomentCaption(*moment_);
    session_.birth.Gender = static_cast<std::int16_t>(option1_[0]->isChecked() ? kMale : kFemale);
    CalendarDay& day = session_.calendar;
    day.SolarYear = static_cast<std::int16_t>(selectedText(YearCombo).toInt());
    day.SolarMonth = static_cast<std::int16_t>(selectedText(MonthCombo).toInt());
    day.SolarDay = static_cast<std::int16_t>(selectedText(DayCombo).toInt());
    day.ClockHour = static_cast<std::int16_t>(kPeriodHours * combo1_[HourCombo]->currentIndex());
    day.LunarYear = 0;
    day.LunarMonth = 0;
    day.LunarDay = 0;
    day.HourBranch = 0;
    day.LeapKind = 0;
    CalcCalendar(day);
    ChartInRecordSchool(form1_, selectedRow() >= 0 ? &records_[static_cast<std::size_t>(selectedRow())] : nullptr);
    ChartRecordOnMainWindow(form1_);
    close();
}

}  // namespace velmora
