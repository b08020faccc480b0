// Every entry of every drop-down, list and tree in every window fits its row:
// its whole text inside the row, the rows apart, and a closed drop-down wide
// enough for any of its entries; a line edit's prompt fits the edit. Run at
// 100 % and, by a second run with QT_SCALE_FACTOR=2, at 200 %; in both scripts.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTreeWidget>

#include "tests/ui/MainWindowFixture.h"
#include "ui/common/ShownScript.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/schools/SchoolCommands.h"
#include "ui/schools/SchoolDialog.h"
#include "ui/chartio/ScriptCommand.h"

namespace velmora::testing {
namespace {

// The font a row is painted in: its own, else the one its view gives its
// rows (a drop-down's list paints in the drop-down's font).
QFontMetrics RowMetrics(const QModelIndex& index, const QFont& rowsFont) {
    const QVariant font = index.data(Qt::FontRole);
    return QFontMetrics(font.isValid() ? font.value<QFont>() : rowsFont);
}

// The faults of one view's rows: a text wider than the row's visible part,
// a row without a pixel clear above and below its glyphs, a row over the one before.
QStringList RowFaults(QAbstractItemView& view, int column, const QFont& rowsFont) {
    QStringList faults;
    const QAbstractItemModel& model = *view.model();
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const auto* list = qobject_cast<const QListView*>(&view);
    const bool wraps = list != nullptr && list->wordWrap();
    constexpr int kTall = 1 << 20;  // room enough below for any wrapped text
    QRect above;
    for (int row = 0; row < model.rowCount(view.rootIndex()); ++row) {
        const QModelIndex index = model.index(row, column, view.rootIndex());
        const QRect rect = view.visualRect(index);
        if (!rect.isValid()) continue;  // a hidden row
        const QString text = index.data().toString();
        const QFontMetrics metrics = RowMetrics(index, rowsFont);
        const int width = metrics.horizontalAdvance(text) + 2 * margin;
        const int room = std::min(rect.right(), view.viewport()->width() - 1) - rect.left() + 1;
        const int ink = metrics.boundingRect(text).height();
        if (wraps) {  // a wrapped row must be as tall as all its lines
            const int lines = metrics.boundingRect(QRect(0, 0, room - 2 * margin, kTall), Qt::TextWordWrap, text).height();
            if (lines + 2 > rect.height())
                faults << QStringLiteral("wrapped too low: %1 %2 > %3").arg(text).arg(lines + 2).arg(rect.height());
        } else if (width > room) {
            faults << QStringLiteral("too narrow: %1 %2 > %3").arg(text).arg(width).arg(room);
        }
        if (ink + 2 > rect.height())
            faults << QStringLiteral("too low: %1 %2 > %3").arg(text).arg(ink + 2).arg(rect.height());
        if (above.isValid() && rect.top() <= above.bottom()) faults << QStringLiteral("over the row above: ") + text;
        above = rect;
    }
    return faults;
}

// The closed drop-down must show any entry whole, and so must its open list.
QStringList ComboFaults(QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    const int field =
        combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
    QStringList faults;
    for (int row = 0; row < combo.count(); ++row) {
        if (combo.fontMetrics().horizontalAdvance(combo.itemText(row)) > field)
            faults << QStringLiteral("closed box too narrow: ") + combo.itemText(row);
    }
    combo.showPopup();
    QApplication::processEvents();
    faults << RowFaults(*combo.view(), combo.modelColumn(), combo.font());
    combo.hidePopup();
    return faults;
}

QStringList WindowFaults(QWidget& window) {
    QStringList faults;
    const auto where = [](const QWidget* widget, const QStringList& found) {
        QStringList named;
        for (const QString& fault : found) named << widget->objectName() + QStringLiteral(": ") + fault;
        return named;
    };
    for (QComboBox* combo : window.findChildren<QComboBox*>())
        if (combo->isVisible() && combo->window() == &window) faults << where(combo, ComboFaults(*combo));
    for (QListWidget* list : window.findChildren<QListWidget*>())
        if (list->isVisible() && list->window() == &window) faults << where(list, RowFaults(*list, 0, list->font()));
    for (QTreeWidget* tree : window.findChildren<QTreeWidget*>())
        for (int column = 0; tree->isVisible() && tree->window() == &window && column < tree->columnCount(); ++column)
            faults << where(tree, RowFaults(*tree, column, tree->font()));
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (!edit->isVisible() || edit->window() != &window) continue;
        const int room = edit->contentsRect().width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const int prompt = edit->fontMetrics().horizontalAdvance(edit->placeholderText());
        if (prompt > room)
            faults << where(edit, {QStringLiteral("prompt cut: %1 %2 > %3")
                                       .arg(edit->placeholderText()).arg(prompt).arg(room)});
    }
    return faults;
}

class RowsFitTest : public MainWindowTest {
protected:
    // The main window with a chart by date and a palace picked, then every
    // window it opens: those of the board's menu, the records and the editors.
    void openEveryWindow() {
        QFile places(QStringLiteral(VELMORA_DATA_DIR "/places/Places"));  // the place box's full prompt
        ASSERT_TRUE(places.open(QIODevice::ReadOnly));
        folder_.write(QStringLiteral("Places"), places.readAll());
        start();
        ChartByDate(*form, QDate(2020, 6, 10), 7);  // lunar 2020 holds 閏四月
        form->palaceClicked(5);
        for (const char* command : {"流派比較", "飛化列表", "運限", "時辰未定…", "跳至日期…"})
            for (QAction* entry : form->chartCommands().menu()->actions())
                if (entry->text() == QString::fromUtf8(command)) entry->trigger();
        form->setSecondaryWindows(DefaultSecondaryWindows());
        form->openRecordList();
        form->openTransformationEditor();
        form->openBrightnessEditor();
        QApplication::processEvents();
    }
};

TEST_F(RowsFitTest, EveryEntryOfEveryWindowFitsItsRowInBothScripts) {
    openEveryWindow();
    for (const Script script : {Script::Traditional, Script::Simplified}) {
        form->scriptCommand().setScript(script);
        QApplication::processEvents();
        int windows = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || qobject_cast<QMenu*>(window) != nullptr) continue;
            ++windows;
            for (const QString& fault : WindowFaults(*window))
                ADD_FAILURE() << window->metaObject()->className() << " " << fault.toStdString();
        }
        form->schools().setDialogRunner([](SchoolDialog& dialog) {  // modal: looked at while open
            dialog.show();
            for (const QString& fault : WindowFaults(dialog)) ADD_FAILURE() << "SchoolDialog " << fault.toStdString();
            return int{QDialog::Rejected};
        });
        form->schools().openDialog();
        EXPECT_GE(windows, 6) << "the main window, the records, the editors and the board's windows";
    }
}

}  // namespace
}  // namespace velmora::testing
