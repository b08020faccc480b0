#include "ui/common/ShownScript.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTreeWidget>
#include <QVariant>

#include <functional>

#include "script/ChineseConverter.h"

namespace velmora {

namespace {
// The property a caption's Traditional form and the form last shown are kept
// in, one pair per caption slot ("title", "text", "placeholder", "tooltip", ...).
QByteArray OriginalKey(const char* slot) { return QByteArray("velmoraTraditional_") + slot; }
QByteArray ShownKey(const char* slot) { return QByteArray("velmoraShown_") + slot; }

using Convert = std::function<QString(const QString&)>;

// Re-shows one caption of `object`. A caption the program changed since the
// last walk (it is not what the walk showed) is taken as the new original.
template <typename Get, typename Set>
void ShowCaption(QObject* object, const char* slot, const Convert& convert, Get get, Set set) {
    const QString current = get();
    if (current.isEmpty() && !object->property(OriginalKey(slot)).isValid()) {
        return;
    }
    QString original = object->property(OriginalKey(slot)).toString();
    if (current != object->property(ShownKey(slot)).toString()) {
        original = current;
    }
    const QString shown = convert(original);
    object->setProperty(OriginalKey(slot), original);
    object->setProperty(ShownKey(slot), shown);
    if (shown != current) {
        set(shown);
    }
}

// Item captions live in the item, not in a QObject: the originals are kept
// in the item's own data under a role of ours.
constexpr int kOriginalRole = Qt::UserRole + 0x5c;
constexpr int kShownRole = Qt::UserRole + 0x5d;

// One row's caption: `kept(role)` reads what is kept beside it, `keep(role,
// text)` keeps a text, `set` shows one. As ShowCaption, for item data.
template <typename Kept, typename Keep, typename Set>
void ShowRow(const QString& current, Kept kept, Keep keep, Set set, const Convert& convert) {
    const QString original = current != kept(kShownRole) ? current : kept(kOriginalRole);
    const QString shown = convert(original);
    keep(kOriginalRole, original);
    keep(kShownRole, shown);
    if (shown != current) {
        set(shown);
    }
}

void ShowItemText(QTreeWidgetItem* item, int column, const Convert& convert) {
    ShowRow(
        item->text(column), [&](int role) { return item->data(column, role).toString(); },
        [&](int role, const QString& text) { item->setData(column, role, text); },
        [&](const QString& text) { item->setText(column, text); }, convert);
}

void ShowAction(QAction* action, const Convert& convert) {
    ShowCaption(action, "text", convert, [action] { return action->text(); },
                [action](const QString& t) { action->setText(t); });
    ShowCaption(action, "tooltip", convert, [action] { return action->toolTip(); },
                [action](const QString& t) { action->setToolTip(t); });
    if (QMenu* menu = action->menu()) {
        for (QAction* inner : menu->actions()) {
            ShowAction(inner, convert);
        }
    }
}

void ShowComboRows(QComboBox* combo, const Convert& convert) {
    if (combo->isEditable()) {
        return;  // typed text, or rows the user's own entries fill
    }
    for (int i = 0; i < combo->count(); ++i) {
        ShowRow(
            combo->itemText(i), [&](int role) { return combo->itemData(i, role).toString(); },
            [&](int role, const QString& text) { combo->setItemData(i, text, role); },
            [&](const QString& text) { combo->setItemText(i, text); }, convert);
    }
    ShowCaption(combo, "placeholder", convert, [combo] { return combo->placeholderText(); },
                [combo](const QString& t) { combo->setPlaceholderText(t); });
}

void ShowListRows(QListWidget* list, const Convert& convert) {
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        ShowRow(
            item->text(), [&](int role) { return item->data(role).toString(); },
            [&](int role, const QString& text) { item->setData(role, text); },
            [&](const QString& text) { item->setText(text); }, convert);
    }
}

constexpr char kUserTextColumnProperty[] = "velmoraUserTextColumn";

void ShowTreeRows(QTreeWidget* tree, const Convert& convert) {
    const QVariantList userColumns = tree->property(kUserTextColumnProperty).toList();
    QTreeWidgetItem* header = tree->headerItem();
    for (int c = 0; header != nullptr && c < header->columnCount(); ++c) {
        ShowItemText(header, c, convert);
    }
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        for (int c = 0; c < (*it)->columnCount(); ++c) {
            if (userColumns.contains(QVariant(c))) {
                continue;
            }
            ShowItemText(*it, c, convert);
        }
    }
}

