#pragma once
// A velmora-chart query shown on a started main window as the window itself
// shows it: a birth alone is charted by date; a birth with a shown moment is
// charted as a record and the moment shown on the layer. The picture export
// of the command line draws the same widgets this way.

#include <QString>

#include "output/Query.h"

namespace velmora {

class ChartHost;

// Charts `query` on `form` (started, with no secondary windows set) under
// `personName` (may be empty). The date inputs' lower limit is lifted while
// the shown moment is set, so a moment before the birth is shown as asked.
void ShowQuery(ChartHost& form, const tool::Query& query, const QString& personName);

}  // namespace velmora
