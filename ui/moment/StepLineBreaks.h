#pragma once
// The step line (clock → standard → mean → true solar → period) broken into
// lines only between its steps, so no step is ever split across two lines.

#include <QString>

class QFontMetrics;

namespace velmora {

// `text` with a line break before each "→" that would carry its line past
// `width` pixels in `metrics`; a step wider than `width` stays whole on a
// line of its own. Lines already in `text` (a note after the steps) are kept.
QString BreakBetweenSteps(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace velmora
