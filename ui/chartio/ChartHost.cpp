#include "ui/chartio/ChartHost.h"

#include "ui/session/Session.h"

namespace velmora {

bool RecordChartShown(ChartHost& host) {
    return host.recordsMode() && host.session().RecordLoaded == 1 && host.chartShown();
}

}  // namespace velmora
