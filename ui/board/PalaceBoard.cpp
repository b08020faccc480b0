#include "ui/board/PalaceBoard.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "chart/NatalChart.h"
#include "ui/common/Fonts.h"
#include "ui/common/RowLabel.h"
#include "ui/common/ShownScript.h"
#include "ui/common/Twips.h"
#include "ui/board/BoardRouting.h"
#include "ui/board/RelationMarks.h"
#include "ui/board/TransformationMarks.h"

namespace velmora {

using board::CentreLabel;
using board::LabelStyle;
using board::PalaceSet;

namespace {

const QColor kGridColour(0, 0, 0);
const QColor kFocusColour(255, 0, 0);
const QColor kReadingBandColour(255, 200, 0, 64);
constexpr int kLineWidthTwips = kTwipsPerPixel;       // one pixel at 100%
constexpr int kHighlightPenPixels = 2;
constexpr double kMarkPoints = 9;
constexpr int kMarkGapTwips = kTwipsPerPixel;  // between a star list's text and its marks
const char* const kBranchIndexProperty = "branchIndex";

std::size_t At(int index) { return static_cast<std::size_t>(index); }
std::size_t At(PalaceSet set) { return static_cast<std::size_t>(set); }

// Shape1: a frame around the selected palace, drawn without fill.
class HighlightFrame : public QWidget {
public:
    explicit HighlightFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPen pen(kFocusColour);
        pen.setWidth(kHighlightPenPixels);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const int inset = kHighlightPenPixels / 2;
        painter.drawRect(rect().adjusted(inset, inset, -inset, -inset));
    }
};

}  // namespace

PalaceBoard::PalaceBoard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PalaceBoard"));
    setGeometry(TwipRect(kOriginX, kOriginY, kWidthTwips, kHeightTwips));
    // The board fills all of itself (white, then its lines), so the window
    // need not paint its own background under it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    createDesignMembers();
    createMarks();
    shape1_ = new HighlightFrame(this);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->hide();
    shape1_->installEventFilter(this);  // hiding it ends the relation frames too
}

RowLabel* PalaceBoard::createLabel(const LabelStyle& style, const QString& name) {
    auto* label = new RowLabel(this);
    label->setObjectName(name);
    if (style.points > 0) {
        label->setFont(style.kai ? KaiFont(style.points) : MingFont(style.points, false, style.italic));
    }
    if (style.colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *style.colour);
        label->setPalette(palette);
    }
    label->setAlignment(style.alignment);
    label->setWordWrap(style.wrap);
    label->setRowHeightTwips(style.rowTwips);
    if (style.hover != nullptr) {
        label->setToolTip(QString::fromUtf8(style.hover));
    }
    return label;
}

// Member 0 of each set and the centre labels are part of the window's design.
void PalaceBoard::createDesignMembers() {
    for (int set = 0; set < board::kPalaceSetCount; ++set) {
        const LabelStyle& style = board::PalaceSetStyle(static_cast<PalaceSet>(set));
        RowLabel* member0 = createLabel(style, QStringLiteral("%1_0").arg(QLatin1String(style.name)));
        member0->setProperty(kBranchIndexProperty, 0);
        member0->installEventFilter(this);
        // Lab07 lies over the next box and never shows text: a click there
        // belongs to the palace under it, not to the label's own.
        member0->setAttribute(Qt::WA_TransparentForMouseEvents, set == static_cast<int>(PalaceSet::Lab07));
        member0->hide();
        if (set == static_cast<int>(PalaceSet::Lab04)) {
            // The transformation marks stand in a column of their own right of the star names.
            member0->setTextWidthTwips(marks::kMarkLeftTwips - kMarkGapTwips);
        }
        palaceLabels_[At(set)][0] = member0;
    }
    for (int centre = 0; centre < board::kCentreLabelCount; ++centre) {
        const LabelStyle& style = board::CentreLabelStyle(static_cast<CentreLabel>(centre));
        RowLabel* label = createLabel(style, QLatin1String(style.name));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        centreLabels_[At(centre)] = label;
    }
    // The owner's name reads as typed, as the record list shows it; the words
    // beside it are put in the script as the line is filled.
    MarkAsUserText(centreLabel(CentreLabel::Label6_0));
}

