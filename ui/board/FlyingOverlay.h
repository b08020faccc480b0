#pragma once
// What the board paints for the flying transformations, under its labels (so
// export and print carry it): arrows from a selected palace to the palaces
// receiving its stem's 祿 權 科 忌, a loop where the palace receives one
// itself. The board calls paint() with its painter already in the window's
// twips; this holds no chart rules, only what to draw and where. Arrows break
// where they would run under the centre's text, and each caption stands where
// it covers no text of the board.

#include <QLineF>
#include <QRectF>

#include <vector>

#include "ui/board/BoardGeometry.h"

class QPainter;

namespace velmora {

struct FlightArrow {
    int fromIndex = 0;  // branch index 0..11 of the selected palace
    int toIndex = 0;    // branch index 0..11 of the palace holding the star
    int kind = 0;       // 0 祿, 1 權, 2 科, 3 忌
};

class FlyingOverlay {
public:
    void setArrows(std::vector<FlightArrow> arrows) { arrows_ = std::move(arrows); }
    const std::vector<FlightArrow>& arrows() const { return arrows_; }

    // The text the arrows keep off: the centre's (lines break under it) and
    // every text box of the board (captions stand clear of them all).
    void setTextAround(std::vector<QRectF> centreText, std::vector<QRectF> boardText);

    // What the arrows between two palaces draw: their shafts' pieces and
    // their captions' boxes, in the window's twips.
    std::vector<QLineF> shaftPieces() const;
    std::vector<QRectF> captionBoxes() const;

    // Paints into a painter scaled to the window's twips.
    void paint(QPainter& painter) const;

private:
    struct Drawn {
        std::vector<QLineF> pieces;
        QPointF tip;
        double angle = 0;
        QRectF caption;
        int kind = 0;
    };
    std::vector<Drawn> laidOut() const;
    void paintLoop(QPainter& painter, const FlightArrow& arrow) const;

    std::vector<FlightArrow> arrows_;
    std::vector<QRectF> centreText_;
    std::vector<QRectF> boardText_;
};

}  // namespace velmora
