#pragma once
// Qt's own words (the buttons of message boxes, the file dialogs' "Look in",
// "File name", "Save") in the script the program shows: Qt's translations
// for Taiwan in 繁體 and for the mainland in 简体, so a notice asking to press
// 確定 stands over a button that says so.

#include <QString>

#include "script/Script.h"

namespace velmora {

// Installs Qt's translations for `script` in place of those installed before.
// False when they could not be found (Qt then shows its own English).
bool ShowQtWordsIn(Script script);

// "zh_TW" or "zh_CN": the locale of Qt's translations for `script`.
QString QtTranslationLocale(Script script);

}  // namespace velmora
