#include "ui/board/RelationMarks.h"

#include <QPainter>

#include "reading/BranchMath.h"
#include "ui/board/BoardGeometry.h"
#include "ui/common/Twips.h"

namespace velmora::board {

namespace {

const QString kBranchWords = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
constexpr int kFramePixels = 2;
// One pixel inside the grid line, so the frame stays off the palace's text,
// which starts two pixels in.
constexpr int kFrameInsetTwips = kTwipsPerPixel;

// The branch index (0..11) `steps` palaces on from branch index b.
int IndexAfter(int b, int steps) { return reading::WrapBranch(b + 1 + steps) - 1; }

QString Word(int index) { return kBranchWords.mid(index, 1); }

}  // namespace

Relation RelationTo(int selected, int b) {
    if (selected < 0 || b == selected) return Relation::None;
    const int branch = selected + 1;
    if ((reading::FourSquareMask(branch) & reading::BranchBit(b + 1)) != 0) return Relation::Square;
    if (b == IndexAfter(selected, -1) || b == IndexAfter(selected, 1)) return Relation::Flank;
    if (b + 1 == reading::HiddenPartner(branch)) return Relation::Hidden;
    return Relation::None;
}

RelationStyle StyleOf(Relation relation) {
    // Columns: colour (red, green, blue), dash pattern.
    switch (relation) {
        case Relation::Square: return {QColor(224, 96, 0), Qt::SolidLine};    // orange, solid
        case Relation::Flank: return {QColor(0, 96, 200), Qt::DashLine};      // blue, dashed
        case Relation::Hidden: return {QColor(150, 0, 150), Qt::DotLine};    // purple, dotted
        case Relation::None: break;
    }
    return {QColor(), Qt::NoPen};
}

QString RelationsSpoken(int selected) {
    if (selected < 0) return {};
    const auto at = [selected](int steps) { return Word(IndexAfter(selected, steps)); };
    return QStringLiteral("，對宮 %1，三方 %2 %3，夾 %4 %5，暗合 %6")
        .arg(at(6), at(4), at(8), at(-1), at(1), Word(reading::HiddenPartner(selected + 1) - 1));
}

void PaintRelations(QPainter& painter, int selected) {
    if (selected < 0) return;
    painter.save();
    for (int b = 0; b < kPalaceCount; ++b) {
        const RelationStyle style = StyleOf(RelationTo(selected, b));
        if (style.dashes == Qt::NoPen) continue;
        QPen pen(style.colour, kFramePixels * kTwipsPerPixel, style.dashes, Qt::FlatCap, Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const Point corner = BoxCorner(b);
        const int inset = kFrameInsetTwips + kFramePixels * kTwipsPerPixel / 2;
        painter.drawRect(QRectF(corner.x + inset, corner.y + inset, kBoxWidth - 2 * inset, kBoxHeight - 2 * inset));
    }
    painter.restore();
}

}  // namespace velmora::board