RowLabel* PalaceBoard::copyOf(const RowLabel* member0, const QString& name) {
    auto* label = new RowLabel(this);
    label->setObjectName(name);
    label->setFont(member0->font());
    label->setPalette(member0->palette());
    label->setAlignment(member0->alignment());
    label->setWordWrap(member0->wordWrap());
    label->setRowHeightTwips(member0->rowHeightTwips());
    label->setTextWidthTwips(member0->textWidthTwips());
    label->setToolTip(member0->toolTip());
    label->setAttribute(Qt::WA_TransparentForMouseEvents,
                        member0->testAttribute(Qt::WA_TransparentForMouseEvents));
    label->installEventFilter(this);
    return label;
}

void PalaceBoard::createMarks() {
    for (int k = 0; k < board::kMarkCount; ++k) {
        auto* mark = new QLabel(board::MarkCaption(k), this);
        mark->setObjectName(QStringLiteral("L4F_%1").arg(k));
        mark->setFont(MingFont(kMarkPoints));
        mark->setAlignment(Qt::AlignCenter);
        mark->setAutoFillBackground(true);
        QPalette palette = mark->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, board::MarkColour(k));
        mark->setPalette(palette);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->resize(TwipSize(board::kMarkSize, board::kMarkSize));
        mark->hide();
        marks_[At(k)] = mark;
    }
}

void PalaceBoard::DrawLine() {
    placeInTwips(shape1_, kOriginX, kOriginY, board::kBoxWidth, board::kBoxHeight);  // sized, at the corner
    line1_ = board::Line1Segments();
    line2_ = board::Line2Segments();
    gridShown_ = true;
    update();
}

void PalaceBoard::LoadLAB() {
    for (int b = 0; b < board::kPalaceCount; ++b) {
        const board::Point corner = board::BoxCorner(b);
        for (int set = 0; set < board::kPalaceSetCount; ++set) {
            auto& members = palaceLabels_[At(set)];
            const LabelStyle& style = board::PalaceSetStyle(static_cast<PalaceSet>(set));
            if (b > 0 && members[At(b)] == nullptr) {
                members[At(b)] = copyOf(members[0], QStringLiteral("%1_%2").arg(QLatin1String(style.name)).arg(b));
                members[At(b)]->setProperty(kBranchIndexProperty, b);
            }
            RowLabel* label = members[At(b)];
            placeInTwips(label, corner.x + style.x, corner.y + style.y, style.width, style.height);
            label->show();
        }
    }
    const int innerLeft = board::kBoardLeft + board::kBoxWidth;
    const int innerTop = board::kBoardTop + board::kBoxHeight;
    for (int centre = 0; centre < board::kCentreLabelCount; ++centre) {
        const LabelStyle& style = board::CentreLabelStyle(static_cast<CentreLabel>(centre));
        placeInTwips(centreLabels_[At(centre)], innerLeft + style.x, innerTop + style.y, style.width, style.height);
    }
    for (QLabel* mark : marks_) {
        mark->raise();
    }
    shape1_->raise();
}

void PalaceBoard::Dline(std::int16_t& focusBranch, int layerIndex, const QString& personName) {
    // Brought into 1..12 whatever it holds, so the lines always join real palaces.
    const int p = ReduceBranch(focusBranch);
    focusBranch = static_cast<std::int16_t>(p);
    line4_ = board::FocusSegments(p);
    focusShown_ = true;
    constexpr int kLayerCount = 7;
    if (layerIndex < kLayerCount) {
        centreLabel(CentreLabel::Label6_0)->setText(QStringLiteral("    ") + personName);
        for (RowLabel* flowing : palaceLabels_[At(PalaceSet::LAB02)]) {
            flowing->setVisible(layerIndex > 1);
        }
    }
    update();
}

RowLabel* PalaceBoard::palaceLabel(PalaceSet set, int b) const { return palaceLabels_[At(set)][At(b)]; }

RowLabel* PalaceBoard::centreLabel(CentreLabel label) const {
    return centreLabels_[static_cast<std::size_t>(label)];
}

