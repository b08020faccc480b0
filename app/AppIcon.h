#pragma once
// The program's icon, painted: the chart board of four by four palaces round
// an open centre, with the red focus lines. The same picture as the installed
// data/velmora.svg, for the window's title bar and task switcher.

#include <QIcon>

namespace velmora {

QIcon AppIcon();

}  // namespace velmora
