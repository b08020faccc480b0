#include "tests/ui/monkey/Monkey.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <array>

#include "ui/common/ArrowSpinner.h"
#include "ui/editors/EditorWindow.h"

namespace velmora::testing {

namespace {

constexpr int kLongNameLength = 2000;
constexpr int kMaxTypedLength = 12;

// Event kinds and their weights out of 100.
enum class Kind { Click, Label, Step, Pick, Type, Row, Escape, Close, Record };
struct Weighted {
    Kind kind;
    int weight;
};
constexpr std::array<Weighted, 9> kKinds = {{
    {Kind::Click, 28}, {Kind::Label, 14}, {Kind::Step, 12}, {Kind::Pick, 15}, {Kind::Type, 11},
    {Kind::Row, 8},    {Kind::Escape, 4}, {Kind::Close, 4}, {Kind::Record, 4},
}};

// Pieces of typed text: plain and Big5 names, a TAB, characters Big5 has no
// code for (an emoji, a Latin letter with an accent, a CJK extension letter).
const std::array<QString, 9> kPieces = {
    QStringLiteral("Ann"),   QStringLiteral("張三"), QStringLiteral("\t"),
    QStringLiteral("😀"),    QStringLiteral("é"),   QString::fromUtf8("\xF0\xA0\x80\x80"),
    QStringLiteral(" "),     QStringLiteral("1984"), QStringLiteral("\u3000"),
};

QString Name(const QWidget* widget) {
    const QString name = widget->objectName();
    return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

}  // namespace

template <typename T>
std::vector<T*> Monkey::usable(QWidget* window) const {
    std::vector<T*> found;
    for (T* widget : window->findChildren<T*>()) {
        // The secondary windows are child windows of the main window: their controls are theirs.
        if (widget->window() == window && widget->isVisible() && widget->isEnabled()) found.push_back(widget);
    }
    return found;
}

QString Monkey::act(const std::vector<QWidget*>& windows) {
    released_ = nullptr;
    boxes_.defaultAnswer = chance(50);  // any close question is answered OK or Cancel
    QWidget* window = windows[static_cast<std::size_t>(below(static_cast<int>(windows.size())))];
    int roll = below(100);
    Kind kind = Kind::Click;
    for (const Weighted& entry : kKinds) {
        if (roll < entry.weight) {
            kind = entry.kind;
            break;
        }
        roll -= entry.weight;
    }
    const QString where = Name(window) + QLatin1Char(' ');
    switch (kind) {
        case Kind::Click: return where + click(window);
        case Kind::Label: return where + clickLabel(window);
        case Kind::Step: return where + step(window);
        case Kind::Pick: return where + pick(window);
        case Kind::Type: return where + type(window);
        case Kind::Row: return where + clickRow(window);
        case Kind::Escape: return where + escape(window);
        case Kind::Close: return where + close(window);
        case Kind::Record: return where + enterRecord(window);
    }
    return where;
}

QString Monkey::click(QWidget* window) {
    const auto buttons = usable<QAbstractButton>(window);
    if (buttons.empty()) return QStringLiteral("no button");
    QAbstractButton* button = buttons[static_cast<std::size_t>(below(static_cast<int>(buttons.size())))];
    const QString what = QStringLiteral("click %1 (answer %2)").arg(Name(button)).arg(boxes_.defaultAnswer);
    const bool editorSave =
        qobject_cast<EditorWindow*>(window) != nullptr && button->objectName() == QLatin1String("Command1");
    const QPointer<QWidget> clicked(window);
    QTest::mouseClick(button, Qt::LeftButton);
    // An editor's save gives the main window back; an editor still open after
    // it (nothing to save, or the user kept another window's change) stays so.
    if (editorSave && clicked && clicked->isVisible()) released_ = window;
    return what;
}

QString Monkey::clickLabel(QWidget* window) {
    const auto labels = usable<QLabel>(window);
    if (labels.empty()) return QStringLiteral("no label");
    QLabel* label = labels[static_cast<std::size_t>(below(static_cast<int>(labels.size())))];
    const QString what = QStringLiteral("click label %1").arg(Name(label));
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
    return what;
}

QString Monkey::step(QWidget* window) {
    const auto spinners = usable<ArrowSpinner>(window);
    if (spinners.empty()) return QStringLiteral("no spinner");
    ArrowSpinner* spinner = spinners[static_cast<std::size_t>(below(static_cast<int>(spinners.size())))];
    const bool up = chance(50);
    const int times = 1 + below(3);
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(spinner, Qt::LeftButton, Qt::NoModifier,
                          QPoint(spinner->width() / 2, up ? 2 : spinner->height() - 3));
    }
    return QStringLiteral("step %1 %2 x%3").arg(Name(spinner), up ? QStringLiteral("up") : QStringLiteral("down")).arg(times);
}

QString Monkey::pick(QWidget* window) {
    const auto combos = usable<QComboBox>(window);
    if (combos.empty()) return QStringLiteral("no combo");
    QComboBox* combo = combos[static_cast<std::size_t>(below(static_cast<int>(combos.size())))];
    if (combo->count() == 0) return QStringLiteral("empty combo %1").arg(Name(combo));
    const int index = below(combo->count());
    const QString what = QStringLiteral("pick %1 #%2").arg(Name(combo)).arg(index);
    // As the open list does: the entry becomes current, then it is reported picked.
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return what;
}

QString Monkey::someText() {
    if (chance(5)) return QString(kLongNameLength, QChar(0x5F35));  // 張 × 2000
    QString text;
    const int pieces = 1 + below(kMaxTypedLength / 3);
    for (int i = 0; i < pieces; ++i) text += kPieces[static_cast<std::size_t>(below(static_cast<int>(kPieces.size())))];
    return text;
}

QString Monkey::type(QWidget* window) {
    const auto edits = usable<QLineEdit>(window);
    if (edits.empty()) return QStringLiteral("no text box");
    QLineEdit* edit = edits[static_cast<std::size_t>(below(static_cast<int>(edits.size())))];
    const QString text = someText();
    // Typed as the user's own edit: the text goes in whole (a TAB too, as a
    // paste would bring it), then one key is typed and taken back.
    edit->setFocus();
    edit->setText(chance(50) ? text : edit->text() + text);
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_Backspace);
    return QStringLiteral("type %1 chars into %2").arg(text.size()).arg(Name(edit));
}