QLabel* PalaceBoard::mark(int k) const { return marks_[At(k)]; }

QWidget* PalaceBoard::highlight() const { return shape1_; }

void PalaceBoard::placeMark(int k, int b, int row) {
    const LabelStyle& stars = board::PalaceSetStyle(PalaceSet::Lab04);
    const board::Point corner = board::BoxCorner(b);
    const board::Point place{corner.x + stars.x + marks::kMarkLeftTwips,
                             corner.y + stars.y + board::kStarRowTwips * row};
    markPlaces_[At(k)] = place;
    placeInTwips(marks_[At(k)], place.x, place.y, board::kMarkSize, board::kMarkSize);
    marks_[At(k)]->show();
}

// The frame covers the box itself, so its two pixels lie on and just inside
// the box's grid lines whichever palace it marks.
void PalaceBoard::showHighlight(int b) {
    const board::Point corner = board::BoxCorner(b);
    placeInTwips(shape1_, corner.x, corner.y, board::kBoxWidth, board::kBoxHeight);
    shape1_->show();
    highlightBox_ = b;
    update();  // the relation frames move with it
}

int PalaceBoard::selectedBox() const { return shape1_->isHidden() ? -1 : highlightBox_; }

void PalaceBoard::setReadingBands(std::vector<QRectF> bands) {
    readingBands_ = std::move(bands);
    update();
}

void PalaceBoard::placeInTwips(QWidget* child, int left, int top, int width, int height) {
    twipPlaces_.insert(child, {left, top, width, height});
    if (zoom_ == 1.0) {
        child->setGeometry(TwipRect(left - kOriginX, top - kOriginY, width, height));
        return;
    }
    // Edges rounded on their own, as TwipRect does, so neighbours still meet.
    const auto pixels = [this](int twips) { return static_cast<int>(std::lround(TwipsToPixelsF(twips) * zoom_)); };
    const QPoint topLeft(pixels(left - kOriginX), pixels(top - kOriginY));
    const QPoint end(pixels(left - kOriginX + width), pixels(top - kOriginY + height));
    child->setGeometry(QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())));
}

void PalaceBoard::setZoom(double factor) {
    zoom_ = factor;
    for (auto place = twipPlaces_.cbegin(); place != twipPlaces_.cend(); ++place) {
        const std::array<int, 4>& r = place.value();
        placeInTwips(place.key(), r[0], r[1], r[2], r[3]);
    }
    for (RowLabel* label : findChildren<RowLabel*>()) {
        label->setRowScale(factor);
    }
    update();
}

QSize PalaceBoard::designSize() const { return TwipRect(kOriginX, kOriginY, kWidthTwips, kHeightTwips).size(); }

std::array<int, 4> PalaceBoard::twipRectOf(const QWidget* child) const {
    const QRect r = child->geometry();
    const auto twips = [this](int pixels) { return static_cast<int>(std::lround(PixelsToTwips(pixels) / zoom_)); };
    return {twips(r.x()) + kOriginX, twips(r.y()) + kOriginY, twips(r.width()), twips(r.height())};
}

void PalaceBoard::renderTo(QPainter& painter, const QRectF& target) {
    const double scale = std::min(target.width() / width(), target.height() / height());
    painter.save();
    painter.translate(target.center() - QPointF(width() * scale, height() * scale) / 2.0);
    painter.scale(scale, scale);
    exactLines_ = true;
    render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    exactLines_ = false;
    painter.restore();
}

void PalaceBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.scale(zoom_ / kTwipsPerPixel, zoom_ / kTwipsPerPixel);
    painter.translate(-kOriginX, -kOriginY);
    // Translucent, so a band inside a shaded box reads darker than the box.
    for (const QRectF& band : readingBands_) painter.fillRect(band, kReadingBandColour);
    auto drawSegments = [&painter](const auto& segments) {
        for (const board::Segment& s : segments) {
            painter.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
        }
    };
    if (gridShown_ && widePenOnScreen(painter)) {
        fillGrid(painter);
    } else if (gridShown_) {
        painter.setPen(QPen(kGridColour, kLineWidthTwips, Qt::SolidLine, Qt::SquareCap));
        drawSegments(line1_);
        drawSegments(line2_);
    }
    board::PaintRelations(painter, selectedBox());
    if (focusShown_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kFocusColour, kLineWidthTwips, Qt::SolidLine, focusCap(painter)));
        for (const QLineF& piece : focusPieces()) painter.drawLine(piece);
    }
    if (!flyingOverlay_.arrows().empty()) {
        // The captions keep off the labels' text, which changes with every chart.
        flyingOverlay_.setTextAround(centreTextBoxes(), boardTextBoxes());
    }
    flyingOverlay_.paint(painter);
}

