#include "ui/common/DropDownRows.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace velmora {

namespace {

// A row one line of its font high lets the glyphs of one row touch those of
// the next (十一 十二 十三 read as one block). Each row gets a sixth of a
// line, at least two pixels, above and below, growing with the font when the
// window zooms. The line is the taller of the font's own and the row text's
// glyphs, which may come from a fallback family.
class SpacedRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int line = std::max(option.fontMetrics.height(),
                                  option.fontMetrics.boundingRect(index.data().toString()).height());
        const int gap = std::max(2, line / 6);
        size.setHeight(std::max(size.height(), line) + 2 * gap);
        return size;
    }
};

// The plain list below the combo is as wide as the combo and no wider (only
// the menu-like popup widens to its entries), so a combo narrower than its
// longest entry cut that entry off. The list is made wide enough for every
// entry and for its scroll bar.
void WidenListToEntries(QComboBox& combo) {
    QAbstractItemView& view = *combo.view();
    const int entries = view.sizeHintForColumn(combo.modelColumn());
    const int bar = view.verticalScrollBar()->sizeHint().width();
    view.setMinimumWidth(entries + bar + 2 * view.frameWidth());
}

}  // namespace

// Styles that open a combo's list as a menu over the combo (Fusion among
// them) size it to the screen and ignore the row count; the plain drop-down
// list below the combo honours it, so the combo is asked for that one.
// A combo in a layout grows to its longest entry whenever its entries change,
// so the closed box shows every entry whole ("閏五月", not "閏五").
void SetDropDownRows(QComboBox& combo, int rows) {
    static const QString kListBelow = QStringLiteral("QComboBox { combobox-popup: 0; }");
    if (combo.styleSheet() != kListBelow) {
        combo.setStyleSheet(kListBelow);
        SpaceRows(combo);
        combo.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    combo.setMaxVisibleItems(rows);
    WidenListToEntries(combo);
}

void SpaceRows(QComboBox& combo) { combo.setItemDelegate(new SpacedRows(&combo)); }

void SpaceRows(QAbstractItemView& view) { view.setItemDelegate(new SpacedRows(&view)); }

}  // namespace velmora
