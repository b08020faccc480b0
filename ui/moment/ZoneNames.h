#pragma once
// A time zone as people read it: "北京時間", "台北標準時間", in the shown
// script. The IANA name (Asia/Shanghai) is what the files keep and what a
// tooltip shows; a fixed offset ("UTC+08:00") reads as it is.

#include <QString>

#include "script/Script.h"

namespace velmora {

// The zone's Chinese name in `script`; the name itself when there is none.
QString ZoneCaption(const QString& zone, Script script);

}  // namespace velmora
