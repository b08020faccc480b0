#include "ui/reading/TimelineView.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "calendar/LunarText.h"
#include "calendar/TableYears.h"
#include "ui/common/Fonts.h"
#include "ui/common/Settings.h"
#include "ui/common/ToolWindowToggle.h"
#include "ui/common/Twips.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/session/DateInputs.h"
#include "ui/chartio/ChartHost.h"
#include "ui/session/DateInputs.h"
#include "ui/session/Session.h"
#include "ui/board/PalaceBoard.h"
#include "ui/common/DropDownRows.h"

namespace velmora {

namespace {

using tool::DecadeEntry;
using tool::MonthEntry;
using tool::YearEntry;

constexpr int kDecadeLayer = 1;
constexpr int kYearLayer = 3;
constexpr int kMonthLayer = 4;
constexpr int kWindowWidthTwips = 9600;
constexpr int kWindowHeightTwips = 4200;
// The stacked names: in the box's top-right corner, beside the palace name.
constexpr int kStackedWidthTwips = 1100;
constexpr int kStackedHeightTwips = 240;
constexpr int kStackedInsetTwips = 60;
constexpr double kStackedPoints = 9;
const QColor kDecadeColour(0, 128, 128);
const QColor kYearColour(176, 0, 176);

// Columns: heading, accessible name.
struct ColumnText {
    const char* heading;
    const char* accessible;
};
const std::array<ColumnText, TimelineView::kColumnCount> kColumns{{
    {"大限", "大限：十二個十年"},
    {"流年", "流年：所選大限的十年"},
    {"流月", "流月：所選流年的月份"},
}};

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QString Coloured(const QColor& colour, const QString& text) {
    return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(colour.name(), text);
}

}  // namespace

TimelineView::TimelineView(ChartHost& form) : QObject(&form.hostWidget()), form_(form) {
    toggle_ = new QAction(QStringLiteral("運限"), this);
    toggle_->setCheckable(true);
    toggle_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    toggle_->setShortcutContext(Qt::WindowShortcut);
    form.hostWidget().addAction(toggle_);
    form.chartCommands().menu()->addAction(toggle_);
    createWindow();
    new ToolWindowToggle(*window_, *toggle_, form.hostWidget(),
                         {form.session().settings, settings_keys::kTimelinePlace, Side::Right});
    connect(toggle_, &QAction::toggled, this, [this](bool on) {
        if (on) {
            window_->raise();
            list(DecadeColumn)->setFocus();
        }
        refresh();
    });
}

void TimelineView::createWindow() {
    window_ = new QWidget(&form_.hostWidget(), Qt::Tool);
    window_->setObjectName(QStringLiteral("Timeline"));
    window_->setWindowTitle(QStringLiteral("運限"));
    window_->resize(TwipSize(kWindowWidthTwips, kWindowHeightTwips));
    auto* row = new QHBoxLayout(window_);
    for (int c = 0; c < kColumnCount; ++c) {
        auto* column = new QVBoxLayout;
        auto* heading = new QLabel(QString::fromUtf8(kColumns[static_cast<std::size_t>(c)].heading), window_);
        auto* entries = new QListWidget(window_);
        entries->setObjectName(QStringLiteral("TimelineList_%1").arg(c));
        SpaceRows(*entries);
        entries->setAccessibleName(QString::fromUtf8(kColumns[static_cast<std::size_t>(c)].accessible));
        heading->setBuddy(entries);
        column->addWidget(heading);
        column->addWidget(entries);
        row->addLayout(column, c == DecadeColumn ? 3 : 2);
        lists_[static_cast<std::size_t>(c)] = entries;
        const auto chosenColumn = static_cast<Column>(c);
        connect(entries, &QListWidget::itemActivated, this,
                [this, entries, chosenColumn](QListWidgetItem* item) { choose(chosenColumn, entries->row(item)); });
        connect(entries, &QListWidget::itemClicked, this,
                [this, entries, chosenColumn](QListWidgetItem* item) { choose(chosenColumn, entries->row(item)); });
    }
    for (int b = 0; b < kBranches; ++b) {
        auto* label = new QLabel(&form_.board());
        label->setObjectName(QStringLiteral("StackedNames_%1").arg(b));
        label->setFont(MingFont(kStackedPoints));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setTextFormat(Qt::RichText);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        const board::Point corner = board::BoxCorner(b);
        form_.board().placeInTwips(label, corner.x + board::kBoxWidth - kStackedWidthTwips - kStackedInsetTwips,
                                   corner.y + kStackedInsetTwips, kStackedWidthTwips, kStackedHeightTwips);
        label->hide();
        stacked_[static_cast<std::size_t>(b)] = label;
    }
}

int TimelineView::chosen(Column column) const {
    const QListWidget* entries = list(column);
    return entries->currentItem() != nullptr && entries->currentItem()->isSelected() ? entries->currentRow() : -1;
}

void TimelineView::refresh() {
    if (moving_) return;
    const bool shown = RecordChartShown(form_) && toggle_->isChecked();
    for (QLabel* label : stacked_) label->setVisible(false);
    if (!RecordChartShown(form_)) {
        for (QListWidget* entries : lists_) entries->clear();
        decades_.clear();
        years_.clear();
        months_.clear();
        shownDecadeAge_ = shownYear_ = -1;
        return;
    }
    if (!toggle_->isChecked()) return;  // filled when the window opens
    const Session& s = form_.session();
    fillDecades();
    const int decade = tool::DecadeOfAge(decades_, s.NominalAge);
    fillYears(decade);
    fillMonths(s.calendar.LunarYear);
    listedFor_ = s.birth;
    if (shown && decade >= 0) showStackedNames(decade, s.calendar.Pillars.YearPillar.branch);
    if (shown) s.script->applyTo(window_);  // the rows' words, in the shown script
}

namespace {

// A decade running past the calendar's last year ends its year list with a row saying so.
void AddRangeEnd(QListWidget& entries) {
    auto* end = new QListWidgetItem(QStringLiteral("—— 曆表止於 %1 年 ——").arg(kLastSupportedYear), &entries);
    end->setFlags(Qt::NoItemFlags);
}

}  // namespace

void TimelineView::fillDecades() {
    const Session& s = form_.session();
    decades_ = tool::Decades(s.birth, s.chart);
    QListWidget* entries = list(DecadeColumn);
    const QSignalBlocker blocker(entries);
    entries->clear();
    for (const DecadeEntry& d : decades_) {
        entries->addItem(QStringLiteral("%1  %2  %3–%4 歲  %5–%6")
                             .arg(Text(PalaceName(s.names, d.palace)),
                                  Text(StemName(s.names, d.pillar.stem) + BranchName(s.names, d.pillar.branch)))
                             .arg(d.firstAge)
                             .arg(d.lastAge)
                             .arg(d.firstYear)
                             .arg(d.lastYear));
    }
    entries->setCurrentRow(tool::DecadeOfAge(decades_, s.NominalAge));
}

void TimelineView::fillYears(int decade) {
    const Session& s = form_.session();
    QListWidget* entries = list(YearColumn);
    const QSignalBlocker blocker(entries);
    if (decade < 0) {
        years_.clear();
        entries->clear();
        shownDecadeAge_ = -1;
        return;
    }
    const DecadeEntry& d = decades_[static_cast<std::size_t>(decade)];
    if (shownDecadeAge_ != d.firstAge || !(listedFor_ == s.birth) || entries->count() == 0) {
        years_ = tool::YearsOf(d, s.birth);
        entries->clear();
        for (const YearEntry& y : years_) {
            const int palace = tool::PalaceOnBranch(y.branch, s.chart);
            entries->addItem(QStringLiteral("%1  %2  %3 歲  %4")
                                 .arg(Text(StemName(s.names, y.pillar.stem) + BranchName(s.names, y.pillar.branch)))
                                 .arg(y.year)
                                 .arg(y.age)
                                 .arg(Text(PalaceName(s.names, palace))));
        }
        if (d.lastYear > kLastSupportedYear) AddRangeEnd(*entries);
        shownDecadeAge_ = d.firstAge;
    }
    int row = -1;
    for (std::size_t i = 0; i < years_.size(); ++i)
        if (years_[i].age == s.NominalAge) row = static_cast<int>(i);
    entries->setCurrentRow(row);
}

void TimelineView::fillMonths(int year) {
    const Session& s = form_.session();
    QListWidget* entries = list(MonthColumn);
    const QSignalBlocker blocker(entries);
    if (shownYear_ != year || !(listedFor_ == s.birth) || entries->count() == 0) {
        months_ = tool::MonthsOf(year, s.birth, s.chart, s.BureauNumber);
        entries->clear();
        for (const MonthEntry& m : months_) {
            const QString name = (m.leap ? QStringLiteral("閏") : QString()) + Text(LunarMonthText(m.month)) +
                                 QStringLiteral("月");
            const int palace = tool::PalaceOnBranch(m.branch, s.chart);
            entries->addItem(QStringLiteral("%1  %2-%3-%4  %5")
                                 .arg(name)
                                 .arg(m.first.year)
                                 .arg(m.first.month, 2, 10, QLatin1Char('0'))
                                 .arg(m.first.day, 2, 10, QLatin1Char('0'))
                                 .arg(Text(PalaceName(s.names, palace))));
        }
        shownYear_ = year;
    }
    const bool inLeap = s.calendar.LeapKind == kLeapKindLeapMonth;
    int row = -1;
    for (std::size_t i = 0; i < months_.size(); ++i)
        if (months_[i].month == s.calendar.LunarMonth && months_[i].leap == inLeap) row = static_cast<int>(i);
    entries->setCurrentRow(row);
}

void TimelineView::showStackedNames(int decade, int yearBranch) {
    const Session& s = form_.session();
    const int decadeBranch = decades_[static_cast<std::size_t>(decade)].pillar.branch;
    for (int b = 0; b < kBranches; ++b) {
        const int inDecade = tool::LayerPalaceOn(b + 1, decadeBranch, s.chart);
        const int inYear = tool::LayerPalaceOn(b + 1, yearBranch, s.chart);
        QLabel* label = stacked_[static_cast<std::size_t>(b)];
        label->setText(Coloured(kDecadeColour, QStringLiteral("大") + Text(tool::ShortPalaceName(s.names, inDecade))) +
                       QStringLiteral(" ") +
                       Coloured(kYearColour, QStringLiteral("年") + Text(tool::ShortPalaceName(s.names, inYear))));
        label->show();
        label->raise();
    }
}

tool::SolarDate TimelineView::yearDate(int year) const {
    // The shown day of the year, unless it falls before that year's new year.
    const QDate shown = form_.dateInputs().shownDate();
    const QDate moved(year, shown.month(), std::min(shown.day(), QDate(year, shown.month(), 1).daysInMonth()));
    const std::vector<MonthEntry> months = tool::MonthsOf(year, form_.session().birth, form_.session().chart,
                                                          form_.session().BureauNumber);
    const tool::SolarDate newYear = months.empty() ? tool::SolarDate{year, 1, 1} : months.front().first;
    if (moved < QDate(newYear.year, newYear.month, newYear.day)) return newYear;
    return {moved.year(), moved.month(), moved.day()};
}

void TimelineView::choose(Column column, int row) {
    if (!RecordChartShown(form_) || row < 0) return;
    if (column == DecadeColumn && row < static_cast<int>(decades_.size())) {
        moveDateTo(yearDate(decades_[static_cast<std::size_t>(row)].firstYear));
        form_.layerChosen(kDecadeLayer);
    } else if (column == YearColumn && row < static_cast<int>(years_.size())) {
        moveDateTo(yearDate(years_[static_cast<std::size_t>(row)].year));
        form_.layerChosen(kYearLayer);
    } else if (column == MonthColumn && row < static_cast<int>(months_.size())) {
        moveDateTo(months_[static_cast<std::size_t>(row)].first);
        form_.layerChosen(kMonthLayer);
    }
    refresh();
}

// A picked row moves the date as the user's own steps would.
void TimelineView::moveDateTo(const tool::SolarDate& date) {
    moving_ = true;
    form_.dateInputs().moveThroughLabels(QDate(date.year, date.month, date.day));
    moving_ = false;
}

}  // namespace velmora
