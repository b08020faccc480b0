#pragma once
// The time layers on the board: the nominal age, the layer's focus palace and
// marked stem, the flowing stars, and the redraw of focus lines and marks.

namespace velmora {

struct Session;
class PalaceBoard;

class Layers {
public:
    Layers(Session& session, PalaceBoard& board);

    // The nominal age at the shown date into NominalAge; false, leaving it
    // unchanged, while no chart has been computed.
    bool oldx();
    // The selected layer for the shown date. Focus, marked stem and flowing
    // stars per layer are not wired to the board yet: every layer redraws as
    // the natal one (RunQ).
    void RunP();
    // Redraws the focus lines, then the marks.
    void RunQ();
    // Marks the four transformations of MarkStem. The marks are created and
    // styled on the board; placing them on their stars is not wired yet, so
    // they stay hidden.
    void Four();
    // The focus lines from FocusBranch, the name line and the flowing-star labels.
    void Dline();

private:
    Session& session_;
    PalaceBoard& board_;
};

}  // namespace velmora
