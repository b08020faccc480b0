#pragma once
// The two typefaces the windows name, with the fallbacks this platform has.
// Sizes are given in points as the layout names them and set as pixel sizes
// at 96 dots per inch, so text keeps its place in the twip layout whatever
// resolution the display reports; Qt scales pixels on high-density screens.

#include <QFont>
#include <QStringList>

#include "script/Script.h"

class QWidget;

namespace velmora {

// 新細明體, else AR PL UMing TW, else Noto Serif CJK TC, else Noto Sans CJK TC.
// In 简体 a Simplified-Chinese face leads (Noto Serif CJK SC, AR PL UMing CN,
// Noto Sans CJK SC), so characters such as 真 take their mainland forms.
QStringList MingFamilies();
// 標楷體, else AR PL UKai TW, else the Ming fallbacks; in 简体 AR PL UKai CN first.
QStringList KaiFamilies();

// The script the typefaces are chosen for from now on.
void UseFontsFor(Script script);
// Every widget from `root` down that was given a Ming or Kai font takes the
// same font in the typefaces of the script in use, its size and weight kept.
void RefontWidgets(QWidget* root);

// The pixel size of a point size at 96 dots per inch (9.75 pt = 13 px).
int PointsToPixels(double points);

QFont MingFont(double points, bool bold = false, bool italic = false);
QFont KaiFont(double points);

}  // namespace velmora
