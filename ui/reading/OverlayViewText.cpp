// What the overlay writes: the other chart's palace names and marks on the
// board, the centre's line naming both people, and the palaces' accessible
// names, all in the shown script.

#include <QLabel>

#include <algorithm>
#include <cmath>

#include "moment/MomentText.h"
#include "ui/board/BoardLabels.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/TransformationMarks.h"
#include "ui/chartio/ChartHost.h"
#include "ui/common/Fonts.h"
#include "ui/common/RowLabel.h"
#include "ui/common/TransformationColours.h"
#include "ui/common/Twips.h"
#include "ui/reading/OverlayView.h"
#include "ui/session/DateInputs.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

constexpr double kCentrePoints = 9.75;
// Under the owner's name, above the birth lines, from the inner square's corner.
constexpr int kCentreLeftTwips = 100;
constexpr int kCentreTopTwips = 520;
const QString kEntrySeparator = QStringLiteral("、");

// The star-list row of `star` in the palace of branch index b; 0 for a star
// the list does not show (the place is then found from the top).
int MarkRowOf(const PalaceBoard& board, int b, const QString& star) {
    const QString caption = board.palaceLabel(board::PalaceSet::Lab04, b)->text();
    if (star.isEmpty() || !caption.contains(star)) return 0;
    return marks::RowOfEntryEnd(caption, marks::CharactersBeforeEntryEnd(caption, star)).value_or(0);
}

}  // namespace

// A palace's name from the other chart on each branch ("乙夫妻"), then the
// other person's marks; a star transformed twice carries both kinds.
std::vector<OverlayItem> OverlayView::itemsOf(const reading::Overlay& overlay) const {
    const Session& session = host_.session();
    const QString letter = otherLetter();
    const QString word = session.script->text(QStringLiteral("對照"));
    std::vector<OverlayItem> items;
    for (const reading::OverlayPalace& palace : overlay.palaces) {
        if (palace.branch < 1 || palace.b < 1) continue;
        const QString name = Utf8Text(PalaceName(session.names, palace.b));
        items.push_back({palace.branch - 1, -1, letter + name, word + QLatin1Char(' ') + letter + name});
    }
    appendMarks(overlay, items);
    return items;
}

void OverlayView::appendMarks(const reading::Overlay& overlay, std::vector<OverlayItem>& items) const {
    const Session& session = host_.session();
    const QString letter = otherLetter();
    const std::size_t firstMark = items.size();
    for (const reading::CrossTransformation& cross : overlay.bInA) {
        if (cross.branch < 1 || cross.kind < 1) continue;
        const QString star = StarText(session.names, cross.star);
        const QString kind = board::MarkCaption(cross.kind - 1);
        const QString spoken = letter + QStringLiteral("化") + kind + QLatin1Char(' ') + star;
        const auto same = std::find_if(items.begin() + static_cast<std::ptrdiff_t>(firstMark), items.end(),
                                       [&](const OverlayItem& item) { return item.text.startsWith(star + letter); });
        if (same != items.end()) {
            same->text += kind;
            same->spoken += kEntrySeparator + spoken;
            continue;
        }
        const int b = cross.branch - 1;
        items.push_back({b, MarkRowOf(host_.board(), b, star), star + letter + kind, spoken});
    }
}

QString OverlayView::captionOf(const QString& name, const CalendarDay& birthDay) const {
    if (!name.isEmpty()) return name;
    const QDate birth(birthDay.SolarYear, birthDay.SolarMonth, birthDay.SolarDay);
    return birth.toString(QStringLiteral("yyyy-MM-dd ")) +
           host_.session().script->text(moment::PeriodText(PeriodOfHour(birthDay.ClockHour)));
}

// "對照：王小明 × 乙 李小華": the board's person, then the one laid over it with their letter.
void OverlayView::showCentreLine() {
    if (!overlay_) {
        centreLine_->hide();
        return;
    }
    const Session& session = host_.session();
    const QString text = session.script->text(QStringLiteral("對照：")) + captionOf(session.PersonName, session.birthDay) +
                         QStringLiteral(" × ") + otherLetter() + QLatin1Char(' ') +
                         captionOf(other_->name, other_->birthDay);
    const double zoom = host_.board().zoom();
    centreLine_->setFont(MingFont(kCentrePoints * zoom));
    QPalette palette = centreLine_->palette();
    palette.setColor(QPalette::WindowText, OverlayColour());
    centreLine_->setPalette(palette);
    centreLine_->setText(text);
    centreLine_->setAccessibleName(text);
    centreLine_->adjustSize();
    const int width = static_cast<int>(std::ceil(PixelsToTwips(centreLine_->width()) / zoom));
    const int height = static_cast<int>(std::ceil(PixelsToTwips(centreLine_->height()) / zoom));
    placeCentreLine(width, height);
    centreLine_->show();
}

void OverlayView::placeCentreLine(int width, int height) {
    host_.board().placeInTwips(centreLine_, board::kBoardLeft + board::kBoxWidth + kCentreLeftTwips,
                               board::kBoardTop + board::kBoxHeight + kCentreTopTwips, width, height);
}

// Each palace's name for assistive technology ends with what the overlay
// shows there: "…；對照 乙夫妻、乙化祿 天同". What was added before is taken
// off first, for the board may not have named its palaces again since.
void OverlayView::namePalaces(const std::vector<OverlayItem>& items) {
    std::array<QStringList, board::kPalaceCount> said;
    for (const OverlayItem& item : items) said[static_cast<std::size_t>(item.b)].append(item.spoken);
    for (int b = 0; b < board::kPalaceCount; ++b) {
        RowLabel* palace = host_.board().palaceLabel(board::PalaceSet::LAB01, b);
        if (palace == nullptr) continue;
        QString& added = spokenAdded_[static_cast<std::size_t>(b)];
        QString name = palace->accessibleName();
        if (!added.isEmpty() && name.endsWith(added)) name.chop(added.size());
        const QStringList& here = said[static_cast<std::size_t>(b)];
        added = here.isEmpty() ? QString() : QStringLiteral("；") + here.join(kEntrySeparator);
        palace->setAccessibleName(name + added);
    }
}

}  // namespace velmora
