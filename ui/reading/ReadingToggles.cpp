#include "ui/reading/ReadingToggles.h"

#include <QAction>
#include <QMenu>

#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"
#include "output/ChartText.h"
#include "output/FlyingTransformations.h"
#include "output/Timeline.h"
#include "reading/Relations.h"
#include "reading/StackedTransformations.h"
#include "ui/board/BoardLabels.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/ReadingLabels.h"
#include "ui/board/TransformationMarks.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartHost.h"
#include "ui/common/RowLabel.h"
#include "ui/reading/FlyingView.h"
#include "ui/reading/SelfTransformationMarks.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

// Columns: menu text, settings key.
struct ToggleRow {
    const char* caption;
    const char* key;
};
constexpr std::array<ToggleRow, ReadingToggles::kToggleCount> kToggles{{
    {"借星", settings_keys::kBorrowedStars},
    {"疊四化", settings_keys::kStackedTransformations},
    {"運限宮名", settings_keys::kLayerPalaceNames},
}};

// The shown moment as the school counts it, as the layers read it.
CalendarDay ShownMoment(const Session& session) {
    CalendarDay shown = session.calendar;
    ApplyLateZiRule(shown, session.conventions);
    return shown;
}

int BranchOf(const Session& session, int star) {
    return session.chart.StarTable[static_cast<std::size_t>(star)].branch;
}

}  // namespace

ReadingToggles::ReadingToggles(ChartHost& form, const FlyingView& flying)
    : QObject(&form.hostWidget()),
      form_(form),
      flying_(flying),
      labels_(std::make_unique<ReadingLabels>(form.board())) {
    connect(flying.selfAction(), &QAction::toggled, this, &ReadingToggles::refresh);
    // With the reading views, after 自化 飛化列表 運限.
    QMenu* menu = form.chartCommands().menu();
    for (std::size_t t = 0; t < kToggles.size(); ++t) {
        auto* action = new QAction(QString::fromUtf8(kToggles[t].caption), this);
        action->setCheckable(true);
        action->setChecked(form.session().settings->value(kToggles[t].key, false).toBool());
        const char* key = kToggles[t].key;
        connect(action, &QAction::toggled, this, [this, key](bool on) {
            form_.session().settings->setValue(key, on);
            refresh();
        });
        form.hostWidget().addAction(action);
        menu->addAction(action);
        actions_[t] = action;
    }
}

ReadingToggles::~ReadingToggles() = default;

void ReadingToggles::refresh() {
    labels_->hideAll();
    if (!form_.chartShown()) return;
    if (action(Borrowed)->isChecked()) showBorrowed();
    if (action(Stacked)->isChecked() && form_.session().LayerIndex >= 1) showStack();
    if (action(LayerNames)->isChecked() && form_.session().LayerIndex >= 1) showLayerNames();
}

void ReadingToggles::showBorrowed() {
    const Session& s = form_.session();
    for (int b = 0; b < board::kPalaceCount; ++b) {
        QStringList names;
        for (int star : reading::BorrowedStars(s.chart, b + 1)) names.append(StarText(s.names, star));
        const RowLabel* own = form_.board().palaceLabel(board::PalaceSet::Lab04, b);
        const QString ownText = own->text().trimmed();
        const int ownRows = ownText.isEmpty() ? 0 : static_cast<int>(ownText.count(QLatin1Char('\n'))) + 1;
        labels_->showBorrowed(b, names, ownRows);
    }
}

// Every stacked layer's four, grouped by the palace of their star.
void ReadingToggles::showStack() {
    const Session& s = form_.session();
    const CalendarDay shown = ShownMoment(s);
    const reading::StackInput input{&s.birth,        &s.chart,           &shown, s.NominalAge, s.BureauNumber,
                                    &s.transformations, s.conventions};
    std::array<QStringList, board::kPalaceCount> entries;
    for (const reading::StackedTransformation& layer : reading::StackTransformations(input, s.LayerIndex)) {
        const QString tag = QString::fromUtf8(layer.tag.data(), static_cast<qsizetype>(layer.tag.size()));
        for (int k = 0; k < board::kMarkCount; ++k) {
            const int star = layer.stars[static_cast<std::size_t>(k)];
            if (star < marks::kFirstMarkableStar || star > marks::kLastMarkableStar) continue;
            const int branch = BranchOf(s, star);
            if (branch < 1 || branch > board::kPalaceCount) continue;
            entries[static_cast<std::size_t>(branch - 1)].append(tag + board::MarkCaption(k) + StarText(s.names, star));
        }
    }
    for (int b = 0; b < board::kPalaceCount; ++b) {
        labels_->showStack(b, entries[static_cast<std::size_t>(b)], selfMarkRows(b));
    }
}

// The rows FlyingView puts its 自化 marks on: each self-transformed star's row,
// 離心 and 向心, natal and the shown layer's alike.
unsigned ReadingToggles::selfMarkRows(int b) const {
    if (!flying_.selfAction()->isChecked()) return 0;
    const Session& s = form_.session();
    const QString caption = form_.board().palaceLabel(board::PalaceSet::Lab04, b)->text();
    unsigned rows = 0;
    for (const SelfKind& self : SelfKindsShown(s)) {
        if (self.branch != b + 1) continue;
        const QString name = StarText(s.names, self.star);
        const auto row = marks::RowOfEntryEnd(caption, marks::CharactersBeforeEntryEnd(caption, name));
        if (row) rows |= 1u << *row;
    }
    return rows;
}

// Named from the layer's own life palace, whichever palace is selected.
void ReadingToggles::showLayerNames() {
    const Session& s = form_.session();
    const LayerView view = ComputeLayer(s.LayerIndex, s.birth, s.chart, ShownMoment(s), s.NominalAge,
                                        s.BureauNumber, s.conventions);
    if (!view.FocusBranch) return;
    for (int b = 0; b < board::kPalaceCount; ++b) {
        const int palace = tool::LayerPalaceOn(b + 1, *view.FocusBranch, s.chart);
        labels_->showLayerName(b, Utf8Text(tool::LayerPalaceWord(s.LayerIndex, palace, s.names)));
    }
}

}  // namespace velmora