QString Monkey::clickRow(QWidget* window) {
    const auto lists = usable<QTreeWidget>(window);
    if (lists.empty() || lists.front()->topLevelItemCount() == 0) return QStringLiteral("no row");
    QTreeWidget* list = lists.front();
    const int row = below(list->topLevelItemCount());
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
    return QStringLiteral("click row %1").arg(row);
}

QString Monkey::enterRecord(QWidget* window) {
    const auto edits = usable<QLineEdit>(window);
    const auto buttons = usable<QAbstractButton>(window);
    if (window->objectName() != QLatin1String("Form2") || edits.empty()) return QStringLiteral("no record to enter");
    edits.front()->setText(chance(80) ? QStringLiteral("王%1").arg(below(1000)) : someText());
    // Year, month, day and period in turn, each enabling the next.
    for (int combo = 0; combo < 4; ++combo) {
        auto* box = window->findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(combo));
        if (box == nullptr || !box->isEnabled() || box->count() == 0) break;
        const int index = below(box->count());
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    const QString command = chance(70) ? QStringLiteral("Command1") : QStringLiteral("Command2");
    for (QAbstractButton* button : buttons) {
        if (button->objectName() == command) QTest::mouseClick(button, Qt::LeftButton);
    }
    return QStringLiteral("enter a record, press %1").arg(command);
}

QString Monkey::escape(QWidget* window) {
    QTest::keyClick(window, Qt::Key_Escape);
    return QStringLiteral("Escape (answer %1)").arg(boxes_.defaultAnswer);
}

QString Monkey::close(QWidget* window) {
    if (window->objectName() == QLatin1String("Form1")) return QStringLiteral("main window kept open");
    window->close();
    return QStringLiteral("close (answer %1)").arg(boxes_.defaultAnswer);
}

}  // namespace velmora::testing
