#include "ui/reading/FlyingView.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "ui/common/Fonts.h"
#include "ui/common/RowLabel.h"
#include "ui/common/Settings.h"
#include "ui/common/ToolWindowToggle.h"
#include "ui/common/Twips.h"
#include "ui/board/BoardLabels.h"
#include "ui/board/PalaceBoard.h"
#include "ui/session/Session.h"
#include "ui/board/TransformationMarks.h"
#include "ui/reading/SelfTransformationMarks.h"
#include "ui/common/DropDownRows.h"

namespace velmora {

namespace {

constexpr int kListWidthTwips = 9000;
constexpr int kListHeightTwips = 3600;
constexpr double kSelfMarkPoints = 7.5;

// The 自化 marks have a column of their own in each palace: right of the minor
// and flowing stars (which end 1930 twips from the box's left), clear of the
// palace's other text. A mark stands on its star's row and names the star, so
// it reads on its own though the star list is further left.
constexpr int kSelfColumnTwips = 1960;
// What a mark may take of its row: up to the palace's right edge, short of the line.
constexpr int kSelfRoomTwips = board::kBoxWidth - kSelfColumnTwips - 3 * kTwipsPerPixel;

board::Point SelfMarkPlace(int b, int row) {
    const board::LabelStyle& stars = board::PalaceSetStyle(board::PalaceSet::Lab04);
    const board::Point corner = board::BoxCorner(b);
    return {corner.x + kSelfColumnTwips, corner.y + stars.y + board::kStarRowTwips * row};
}

// "↓祿" (or "↑祿", "年↓祿") in the colour of its kind, as rich text.
QString KindText(const SelfKind& self, const ShownScript& script) {
    return QStringLiteral("<span style=\"color:%1\">%2</span>")
        .arg(board::MarkColour(self.kind - 1).name(), script.text(SelfKindCaption(self)));
}

}  // namespace

FlyingView::FlyingView(Session& session, PalaceBoard& board, QWidget& window)
    : QObject(&window), session_(session), board_(board) {
    selfAction_ = new QAction(QStringLiteral("自化"), this);
    selfAction_->setCheckable(true);
    selfAction_->setChecked(session_.settings->value(settings_keys::kSelfTransformations, false).toBool());
    selfAction_->setToolTip(SelfKindLegend());
    connect(selfAction_, &QAction::toggled, this, [this](bool on) {
        session_.settings->setValue(settings_keys::kSelfTransformations, on);
        showSelfMarks();
    });
    listAction_ = new QAction(QStringLiteral("飛化列表"), this);
    listAction_->setCheckable(true);
    listAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    listAction_->setShortcutContext(Qt::WindowShortcut);
    window.addAction(listAction_);
    createListWindow(window);
    // Under the main window where there is room, clear of the board.
    new ToolWindowToggle(*listWindow_, *listAction_, window,
                         {session_.settings, settings_keys::kFlyingListPlace, Side::Below});
}

void FlyingView::createListWindow(QWidget& window) {
    listWindow_ = new QWidget(&window, Qt::Tool);
    listWindow_->setObjectName(QStringLiteral("FlyingList"));
    listWindow_->setWindowTitle(QStringLiteral("飛化"));
    listWindow_->resize(TwipSize(kListWidthTwips, kListHeightTwips));
    list_ = new QListWidget(listWindow_);
    list_->setObjectName(QStringLiteral("FlyingLines"));
    SpaceRows(*list_);
    list_->setWordWrap(true);  // a window narrowed to a small screen wraps its lines rather than cutting them
    list_->setAccessibleName(QStringLiteral("飛化列表"));
    auto* layout = new QVBoxLayout(listWindow_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
}

void FlyingView::addToMenu(QMenu& menu) {
    menu.addSeparator();
    menu.addAction(selfAction_);
    menu.addAction(listAction_);
}

std::vector<tool::FlyingTransformation> FlyingView::flightsFrom(int b) const {
    return tool::FlightsFrom(b + 1, session_.chart, session_.transformations);
}

void FlyingView::select(int b) {
    selected_ = b;
    std::vector<FlightArrow> arrows;
    if (b >= 0 && charted_) {
        for (const tool::FlyingTransformation& f : flightsFrom(b)) arrows.push_back({b, f.to - 1, f.kind - 1});
    }
    board_.flyingOverlay().setArrows(std::move(arrows));
    board_.update();
    refreshList();
}

void FlyingView::chartChanged() {
    charted_ = true;
    showSelfMarks();
    select(-1);
}

void FlyingView::layerShown() {
    if (charted_) showSelfMarks();
}

void FlyingView::showSelfMarks() {
    std::vector<SelfMark> marks;
    const bool shown = charted_ && selfAction_->isChecked();
    for (const SelfKind& self : shown ? SelfKindsShown(session_) : std::vector<SelfKind>{}) {
        const int b = self.branch - 1;
        const QString caption = board_.palaceLabel(board::PalaceSet::Lab04, b)->text();
        const QString name = QString::fromStdString(StarName(session_.names, self.star));
        const auto row = marks::RowOfEntryEnd(caption, marks::CharactersBeforeEntryEnd(caption, name));
        if (!row) continue;
        const board::Point place = SelfMarkPlace(b, *row);
        const QString spoken = session_.script->text(SelfKindName(self));
        auto same = std::find_if(marks.begin(), marks.end(), [&](const SelfMark& m) { return m.place == place; });
        const QString kind = KindText(self, *session_.script);
        if (same != marks.end()) {
            same->text += kind;
            same->kinds += kind;
            same->name += QStringLiteral("、") + spoken;
        } else {
            marks.push_back({place, name + kind, self.kind - 1, name + QStringLiteral("：") + spoken, kind});
        }
    }
    selfMarks_ = std::move(marks);
    placeSelfLabels();
}

void FlyingView::placeSelfLabels() {
    while (selfLabels_.size() < selfMarks_.size()) {
        auto* label = new QLabel(&board_);
        label->setObjectName(QStringLiteral("SelfMark_%1").arg(selfLabels_.size()));
        label->setTextFormat(Qt::RichText);
        label->setAutoFillBackground(true);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        selfLabels_.push_back(label);
    }
    for (std::size_t i = 0; i < selfLabels_.size(); ++i) {
        QLabel* label = selfLabels_[i];
        if (i >= selfMarks_.size()) {
            label->hide();
            continue;
        }
        const SelfMark& mark = selfMarks_[i];
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, board::MarkColour(mark.kind));
        label->setPalette(palette);
        label->setAccessibleName(mark.name);
        label->setToolTip(mark.name);
        const int widthTwips = fitSelfLabel(*label, mark);
        board_.placeInTwips(label, mark.place.x, mark.place.y, widthTwips, board::kMarkSize);
        label->show();
        label->raise();
    }
    emit selfMarksPlaced();
}

// At the board's zoom, as its other labels are; its width at 100 % kept
// within the palace: a mark of many kinds leaves its star's name to the star
// list beside it, and one wider still is set smaller. Gives the width in twips.
int FlyingView::fitSelfLabel(QLabel& label, const SelfMark& mark) const {
    const auto widthAt100 = [this, &label] {
        label.adjustSize();
        return static_cast<int>(std::ceil(PixelsToTwips(label.width()) / board_.zoom()));
    };
    label.setFont(MingFont(kSelfMarkPoints * board_.zoom()));
    label.setText(mark.text);
    int width = widthAt100();
    if (width <= kSelfRoomTwips) return width;
    label.setText(mark.kinds);
    width = widthAt100();
    if (width <= kSelfRoomTwips) return width;
    label.setFont(MingFont(kSelfMarkPoints * board_.zoom() * kSelfRoomTwips / width));
    return std::min(widthAt100(), kSelfRoomTwips);
}

QStringList FlyingView::lines() const {
    QStringList lines;
    if (!charted_) return lines;
    for (int palace = 1; palace <= kBranches; ++palace) {
        const int b = session_.chart.PalaceTable[static_cast<std::size_t>(palace)].branch - 1;
        if (b < 0 || b >= kBranches) continue;
        lines << QString::fromStdString(tool::FlightsText(flightsFrom(b), session_.chart, session_.names));
    }
    return lines;
}

void FlyingView::refreshList() {
    if (list_ == nullptr) return;
    list_->clear();
    list_->addItems(lines());
    // Shown in the script when on screen (a hidden list is shown in it as it opens).
    if (list_->isVisible()) session_.script->applyTo(list_);
    const int selectedPalace = selected_ >= 0 ? tool::PalaceOnBranch(selected_ + 1, session_.chart) : 0;
    if (selectedPalace > 0 && selectedPalace <= list_->count()) list_->setCurrentRow(selectedPalace - 1);
}

}  // namespace velmora
