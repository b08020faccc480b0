#include "ui/board/FlyingOverlay.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>

#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/board/BoardLabels.h"
#include "ui/board/BoardRouting.h"

namespace velmora {

namespace {

constexpr int kArrowPenTwips = 2 * kTwipsPerPixel;   // two pixels at 100 %
constexpr int kHeadLengthTwips = 200;
constexpr double kHeadAngleDegrees = 25;
constexpr int kArrowAlpha = 210;                    // lets the text under a crossing show
constexpr int kParallelGapTwips = 90;               // between arrows joining the same two palaces
constexpr double kInsideBox = 0.55;                 // arrows start and end this far from centre to edge
constexpr int kLoopRadiusTwips = 130;
constexpr int kLoopInsetTwips = 200;                // from the box's top-right corner
constexpr double kKindPoints = 8;

QColor ArrowColour(int kind) {
    QColor colour = board::MarkColour(kind);
    colour.setAlpha(kArrowAlpha);
    return colour;
}

QPointF BoxCentre(int b) {
    const board::Point corner = board::BoxCorner(b);
    return {corner.x + board::kBoxWidth / 2.0, corner.y + board::kBoxHeight / 2.0};
}

// How far from a box's centre along unit direction `d` the point kInsideBox of
// the way to its edge lies.
double InsideDistance(QPointF d) {
    const double toSide = std::abs(d.x()) > 1e-9 ? board::kBoxWidth / 2.0 / std::abs(d.x()) : 1e9;
    const double toTopBottom = std::abs(d.y()) > 1e-9 ? board::kBoxHeight / 2.0 / std::abs(d.y()) : 1e9;
    return std::min(toSide, toTopBottom) * kInsideBox;
}

// Text at `place` (twips) in a font sized for the screen, whatever the scale.
void DrawTextAt(QPainter& painter, QPointF place, const QString& text, const QFont& font) {
    painter.save();
    painter.translate(place);
    painter.scale(kTwipsPerPixel, kTwipsPerPixel);
    painter.setFont(font);
    painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), text);
    painter.restore();
}

void DrawHead(QPainter& painter, QPointF tip, double angle) {
    const double spread = qDegreesToRadians(kHeadAngleDegrees);
    QPainterPath head(tip);
    head.lineTo(tip - kHeadLengthTwips * QPointF(std::cos(angle - spread), std::sin(angle - spread)));
    head.lineTo(tip - kHeadLengthTwips * QPointF(std::cos(angle + spread), std::sin(angle + spread)));
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

}  // namespace

void FlyingOverlay::setTextAround(std::vector<QRectF> centreText, std::vector<QRectF> boardText) {
    centreText_ = std::move(centreText);
    boardText_ = std::move(boardText);
}

// Each arrow between two palaces: its shaft broken under the centre's text,
// its head, and its caption beside it where no text of the board nor an
// earlier caption stands.
std::vector<FlyingOverlay::Drawn> FlyingOverlay::laidOut() const {
    std::vector<Drawn> drawn;
    std::vector<QRectF> taken = boardText_;
    const QFont font = MingFont(kKindPoints);
    const QFontMetricsF metrics(font);
    for (std::size_t i = 0; i < arrows_.size(); ++i) {
        const FlightArrow& arrow = arrows_[i];
        if (arrow.fromIndex == arrow.toIndex) continue;
        // Arrows between the same two palaces (two stars in one palace) side by side.
        const auto parallel = std::count_if(arrows_.begin(), arrows_.begin() + static_cast<std::ptrdiff_t>(i),
                                            [&arrow](const FlightArrow& a) { return a.toIndex == arrow.toIndex; });
        const QPointF from = BoxCentre(arrow.fromIndex);
        const QPointF to = BoxCentre(arrow.toIndex);
        const QPointF delta = to - from;
        const QPointF d = delta / std::hypot(delta.x(), delta.y());
        const QPointF shift = QPointF(-d.y(), d.x()) * double(kParallelGapTwips * parallel);
        const QPointF start = from + d * InsideDistance(d) + shift;
        const QPointF end = to - d * InsideDistance(d) + shift;
        Drawn arrowDrawn;
        arrowDrawn.kind = arrow.kind;
        arrowDrawn.tip = end;
        arrowDrawn.angle = std::atan2(d.y(), d.x());
        arrowDrawn.pieces = board::LineAround(QLineF(start, end - d * (kHeadLengthTwips / 2.0)), centreText_);
        const QString caption = board::MarkCaption(arrow.kind);
        const QSizeF size(metrics.horizontalAdvance(caption) * kTwipsPerPixel, metrics.height() * kTwipsPerPixel);
        arrowDrawn.caption = board::CaptionPlace(QLineF(start, end), size, kParallelGapTwips + size.height() / 2, taken);
        taken.push_back(arrowDrawn.caption);
        drawn.push_back(std::move(arrowDrawn));
    }
    return drawn;
}

std::vector<QLineF> FlyingOverlay::shaftPieces() const {
    std::vector<QLineF> pieces;
    for (const Drawn& arrow : laidOut()) pieces.insert(pieces.end(), arrow.pieces.begin(), arrow.pieces.end());
    return pieces;
}

std::vector<QRectF> FlyingOverlay::captionBoxes() const {
    std::vector<QRectF> boxes;
    for (const Drawn& arrow : laidOut()) boxes.push_back(arrow.caption);
    return boxes;
}

void FlyingOverlay::paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const FlightArrow& arrow : arrows_) {
        if (arrow.fromIndex == arrow.toIndex) paintLoop(painter, arrow);
    }
    const QFont font = MingFont(kKindPoints);
    for (const Drawn& arrow : laidOut()) {
        painter.setPen(QPen(ArrowColour(arrow.kind), kArrowPenTwips, Qt::SolidLine, Qt::RoundCap));
        for (const QLineF& piece : arrow.pieces) painter.drawLine(piece);
        DrawHead(painter, arrow.tip, arrow.angle);
        DrawTextAt(painter, arrow.caption.topLeft(), board::MarkCaption(arrow.kind), font);
    }
    painter.restore();
}

// A palace transforming a star of its own: a small loop in its top-right corner.
void FlyingOverlay::paintLoop(QPainter& painter, const FlightArrow& arrow) const {
    const board::Point corner = board::BoxCorner(arrow.toIndex);
    const QPointF centre(corner.x + board::kBoxWidth - kLoopInsetTwips - 2.5 * kLoopRadiusTwips * arrow.kind,
                         corner.y + kLoopInsetTwips);
    painter.setPen(QPen(ArrowColour(arrow.kind), kArrowPenTwips));
    const QRectF ring(centre - QPointF(kLoopRadiusTwips, kLoopRadiusTwips),
                      QSizeF(2 * kLoopRadiusTwips, 2 * kLoopRadiusTwips));
    // Counter-clockwise from the top round to 30°, the head on that end.
    constexpr int kSixteenthsPerDegree = 16;
    constexpr int kStartDegrees = 90;
    constexpr int kSpanDegrees = 300;
    painter.drawArc(ring, kStartDegrees * kSixteenthsPerDegree, kSpanDegrees * kSixteenthsPerDegree);
    const double endAngle = qDegreesToRadians(double(kStartDegrees + kSpanDegrees));
    const QPointF tip = centre + kLoopRadiusTwips * QPointF(std::cos(endAngle), -std::sin(endAngle));
    DrawHead(painter, tip, std::atan2(-std::cos(endAngle), -std::sin(endAngle)));
}

}  // namespace velmora
