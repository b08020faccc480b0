#include "ui/main/Layers.h"

#include "chart/TimeLayers.h"
#include "ui/main/PalaceBoard.h"
#include "ui/main/Session.h"

namespace velmora {

Layers::Layers(Session& session, PalaceBoard& board) : session_(session), board_(board) {}

bool Layers::oldx() { return velmora::oldx(session_.birth, session_.chart, session_.calendar, session_.NominalAge); }

void Layers::RunP() { RunQ(); }

void Layers::RunQ() {
    Dline();
    Four();
}

void Layers::Four() {}

void Layers::Dline() { board_.Dline(session_.FocusBranch, session_.LayerIndex, session_.PersonName); }

}  // namespace velmora
