// The main window's chart road: a date step through df_date, the natal chart
// (user) and its fill onto the board (pp, RunText).

#include <QFrame>
#include <QRadioButton>

#include "chart/NatalChart.h"
#include "output/ConventionWords.h"
#include "ui/common/RowLabel.h"
#include "ui/board/ChartFill.h"
#include "ui/main/DateLine.h"
#include "ui/main/Form1.h"
#include "ui/reading/FlyingView.h"
#include "ui/board/PalaceBoard.h"

namespace velmora {

namespace {
constexpr int kLateRatHour = 23;   // ClockHour of the late 子 period, which counts to the next day
constexpr int kPeriodHours = 2;
}  // namespace

// Steps 5 to 7 of a handled date change: the date line, the age, and either
// the layer of a charted record or, when charting by date, the natal chart.
void Form1::datePartHandled(int) {
    df_date();
    writeAge();
    endPalaceSelection();
    if (recordsMode()) {
        if (session_.RecordLoaded == 1) {
            layers_.RunP();
        }
        return;
    }
    df_date();
    user();
}

// The age beside the board's centre: shown only for a record charted in records mode.
void Form1::writeAge() {
    RowLabel* age = board_->centreLabel(board::CentreLabel::Label6_1);
    if (session_.RecordLoaded == 1 && recordsMode()) {
        layers_.oldx();
        age->setText(NumberText(session_.NominalAge) + session_.script->text(QStringLiteral(" 歲")));
    } else {
        age->setText(QString());
    }
}

void Form1::df_date() {
    CalendarDay& day = session_.calendar;
    day.SolarYear = static_cast<std::int16_t>(dateInputs_.shownPart(DateInputs::Year));
    day.SolarMonth = static_cast<std::int16_t>(dateInputs_.shownPart(DateInputs::Month));
    day.SolarDay = static_cast<std::int16_t>(dateInputs_.shownPart(DateInputs::Day));
    const int hour = (dateInputs_.value(DateInputs::Period) - 1) * kPeriodHours;
    day.ClockHour = static_cast<std::int16_t>(hour == 24 ? kLateRatHour : hour);
    day.LunarYear = 0;
    day.LunarMonth = 0;
    day.LunarDay = 0;
    day.HourBranch = 0;
    day.LeapKind = 0;
    CalcCalendar(day);
    label2_->setText(DateLineText(day, session_.names, *session_.script));
    writeAge();
}

void Form1::user() {
    session_.birthDay = session_.calendar;
    ComputeNatalChart(session_.birthDay, session_.birth, session_.chart, session_.conventions);
    referenceReads_.reread(session_, this);
    session_.YinYangWord = session_.birth.YinYang == 1 ? QStringLiteral("陽") : QStringLiteral("陰");
    session_.GenderWord = session_.birth.Gender != 0 ? QStringLiteral("男") : QStringLiteral("女");
    pp();
    // A record's layers are not shown for dates before its birth.
    dateInputs_.MinDate = recordsMode() ? QDate(session_.birth.SolarYear, session_.birth.SolarMonth,
                                                session_.birth.SolarDay)
                                        : DateInputs::FirstDate();
}

void Form1::pp() {
    // A freshly drawn chart shows no palace selection.
    palaceShown_ = -1;
    board_->highlight()->hide();
    chartShownByDate_ = !recordsMode();
    session_.MarkStem = session_.birth.YearStem;
    const BoardTexts texts = FillPalaces(session_.birth, session_.chart, session_.names, session_.brightness,
                                         session_.BureauNumber);
    session_.BureauNumber = texts.BureauNumber;
    using board::PalaceSet;
    for (int b = 0; b < kBranches; ++b) {
        const PalaceTexts& palace = texts.palaces[static_cast<std::size_t>(b)];
        if (palace.LAB01) {
            board_->palaceLabel(PalaceSet::LAB01, b)->setText(*palace.LAB01);
        }
        if (palace.LAB03) {
            board_->palaceLabel(PalaceSet::LAB03, b)->setText(*palace.LAB03);
        }
        board_->palaceLabel(PalaceSet::Lab04, b)->setText(palace.Lab04);
        board_->palaceLabel(PalaceSet::Lab05, b)->setText(palace.Lab05);
        board_->palaceLabel(PalaceSet::Lab06, b)->setText(palace.Lab06);
        board_->palaceLabel(PalaceSet::Lab07, b)->setText(palace.Lab07);
        board_->palaceLabel(PalaceSet::Lab09, b)->setText(palace.Lab09);
        board_->palaceLabel(PalaceSet::Lab10, b)->setText(palace.Lab10);
        board_->palaceLabel(PalaceSet::Lab08, b)->setText(palace.Lab08);
        // Flowing stars belong to the chart they were computed for; a time layer writes the new chart's.
        board_->palaceLabel(PalaceSet::LAB02, b)->clear();
    }
    layers_.Four();
    const int life = session_.chart.PalaceTable[1].branch;
    session_.FocusBranch = static_cast<std::int16_t>(life > kBranches ? life - kBranches : life);
    Dline();
    RunText();
    flyingView_->chartChanged();
}

void Form1::RunText() {
    const ShownScript& shown = *session_.script;
    const CentreTexts centre = RunTextLines(session_.birth, session_.chart, session_.birthDay, session_.names,
                                           {NameWithMoment(session_.PersonName, shown.text(session_.momentCaption)),
                                            shown.text(session_.YinYangWord), shown.text(session_.GenderWord)},
                                           shown);
    using board::CentreLabel;
    // A chart cast in another school names it beside the owner's name.
    const std::string school = tool::SchoolCaption(session_.conventions);
    board_->centreLabel(CentreLabel::Label6_0)
        ->setText(school.empty() ? centre.Label6_0
                                 : centre.Label6_0 + QStringLiteral("（") + shown.text(QString::fromStdString(school)) +
                                       QStringLiteral("）"));
    board_->centreLabel(CentreLabel::Label6_2)->setText(centre.Label6_2);
    board_->centreLabel(CentreLabel::Label6_3)->setText(centre.Label6_3);
    board_->centreLabel(CentreLabel::Label6_4)->setText(centre.Label6_4);
    board_->centreLabel(CentreLabel::Label6_5)->setText(centre.Label6_5);
    calendarNotes_->show(session_.birthDay, shown);
}

void Form1::Dline() { layers_.Dline(); }

}  // namespace velmora
