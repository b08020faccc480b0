#pragma once
// The time layers on the board: the nominal age, the layer's focus palace and
// marked stem, the flowing stars, and the redraw of focus lines and marks.

#include <functional>

namespace velmora {

struct Session;
class PalaceBoard;

class Layers {
public:
    Layers(Session& session, PalaceBoard& board);

    // The nominal age at the shown date into NominalAge; false, leaving it
    // unchanged, while no chart has been computed.
    bool oldx();
    // The layer of LayerIndex for the shown date: the flowing stars, then
    // FocusBranch and MarkStem as the layer sets them, then RunQ. The natal
    // layer sets nothing and only redraws.
    void RunP();
    // Rewrites the flowing-star lines (LAB02) for layers 2..6; leaves them as
    // they are on the natal and decade layers.
    void LNLS();
    // Redraws the focus lines, then the marks.
    void RunQ();
    // Marks the four transformations of MarkStem beside their stars. A
    // transformation that names no star on the board (00, a missing or short
    // table line, a number outside 1..50) hides its mark, so no mark points
    // at a star the table does not name.
    void Four();
    // The focus lines from FocusBranch, the name line and the flowing-star labels.
    void Dline();

    // Runs after every Four: the board's chart, date or layer has changed.
    std::function<void()> marksShown;

private:
    void markTransformation(int k, int star);

    Session& session_;
    PalaceBoard& board_;
};

}  // namespace velmora
