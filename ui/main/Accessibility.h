#pragma once
// Names for assistive technology, so a screen reader can read the chart. A
// palace label is named by its palace (palace name and stem-branch, or the
// branch alone before a chart) and what it shows; the palace-name label
// carries the whole palace: "命宮 丙子：紫微 廟 化祿、天府 旺、…、大限 23 - 32".
// A mark is named by its transformation and star ("化祿 紫微"). The names
// follow the chart: the board's names are written again whenever its marks are.

#include <QString>

namespace velmora {

class Form1;
class PalaceBoard;
struct Session;

// The controls' names and descriptions, once, when the window is built.
void NameControls(Form1& form);

// The palace labels' and marks' names for the chart in `session`.
void NameBoard(PalaceBoard& board, const Session& session);

// The spoken summary of the palace of branch index b.
QString PalaceSummary(const PalaceBoard& board, const Session& session, int b);

}  // namespace velmora
