#pragma once
// Rows of drop-downs and lists that hold their text whole: how many entries a
// combo's open list shows at once, and rows a little higher than their glyphs.

class QAbstractItemView;
class QComboBox;

namespace velmora {

// Makes the open list of `combo` show `rows` entries before it scrolls, with
// spaced rows (below), as wide as its longest entry.
void SetDropDownRows(QComboBox& combo, int rows);

// Rows with a clear gap above and below their glyphs. A row is otherwise one
// line of its font's first family high, while Chinese text is often drawn from
// a fallback family with taller glyphs, which then touch or cross the next row.
void SpaceRows(QComboBox& combo);
void SpaceRows(QAbstractItemView& view);

}  // namespace velmora