// A line one device pixel wide goes to the painter's cheap thin-line path
// whatever its ends. A wider one (a dense screen, a zoomed board) with round
// ends is stroked as an outline and filled with antialiasing, which cost
// several times the whole rest of the board; with square ends the painter
// draws it as a line directly, and the ends hardly differ where the lines
// meet. Pictures and pages keep the round ends they have always had.
Qt::PenCapStyle PalaceBoard::focusCap(const QPainter& painter) const {
    return widePenOnScreen(painter) ? Qt::SquareCap : Qt::RoundCap;
}

bool PalaceBoard::widePenOnScreen(const QPainter& painter) const {
    const double devicePixels = painter.deviceTransform().m11() * kLineWidthTwips;
    return !exactLines_ && devicePixels > 1.0;
}

// The grid's lines all run level or upright, so on a dense screen each is the
// rectangle its square-ended pen would cover, filled without the stroker:
// stroking the twelve wide lines cost as much as the rest of the board's own
// painting at 300 %.
void PalaceBoard::fillGrid(QPainter& painter) const {
    constexpr double kHalfWidth = kLineWidthTwips / 2.0;
    const auto fill = [&painter](const auto& segments) {
        for (const board::Segment& s : segments) {
            const QRectF line(QPointF(std::min(s.from.x, s.to.x), std::min(s.from.y, s.to.y)),
                              QPointF(std::max(s.from.x, s.to.x), std::max(s.from.y, s.to.y)));
            painter.fillRect(line.adjusted(-kHalfWidth, -kHalfWidth, kHalfWidth, kHalfWidth), kGridColour);
        }
    };
    fill(line1_);
    fill(line2_);
}

void PalaceBoard::addTextBoxes(const QLabel* label, std::vector<QRectF>& boxes) const {
    if (label->isHidden() || label->text().isEmpty()) return;
    const double twipsPerPixel = kTwipsPerPixel / zoom_;
    const QPointF corner(kOriginX + label->x() * twipsPerPixel, kOriginY + label->y() * twipsPerPixel);
    const auto* rows = qobject_cast<const RowLabel*>(label);
    const QList<QRectF> own = rows != nullptr ? rows->textBoxes() : QList<QRectF>{QRectF(label->rect())};
    for (const QRectF& box : own) {
        boxes.emplace_back(corner + box.topLeft() * twipsPerPixel, box.size() * twipsPerPixel);
    }
}

std::vector<QRectF> PalaceBoard::centreTextBoxes() const {
    std::vector<QRectF> boxes;
    for (const RowLabel* label : centreLabels_) addTextBoxes(label, boxes);
    for (const QLabel* label : addedCentreText_) addTextBoxes(label, boxes);
    return boxes;
}

std::vector<QRectF> PalaceBoard::boardTextBoxes() const {
    std::vector<QRectF> boxes;
    for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) addTextBoxes(label, boxes);
    return boxes;
}

std::vector<QLineF> PalaceBoard::focusPieces() const {
    std::vector<QLineF> pieces;
    if (!focusShown_) return pieces;
    const std::vector<QRectF> centreText = centreTextBoxes();
    for (const board::Segment& s : line4_) {
        const QLineF line(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
        const std::vector<QLineF> around = board::LineAround(line, centreText);
        pieces.insert(pieces.end(), around.begin(), around.end());
    }
    return pieces;
}

bool PalaceBoard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == shape1_ && event->type() == QEvent::Hide) update();
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QVariant b = watched->property(kBranchIndexProperty);
        if (press->button() == Qt::LeftButton && b.isValid()) {
            emit palaceClicked(b.toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
