#include "ui/board/OverlayLabels.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

#include "ui/board/BoardGeometry.h"
#include "ui/board/BoardLabels.h"
#include "ui/board/PalaceBoard.h"
#include "ui/common/Fonts.h"
#include "ui/common/TransformationColours.h"
#include "ui/common/Twips.h"

namespace velmora {

namespace {

constexpr double kNamePoints = 9;        // between the marks' 7.5 and the star lists' 9.75
constexpr double kMarkPoints = 7.5;      // as the 自化 marks
constexpr int kInsetTwips = 30;          // kept free along the palace's lines
constexpr int kMarkColumnTwips = 1960;   // right of the minor and flowing stars, where the 自化 marks stand
constexpr int kStepTwips = kTwipsPerPixel;
// Room kept before and after every other text on the row, so two never run
// together (a palace's other name stands a little further off its own, so
// the two read as two words); rows may touch, as the star lists' rows do.
constexpr double kMarkGapTwips = 20;
constexpr double kNameGapTwips = 90;

bool Clear(const QRectF& place, const std::vector<QRectF>& taken, double gap) {
    const QRectF around = place.adjusted(-gap, 0, gap, 0);
    for (const QRectF& box : taken) {
        if (around.intersects(box)) return false;
    }
    return true;
}

// The first clear place on the row at `top`, from `left` rightwards.
std::optional<QRectF> FreeOnRow(double left, double top, QSizeF size, double rightmost,
                                const std::vector<QRectF>& taken, double gap) {
    for (double x = left; x <= rightmost; x += kStepTwips) {
        const QRectF place(QPointF(x, top), size);
        if (Clear(place, taken, gap)) return place;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QRectF> FreePlace(int b, QSizeF size, QPointF preferred, const std::vector<QRectF>& taken, double gap) {
    const board::Point corner = board::BoxCorner(b);
    const double left = corner.x + kInsetTwips;
    const double top = corner.y + kInsetTwips;
    const double rightmost = corner.x + board::kBoxWidth - kInsetTwips - size.width();
    const double lowest = corner.y + board::kBoxHeight - kInsetTwips - size.height();
    const double startX = std::clamp(preferred.x(), left, std::max(left, rightmost));
    // Rows one star row apart: the preferred one, then below and above it in turn.
    for (int distance = 0; distance <= board::kBoxHeight / board::kStarRowTwips; ++distance) {
        for (int side : {1, -1}) {
            const double y = preferred.y() + side * distance * board::kStarRowTwips;
            if (y < top || y > lowest || (distance == 0 && side < 0)) continue;
            // A row away from its own, a label may start anywhere along it.
            const double from = distance == 0 ? startX : left;
            if (auto place = FreeOnRow(from, y, size, rightmost, taken, gap)) return place;
        }
    }
    return std::nullopt;
}

OverlayLabels::OverlayLabels(PalaceBoard& board) : board_(board) {}

QLabel* OverlayLabels::labelAt(std::size_t i) {
    while (labels_.size() <= i) {
        auto* label = new QLabel(&board_);
        label->setObjectName(QStringLiteral("OverlayLabel_%1").arg(labels_.size()));
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, OverlayColour());
        label->setPalette(palette);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->hide();
        labels_.push_back(label);
    }
    return labels_[i];
}

void OverlayLabels::show(const std::vector<OverlayItem>& items) {
    // The places are found among the board's other texts, so the old ones go first.
    for (QLabel* label : labels_) label->hide();
    std::vector<QRectF> taken = board_.boardTextBoxes();
    for (std::size_t i = 0; i < items.size(); ++i) place(*labelAt(i), items[i], taken);
    shownCount_ = items.size();
}

// A mark lies over the lines that may run under it (arrows), as the board's
// own marks do; a palace's name stays open, so a 自化 loop shows through.
void OverlayLabels::place(QLabel& label, const OverlayItem& item, std::vector<QRectF>& taken) {
    const bool name = item.row < 0;
    const double zoom = board_.zoom();
    label.setFont(MingFont((name ? kNamePoints : kMarkPoints) * zoom));
    label.setAutoFillBackground(!name);
    label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label.setText(item.text);
    label.setAccessibleName(item.spoken);
    label.adjustSize();
    // A palace's name keeps to the row of the palace's own name (a taller
    // face is cut to it), its foot level with that name's; a mark is one star
    // row high, as the board's own marks are, so it keeps to its row.
    const board::LabelStyle& nameRow = board::PalaceSetStyle(board::PalaceSet::LAB01);
    const double height = name ? std::min<double>(std::ceil(PixelsToTwips(label.height()) / zoom), nameRow.height)
                               : board::kMarkSize;
    const QSizeF size(std::ceil(PixelsToTwips(label.width()) / zoom), height);
    const board::Point corner = board::BoxCorner(item.b);
    const int starsTop = board::PalaceSetStyle(board::PalaceSet::Lab04).y;
    const QPointF preferred = name ? QPointF(corner.x + kInsetTwips, corner.y + nameRow.y + nameRow.height - height)
                                   : QPointF(corner.x + kMarkColumnTwips,
                                             corner.y + starsTop + item.row * board::kStarRowTwips);
    const QRectF place =
        FreePlace(item.b, size, preferred, taken, name ? kNameGapTwips : kMarkGapTwips).value_or(QRectF(preferred, size));
    board_.placeInTwips(&label, static_cast<int>(place.x()), static_cast<int>(place.y()),
                        static_cast<int>(size.width()), static_cast<int>(size.height()));
    taken.push_back(place);
    label.show();
    label.raise();
}

std::vector<QLabel*> OverlayLabels::shown() const {
    return {labels_.begin(), labels_.begin() + static_cast<std::ptrdiff_t>(shownCount_)};
}

}  // namespace velmora
