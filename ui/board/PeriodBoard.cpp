#include "ui/board/PeriodBoard.h"

#include <QPainter>

#include "chart/ChartState.h"
#include "ui/common/Fonts.h"
#include "ui/board/BoardGeometry.h"

namespace velmora {

namespace {

constexpr int kWidthPixels = 220;
constexpr int kHeightPixels = 180;
constexpr double kStarPoints = 7.5;
constexpr double kCentrePoints = 8.5;
constexpr int kCellPadding = 2;
const QColor kDiffersColour(255, 240, 170);
const QColor kLifeColour(220, 0, 0);
const QColor kStarColour(0, 0, 192);
const QColor kFocusColour(0, 120, 215);

}  // namespace

PeriodBoard::PeriodBoard(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PeriodBoard::setContent(PeriodBoardContent content) {
    content_ = std::move(content);
    setAccessibleName(content_.title + QLatin1Char(' ') + content_.lifePalace + QLatin1Char(' ') + content_.bureau);
    update();
}

QSize PeriodBoard::sizeHint() const { return {kWidthPixels, kHeightPixels}; }

// The cell of branch index b, laid out as on the main board.
QRectF PeriodBoard::cellOf(int b) const {
    const board::Point corner = board::BoxCorner(b);
    const double w = width() / double(board::kBoxesPerSide);
    const double h = height() / double(board::kBoxesPerSide);
    const int column = (corner.x - board::kBoardLeft) / board::kBoxWidth;
    const int row = (corner.y - board::kBoardTop) / board::kBoxHeight;
    return {column * w, row * h, w, h};
}

void PeriodBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QFont starFont = MingFont(kStarPoints);
    for (int b = 0; b < kBranches; ++b) {
        const QRectF cell = cellOf(b);
        if (content_.differs[static_cast<std::size_t>(b)]) painter.fillRect(cell, kDiffersColour);
        painter.setPen(Qt::black);
        painter.drawRect(cell);
        painter.setPen(kStarColour);
        painter.setFont(starFont);
        painter.drawText(cell.adjusted(kCellPadding, kCellPadding, -kCellPadding, -kCellPadding),
                         Qt::AlignLeft | Qt::AlignTop, content_.majorStars[static_cast<std::size_t>(b)].join('\n'));
    }
    const QRectF life = cellOf(content_.lifeIndex);
    painter.setPen(QPen(kLifeColour, 2));
    painter.drawRect(life.adjusted(1, 1, -1, -1));
    const QRectF centre(width() / 4.0, height() / 4.0, width() / 2.0, height() / 2.0);
    painter.setPen(Qt::black);
    painter.setFont(MingFont(kCentrePoints, true));
    painter.drawText(centre, Qt::AlignCenter,
                     content_.title + QLatin1Char('\n') + content_.lifePalace + QLatin1Char('\n') + content_.bureau);
    if (hasFocus() || isDown()) {
        painter.setPen(QPen(kFocusColour, 3));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

}  // namespace velmora
