#include "ui/reading/OverlayView.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>

#include "output/ChartRun.h"
#include "output/OverlayRun.h"
#include "ui/board/PalaceBoard.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartHost.h"
#include "ui/common/ShownScript.h"
#include "ui/session/DateInputs.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

QDate DateOf(const CalendarDay& day) { return {day.SolarYear, day.SolarMonth, day.SolarDay}; }

QAction* WindowAction(const QString& caption, QWidget& window) {
    auto* action = new QAction(caption, &window);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

}  // namespace

SecondBirth SecondBirthOf(const PairPerson& person) {
    const CalendarDay& day = person.birthDay;
    tool::Query query;
    query.birthDate = {day.SolarYear, day.SolarMonth, day.SolarDay};
    query.period = PeriodOfHour(day.ClockHour);
    query.gender = person.gender != 0 ? tool::kMale : tool::kFemale;
    return {query, person.conventions};
}

OverlayView::OverlayView(ChartHost& host) : QObject(&host.hostWidget()), host_(host), labels_(host.board()) {
    QWidget& window = host.hostWidget();
    pickAction_ = WindowAction(QStringLiteral("對照…"), window);
    pickAction_->setObjectName(QStringLiteral("OverlayPick"));
    pickAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    swapAction_ = WindowAction(QStringLiteral("對照互換"), window);
    swapAction_->setObjectName(QStringLiteral("OverlaySwap"));
    swapAction_->setCheckable(true);
    endAction_ = WindowAction(QStringLiteral("結束對照"), window);
    endAction_->setObjectName(QStringLiteral("OverlayEnd"));
    connect(pickAction_, &QAction::triggered, this, &OverlayView::pick);
    connect(swapAction_, &QAction::triggered, this, &OverlayView::swap);
    connect(endAction_, &QAction::triggered, this, &OverlayView::end);
    centreLine_ = new QLabel(&host.board());
    centreLine_->setObjectName(QStringLiteral("OverlayCentreLine"));
    centreLine_->setAttribute(Qt::WA_TransparentForMouseEvents);
    MarkAsUserText(centreLine_);  // the names stand as typed; the words around them are put in the script
    centreLine_->hide();
    // Placed from the start, so a zoom before the first overlay scales it with the board's labels.
    constexpr int kCentreLineTwips = 255;
    placeCentreLine(board::kBoxWidth, kCentreLineTwips);
    host.board().addCentreText(centreLine_);
    host.board().installEventFilter(this);
    syncActions();
}

// A zoom resizes the board, then sets its new factor: the labels are written
// again at the new size once it is set.
bool OverlayView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && active()) {
        QMetaObject::invokeMethod(this, &OverlayView::refresh, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void OverlayView::addToMenu(QMenu& menu) {
    menu.addSeparator();
    for (QAction* action : {pickAction_, swapAction_, endAction_}) menu.addAction(action);
    // Greyed out in the menu while they cannot act; enabled again after, as the chart commands are.
    connect(&menu, &QMenu::aboutToShow, this, [this] {
        pickAction_->setEnabled(host_.chartShown());
        swapAction_->setEnabled(active() && host_.chartShown());
        endAction_->setEnabled(active());
    });
    connect(&menu, &QMenu::aboutToHide, this, [this] {
        for (QAction* action : {pickAction_, swapAction_, endAction_}) action->setEnabled(true);
    });
}

void OverlayView::pick() {
    if (!host_.chartShown() || !pick_) return;
    if (std::optional<PairPerson> other = pick_()) layOver(std::move(*other));
}

void OverlayView::layOver(PairPerson other) {
    other_ = std::move(other);
    swapped_ = false;
    refresh();
}

void OverlayView::swap() {
    if (!active() || !host_.chartShown()) {
        syncActions();
        return;
    }
    PairPerson next = std::move(*other_);
    other_ = boardPerson();
    swapped_ = !swapped_;
    chartOnBoard(next);
    refresh();
}

void OverlayView::end() {
    other_.reset();
    swapped_ = false;
    refresh();
}

void OverlayView::refresh() {
    overlay_ = active() && host_.chartShown() ? computeOverlay() : std::nullopt;
    host_.chartCommands().setSecondBirth(overlay_ ? std::optional(SecondBirthOf(*other_)) : std::nullopt);
    const std::vector<OverlayItem> items = overlay_ ? itemsOf(*overlay_) : std::vector<OverlayItem>{};
    labels_.show(items);
    showCentreLine();
    namePalaces(items);
    syncActions();
}

// Cast as velmora-chart casts `--with`, so the board and the copied text agree.
std::optional<reading::Overlay> OverlayView::computeOverlay() const {
    std::optional<tool::Query> shown = ShownQuery(host_);
    if (!shown) return std::nullopt;
    shown->at.reset();  // the overlay reads the natal charts
    const Session& session = host_.session();
    tool::ReferenceTables tables;
    tables.transformations = session.transformations;
    tool::ChartResult result;
    const SecondBirth second = SecondBirthOf(*other_);
    if (tool::ComputeQuery(*shown, tables, result, session.conventions) ||
        tool::ComputeOverlay(second.query, second.conventions, tables, result)) {
        return std::nullopt;
    }
    return result.reading.overlay;
}

void OverlayView::syncActions() {
    const QSignalBlocker quiet(swapAction_);
    swapAction_->setChecked(swapped_);
}

PairPerson OverlayView::boardPerson() const {
    const Session& session = host_.session();
    PairPerson person;
    person.name = session.PersonName;
    person.birthDay = session.birthDay;
    person.gender = session.birth.Gender;
    person.conventions = session.conventions;
    person.momentCaption = session.momentCaption;
    if (host_.recordsMode()) person.record = session.chartedRecord;
    return person;
}

// A charted record keeps the shown date and layer (moved to the birth when it
// came before it); a chart by date follows the date inputs, so they move to
// the birth and chart it.
void OverlayView::chartOnBoard(const PairPerson& person) {
    Session& session = host_.session();
    session.PersonName = person.name;
    session.momentCaption = person.momentCaption;
    session.conventions = person.conventions;
    session.chartedRecord = person.record;
    session.birth = BirthInput{};
    session.birth.Gender = static_cast<std::int16_t>(person.gender);
    DateInputs& inputs = host_.dateInputs();
    const QDate birth = DateOf(person.birthDay);
    const int period = PeriodOfHour(person.birthDay.ClockHour);
    if (!host_.recordsMode()) {
        inputs.moveThroughLabels(birth, period);
        host_.df_date();
        host_.user();
        return;
    }
    const CalendarDay shown = session.calendar;
    session.calendar = person.birthDay;
    host_.user();
    session.RecordLoaded = 1;
    session.calendar = shown;
    if (inputs.shownDate() < birth) inputs.moveThroughLabels(birth, period);
    host_.df_date();
    host_.layerChosen(session.LayerIndex);
}

QString OverlayView::otherLetter() const { return swapped_ ? QStringLiteral("甲") : QStringLiteral("乙"); }

}  // namespace velmora
