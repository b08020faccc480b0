#include "ui/common/DropDownRows.h"

#include <QComboBox>

namespace velmora {

// Styles that open a combo's list as a menu over the combo (Fusion among
// them) size it to the screen and ignore the row count; the plain drop-down
// list below the combo honours it, so the combo is asked for that one.
void SetDropDownRows(QComboBox& combo, int rows) {
    static const QString kListBelow = QStringLiteral("QComboBox { combobox-popup: 0; }");
    if (combo.styleSheet() != kListBelow) {
        combo.setStyleSheet(kListBelow);
    }
    combo.setMaxVisibleItems(rows);
}

}  // namespace velmora
