#pragma once
// The small labels a second chart lays over the board (對照): in each palace
// the other chart's palace name on that branch ("乙夫妻"), and for each star
// the other person's birth year transforms, a mark naming the star and the
// kind ("天同乙祿"), in the palace where that star stands on this board.
// They are written after everything else, each where no other text of the
// board stands: a name on the palace name's row, a mark in the column right
// of the minor stars on its star's row, else on the rows nearest it. So they
// never cover a star, a mark or one another, and being the board's children
// they go into pictures, pages and prints with it.

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QLabel;

namespace velmora {

class PalaceBoard;

struct OverlayItem {
    int b = 0;        // branch index 0..11 of the palace
    int row = -1;     // -1: the palace's name from the other chart; 0..7: the star-list row of the marked star
    QString text;     // as shown
    QString spoken;   // the accessible name
};

class OverlayLabels {
public:
    explicit OverlayLabels(PalaceBoard& board);

    // Shows `items`, and only them, each in a free place of its palace.
    void show(const std::vector<OverlayItem>& items);
    void clear() { show({}); }
    // The labels showing the items, in the items' order.
    std::vector<QLabel*> shown() const;

private:
    QLabel* labelAt(std::size_t i);
    void place(QLabel& label, const OverlayItem& item, std::vector<QRectF>& taken);

    PalaceBoard& board_;
    std::vector<QLabel*> labels_;
    std::size_t shownCount_ = 0;
};

// Where a text `size` twips large may stand in the palace box of branch index
// b: the first place from `preferred` (its top-left corner) rightwards on that
// row, then on the rows below and above it in turn, that keeps `gap` twips
// before and after every box of `taken` on its row and lies inside the
// palace; nothing when there is none.
std::optional<QRectF> FreePlace(int b, QSizeF size, QPointF preferred, const std::vector<QRectF>& taken, double gap);

}  // namespace velmora
