#pragma once
// The two typefaces the windows name, with the fallbacks this platform has.
// Sizes are given in points as the layout names them and set as pixel sizes
// at 96 dots per inch, so text keeps its place in the twip layout whatever
// resolution the display reports; Qt scales pixels on high-density screens.

#include <QFont>
#include <QStringList>

namespace velmora {

// 新細明體, else AR PL UMing TW, else Noto Serif CJK TC, else Noto Sans CJK TC.
QStringList MingFamilies();
// 標楷體, else AR PL UKai TW, else the Ming fallbacks.
QStringList KaiFamilies();

// The pixel size of a point size at 96 dots per inch (9.75 pt = 13 px).
int PointsToPixels(double points);

QFont MingFont(double points, bool bold = false, bool italic = false);
QFont KaiFont(double points);

}  // namespace velmora
