#pragma once
// Lines and their captions kept off the board's text. A line that would run
// over a text box is drawn in pieces, broken where it passes under the text
// (with a little clearance), so the text reads whole and the line still
// visibly joins its two ends. A caption goes to the first place along its line
// where it covers no other text. All measures are the window's twips.

#include <QLineF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace velmora::board {

// Clear space kept between a text box and a line broken around it.
inline constexpr double kTextClearanceTwips = 30;

// The pieces of `line` outside every box of `keepOut` (each grown by the
// clearance), in order from the line's start; pieces shorter than a pixel are dropped.
std::vector<QLineF> LineAround(const QLineF& line, const std::vector<QRectF>& keepOut);

// True when `line` runs through the inside of `box`.
bool Crosses(const QLineF& line, const QRectF& box);

// A box of `size` beside `line`, as near its middle as it can stand without
// covering any box of `taken`; the box at the middle when no place is free.
QRectF CaptionPlace(const QLineF& line, const QSizeF& size, double offset, const std::vector<QRectF>& taken);

}  // namespace velmora::board
