// A chart drawn again after a reference table changed on disk.

#include "ui/main/Form1.h"

namespace velmora {

// A chart by date is cast again from the date inputs, which it follows. A
// charted record keeps its natal chart (the date inputs hold the flowing date
// then): its levels and marks are read again, the board refilled and the
// chosen layer run over it.
void Form1::recomputeChart() {
    if (!chartOnBoard()) {
        return;
    }
    if (session_.RecordLoaded != 1) {
        df_date();
        user();
        return;
    }
    referenceReads_.reread(session_, this);
    pp();
    runLayer(session_.LayerIndex);
}

}  // namespace velmora
