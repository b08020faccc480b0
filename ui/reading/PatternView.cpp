#include "ui/reading/PatternView.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

#include <array>

#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"
#include "reading/StackedTransformations.h"
#include "ui/board/BoardGeometry.h"
#include "ui/board/BoardLabels.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/TransformationMarks.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartHost.h"
#include "ui/common/DropDownRows.h"
#include "ui/common/RowLabel.h"
#include "ui/common/ToolWindowToggle.h"
#include "ui/common/Twips.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

constexpr int kWindowWidthTwips = 6000;
constexpr int kWindowHeightTwips = 4200;
// A star's shaded band ends before the transformation marks' column.
constexpr int kStarBandWidth = marks::kMarkLeftTwips;
const QString kBranchWords = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
constexpr std::string_view kPlainVariant = "strict";  // the table's name for the plain reading

// Columns: the name of layer 0 .. 6, as the layer buttons show it.
constexpr std::array<const char*, 7> kLayerTags{"本命", "大限", "小限", "流年", "流月", "流日", "流時"};

QString LayerTag(int layer) { return QString::fromUtf8(kLayerTags[static_cast<std::size_t>(layer)]); }

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

CalendarDay ShownMoment(const Session& session) {
    CalendarDay shown = session.calendar;
    ApplyLateZiRule(shown, session.conventions);
    return shown;
}

// "本命 紫府同宮（吉格）寅", with a variant's name and 破格 where they apply.
QString RowText(const PatternView::Row& row, const QString& tag) {
    const reading::PatternRule& rule = *row.found.rule;
    QString text = tag + QLatin1Char(' ') + Text(rule.name);
    if (rule.variant != kPlainVariant) text += QStringLiteral("・") + Text(rule.variant);
    text += QStringLiteral("（") + Text(rule.group) + QStringLiteral("）") + kBranchWords.mid(row.found.palace - 1, 1);
    if (row.found.broken) text += QStringLiteral(" 破格");
    return text;
}

}  // namespace

PatternView::PatternView(ChartHost& form) : QObject(&form.hostWidget()), form_(form) {
    toggle_ = new QAction(QStringLiteral("格局"), this);
    toggle_->setCheckable(true);
    toggle_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    toggle_->setShortcutContext(Qt::WindowShortcut);
    form.hostWidget().addAction(toggle_);
    form.chartCommands().menu()->addAction(toggle_);
    createWindow();
    // Filled before it opens; the shading cleared as it closes.
    connect(toggle_, &QAction::toggled, this, [this](bool on) {
        if (on) refresh();
    });
    new ToolWindowToggle(*window_, *toggle_, form.hostWidget());
    connect(toggle_, &QAction::toggled, this, [this](bool on) {
        if (!on) highlight(-1);
    });
}

void PatternView::createWindow() {
    window_ = new QWidget(&form_.hostWidget(), Qt::Tool);
    window_->setObjectName(QStringLiteral("PatternList"));
    window_->setWindowTitle(QStringLiteral("格局"));
    window_->resize(TwipSize(kWindowWidthTwips, kWindowHeightTwips));
    list_ = new QListWidget(window_);
    list_->setObjectName(QStringLiteral("PatternRows"));
    list_->setAccessibleName(QStringLiteral("格局"));
    SpaceRows(*list_);
    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(list_, &QListWidget::currentRowChanged, this, &PatternView::highlight);
}

void PatternView::findRows() {
    rows_.clear();
    if (!form_.chartShown()) return;
    const Session& s = form_.session();
    const CalendarDay shown = ShownMoment(s);
    const reading::StackInput input{&s.birth,          &s.chart,      &shown, s.NominalAge, s.BureauNumber,
                                    &s.transformations, s.conventions};
    const std::vector<reading::StackedTransformation> stack = reading::StackTransformations(input, s.LayerIndex);
    std::vector<reading::FoundPattern> found;
    reading::FindPatterns(reading::MakePatternBoard(s.chart, s.chart.PalaceTable[1].branch, stack.front().stars),
                          found);
    for (const reading::FoundPattern& f : found) rows_.push_back({0, f});
    const LayerView view = ComputeLayer(s.LayerIndex, s.birth, s.chart, shown, s.NominalAge, s.BureauNumber,
                                        s.conventions);
    if (s.LayerIndex < 1 || stack.size() < 2 || !view.FocusBranch) return;
    found.clear();
    reading::FindPatterns(reading::MakePatternBoard(s.chart, *view.FocusBranch, stack.back().stars), found);
    for (const reading::FoundPattern& f : found) rows_.push_back({stack.back().layer, f});
}

void PatternView::refresh() {
    if (!toggle_->isChecked()) return;
    findRows();
    const Session& s = form_.session();
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const Row& row : rows_) {
        auto* item = new QListWidgetItem(s.script->text(RowText(row, LayerTag(row.layer))), list_);
        item->setToolTip(s.script->text(Text(row.found.rule->source)));
    }
    highlight(-1);
}

void PatternView::highlight(int row) {
    std::vector<QRectF> bands;
    if (row >= 0 && row < static_cast<int>(rows_.size())) {
        const reading::FoundPattern& found = rows_[static_cast<std::size_t>(row)].found;
        const board::Point life = board::BoxCorner(found.palace - 1);
        bands.emplace_back(life.x, life.y, board::kBoxWidth, board::kBoxHeight);
        const board::LabelStyle& list = board::PalaceSetStyle(board::PalaceSet::Lab04);
        const Session& s = form_.session();
        for (const std::int8_t star : found.stars.view()) {
            const int b = s.chart.StarTable[static_cast<std::size_t>(star)].branch - 1;
            if (b < 0 || b >= board::kPalaceCount) continue;
            const QString caption = form_.board().palaceLabel(board::PalaceSet::Lab04, b)->text();
            const auto starRow =
                marks::RowOfEntryEnd(caption, marks::CharactersBeforeEntryEnd(caption, StarText(s.names, star)));
            const board::Point corner = board::BoxCorner(b);
            if (b != found.palace - 1) bands.emplace_back(corner.x, corner.y, board::kBoxWidth, board::kBoxHeight);
            if (starRow) {
                bands.emplace_back(corner.x + list.x, corner.y + list.y + *starRow * board::kStarRowTwips,
                                   kStarBandWidth, board::kStarRowTwips);
            }
        }
    }
    form_.board().setReadingBands(std::move(bands));
}

}  // namespace velmora
