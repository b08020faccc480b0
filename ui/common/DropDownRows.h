#pragma once
// How many entries a combo's open list shows at once.

class QComboBox;

namespace velmora {

// Makes the open list of `combo` show `rows` entries before it scrolls.
void SetDropDownRows(QComboBox& combo, int rows);

}  // namespace velmora
