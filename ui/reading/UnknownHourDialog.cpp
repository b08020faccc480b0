#include "ui/reading/UnknownHourDialog.h"

#include <QAction>
#include <QGridLayout>
#include <QMenu>

#include "output/AllPeriods.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/session/DateInputs.h"
#include "ui/chartio/ChartHost.h"
#include "ui/session/DateInputs.h"
#include "ui/session/Session.h"
#include "ui/board/PeriodBoard.h"

namespace velmora {

namespace {

constexpr int kColumns = 5;
constexpr int kLastMajorStar = 14;  // 紫微 .. 破軍
// Columns: the caption of period 1..13.
const std::array<const char*, UnknownHourDialog::kPeriods> kPeriodNames{
    "早子時", "丑時", "寅時", "卯時", "辰時", "巳時", "午時", "未時", "申時", "酉時", "戌時", "亥時", "晚子時"};

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::array<QStringList, kBranches> MajorStars(const ChartState& chart, const NameList& names) {
    std::array<QStringList, kBranches> stars;
    for (int star = 1; star <= kLastMajorStar; ++star) {
        const int branch = chart.StarTable[static_cast<std::size_t>(star)].branch;
        if (branch >= 1 && branch <= kBranches) stars[static_cast<std::size_t>(branch - 1)] << Text(StarName(names, star));
    }
    return stars;
}

}  // namespace

UnknownHourDialog::UnknownHourDialog(ChartHost& form) : QDialog(&form.hostWidget()), form_(form) {
    setObjectName(QStringLiteral("UnknownHour"));
    setWindowTitle(QStringLiteral("時辰未定"));
    auto* grid = new QGridLayout(this);
    for (int period = 1; period <= kPeriods; ++period) {
        auto* small = new PeriodBoard(this);
        small->setObjectName(QStringLiteral("PeriodBoard_%1").arg(period));
        grid->addWidget(small, (period - 1) / kColumns, (period - 1) % kColumns);
        connect(small, &QAbstractButton::clicked, this, [this, period] { choose(period); });
        boards_[static_cast<std::size_t>(period - 1)] = small;
    }
    fill();
}

void UnknownHourDialog::fill() {
    const Session& s = form_.session();
    const QDate shown = chartedDate();
    tool::Query query;
    query.birthDate = {shown.year(), shown.month(), shown.day()};
    query.gender = s.birth.Gender != 0 ? tool::kMale : tool::kFemale;
    tool::AllPeriodCharts charts;
    if (tool::ComputeAllPeriods(query, tool::ReferenceTables{}, false, charts, s.conventions)) return;
    std::array<QStringList, kBranches> previous;
    for (int period = 1; period <= kPeriods; ++period) {
        const tool::ChartResult& r = charts[static_cast<std::size_t>(period - 1)];
        const PalaceRow& life = r.chart.PalaceTable[1];
        PeriodBoardContent content;
        content.title = s.script->text(QString::fromUtf8(kPeriodNames[static_cast<std::size_t>(period - 1)]));
        content.lifePalace = QStringLiteral("命 ") + Text(StemName(s.names, life.stem) + BranchName(s.names, life.branch));
        content.bureau = Text(BureauName(s.names, r.chart.BureauIndex));
        content.majorStars = MajorStars(r.chart, s.names);
        content.lifeIndex = life.branch - 1;
        for (std::size_t b = 0; period > 1 && b < previous.size(); ++b)
            content.differs[b] = content.majorStars[b] != previous[b];
        previous = content.majorStars;
        boards_[static_cast<std::size_t>(period - 1)]->setContent(std::move(content));
    }
}

// A stored person's birth day; the shown date for a chart by date.
QDate UnknownHourDialog::chartedDate() const {
    const Session& s = form_.session();
    if (!form_.recordsMode()) return form_.dateInputs().shownDate();
    return QDate(s.birth.SolarYear, s.birth.SolarMonth, s.birth.SolarDay);
}

void UnknownHourDialog::choose(int period) {
    // A stored person's record keeps its hour: the grid is only read.
    if (form_.recordsMode()) {
        accept();
        return;
    }
    // The period input's own change handling charts the date anew.
    form_.dateInputs().setValue(DateInputs::Period, period);
    accept();
}

QAction* InstallUnknownHour(ChartHost& form) {
    auto* action = new QAction(QStringLiteral("時辰未定…"), &form.hostWidget());
    QMenu* menu = form.chartCommands().menu();
    menu->addAction(action);
    QObject::connect(menu, &QMenu::aboutToShow, action,
                     [&form, action] { action->setEnabled(form.chartShown()); });
    QObject::connect(action, &QAction::triggered, &form.hostWidget(), [&form] {
        if (!form.chartShown()) return;
        auto* dialog = new UnknownHourDialog(form);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    return action;
}

}  // namespace velmora
