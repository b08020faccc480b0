#pragma once
// The palaces read together with the selected one, marked on the board: the
// rest of its 三方四正 (the opposite and the two trines, which the focus lines
// already join), its two flanks (夾) and its hidden partner (暗合). Each kind
// is a frame just inside the box's grid lines, painted under the labels; the
// three differ in their dash pattern as well as their colour, so they stay
// apart for a reader who cannot tell the colours apart.

#include <QColor>
#include <QString>
#include <Qt>

class QPainter;

namespace velmora::board {

enum class Relation { None, Square, Flank, Hidden };

// How box b relates to the selected box (branch indices 0..11): None for the
// selected box itself and for the five palaces it is not read with.
Relation RelationTo(int selected, int b);

// Columns of a relation's frame: colour, dash pattern.
struct RelationStyle {
    QColor colour;
    Qt::PenStyle dashes;
};
RelationStyle StyleOf(Relation relation);

// What a reader hears after the selected palace's own summary, in traditional
// characters: "，對宮 申，三方 午 戌，夾 卯 巳，暗合 亥" for 寅.
QString RelationsSpoken(int selected);

// Paints the frames of the palaces related to `selected` (-1: none) with a
// painter that draws in the window's twips.
void PaintRelations(QPainter& painter, int selected);

}  // namespace velmora::board
