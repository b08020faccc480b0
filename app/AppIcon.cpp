#include "app/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace velmora {

namespace {

constexpr double kDesignSize = 256;  // the picture is drawn on a 256-unit square
const std::array<int, 7> kSizes{16, 24, 32, 48, 64, 128, 256};

// Columns: x1, y1, x2, y2 of the board's lines (the frame is drawn apart).
struct Line {
    double x1, y1, x2, y2;
};
constexpr std::array<Line, 8> kGrid{{
    {40, 84, 216, 84}, {40, 172, 216, 172}, {84, 40, 84, 216}, {172, 40, 172, 216},
    {40, 128, 84, 128}, {172, 128, 216, 128}, {128, 40, 128, 84}, {128, 172, 128, 216},
}};

void PaintBoard(QPainter& painter) {
    painter.setPen(QPen(QColor(0x5b, 0x3a, 0x1e), 6));
    painter.setBrush(QColor(0xf7, 0xf1, 0xe3));
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 28, 28);
    painter.setPen(QPen(QColor(0x2b, 0x2b, 0x2b), 7, Qt::SolidLine, Qt::SquareCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(40, 40, 176, 176));
    for (const Line& line : kGrid) {
        painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    }
    painter.setPen(QPen(QColor(0xd6, 0x28, 0x28), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath trine;
    trine.moveTo(172, 84);
    trine.lineTo(84, 106);
    trine.lineTo(150, 172);
    trine.closeSubpath();
    painter.drawPath(trine);
    painter.drawLine(QPointF(172, 84), QPointF(84, 172));
}

// The palace-name and star strokes in the four corner palaces.
void PaintCornerText(QPainter& painter) {
    const std::array<QPointF, 4> corners{QPointF(50, 50), QPointF(182, 50), QPointF(50, 182), QPointF(182, 182)};
    painter.setPen(Qt::NoPen);
    for (const QPointF& corner : corners) {
        painter.setBrush(QColor(0xc0, 0x50, 0x1a));
        painter.drawRoundedRect(QRectF(corner, QSizeF(22, 8)), 2, 2);
        painter.setBrush(QColor(0x1f, 0x3f, 0xa8));
        painter.drawRoundedRect(QRectF(corner + QPointF(0, 14), QSizeF(14, 6)), 2, 2);
    }
}

QPixmap Painted(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kDesignSize, size / kDesignSize);
    PaintBoard(painter);
    PaintCornerText(painter);
    return pixmap;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : kSizes) {
        icon.addPixmap(Painted(size));
    }
    return icon;
}

}  // namespace velmora