// Texts kept converted: every fixed word many times over, a few hundred
// charts' worth of lines besides.
constexpr qsizetype kMostKeptTexts = 8192;

constexpr char kUserTextProperty[] = "velmoraUserText";

void ShowWidget(QWidget* widget, const Convert& convert) {
    if (widget->property(kUserTextProperty).toBool()) {
        return;
    }
    ShowCaption(widget, "title", convert, [widget] { return widget->windowTitle(); },
                [widget](const QString& t) { widget->setWindowTitle(t); });
    ShowCaption(widget, "tooltip", convert, [widget] { return widget->toolTip(); },
                [widget](const QString& t) { widget->setToolTip(t); });
    ShowCaption(widget, "accessible", convert, [widget] { return widget->accessibleName(); },
                [widget](const QString& t) { widget->setAccessibleName(t); });
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        ShowCaption(label, "text", convert, [label] { return label->text(); },
                    [label](const QString& t) { label->setText(t); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        ShowCaption(button, "text", convert, [button] { return button->text(); },
                    [button](const QString& t) { button->setText(t); });
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        ShowCaption(group, "text", convert, [group] { return group->title(); },
                    [group](const QString& t) { group->setTitle(t); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        ShowCaption(edit, "placeholder", convert, [edit] { return edit->placeholderText(); },
                    [edit](const QString& t) { edit->setPlaceholderText(t); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        ShowComboRows(combo, convert);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        ShowListRows(list, convert);
    } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
        ShowTreeRows(tree, convert);
    }
    for (QAction* action : widget->actions()) {
        ShowAction(action, convert);
    }
}
}  // namespace

void MarkUserTextColumn(QWidget* tree, int column) {
    QVariantList columns = tree->property(kUserTextColumnProperty).toList();
    columns.append(column);
    tree->setProperty(kUserTextColumnProperty, columns);
}

void MarkAsUserText(QWidget* widget) { widget->setProperty(kUserTextProperty, true); }

const ShownScript& TraditionalScript() {
    static const ShownScript traditional;
    return traditional;
}

QString SimplifiedText(const QString& traditional) {
    const std::string converted = ChineseConverter::TraditionalToSimplified().convert(traditional.toStdString());
    return QString::fromStdString(converted);
}

QString TraditionalText(const QString& simplified) {
    const std::string converted = ChineseConverter::SimplifiedToTraditional().convert(simplified.toStdString());
    return QString::fromStdString(converted);
}

QString ShownScript::text(const QString& traditional) const {
    if (script_ == Script::Traditional || traditional.isEmpty()) {
        return traditional;
    }
    auto found = simplified_.constFind(traditional);
    if (found == simplified_.constEnd()) {
        // A text shown already (a caption set through text() and walked again)
        // stays: the Taiwan phrases would rewrite a mainland word (程序 → 进程).
        if (shownForms_.contains(traditional)) {
            return traditional;
        }
        if (simplified_.size() >= kMostKeptTexts) {
            simplified_.clear();  // lines of past charts; the words come back at once
            shownForms_.clear();
        }
        found = simplified_.insert(traditional, SimplifiedText(traditional));
        shownForms_.insert(*found);
    }
    return *found;
}

QString ShownScript::traditional(const QString& typed) const {
    return script_ == Script::Simplified ? TraditionalText(typed) : typed;
}

void ShownScript::applyTo(QWidget* root) const {
    if (root == nullptr || !everSimplified_) {
        return;  // nothing has ever been shown in another script
    }
    const Convert convert = [this](const QString& original) { return text(original); };
    ShowWidget(root, convert);
    for (QWidget* child : root->findChildren<QWidget*>()) {
        ShowWidget(child, convert);
    }
}

}  // namespace velmora
