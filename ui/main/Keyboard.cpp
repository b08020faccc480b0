#include "ui/main/Keyboard.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>
#include <functional>
#include <vector>

#include "chart/NatalChart.h"
#include "ui/session/DateInputs.h"
#include "ui/main/Form1.h"
#include "ui/main/JumpToDateDialog.h"
#include "ui/board/PalaceBoard.h"

namespace velmora {

namespace {

constexpr int kLayerCount = 7;     // Option2_0 .. Option2_6
constexpr int kTopButtons = 3;     // Command1 .. Command3

QAbstractButton* Button(Form1& form, const QString& name) { return form.findChild<QAbstractButton*>(name); }

// A key of the window that clicks a control, so the control's own state rules.
void AddKey(Form1& form, const QKeySequence& key, const std::function<void()>& command) {
    auto* action = new QAction(&form);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    form.addAction(action);
    QObject::connect(action, &QAction::triggered, &form, command);
}

void ClickIfPresent(QAbstractButton* button) {
    if (button != nullptr) {
        button->click();
    }
}

// Tab and Shift+Tab walk the stops in order, skipping stops that are
// disabled and radio buttons that are not checked: a group of radio buttons
// is one stop, at its checked button, and the arrow keys move within it
// (choosing as they move). Walking is done here because the toolkit's own
// walk leaves out a radio group that follows another.
class TabWalk : public QObject {
public:
    TabWalk(Form1& form, std::vector<QWidget*> stops) : QObject(&form), stops_(std::move(stops)) {
        for (QWidget* stop : stops_) {
            stop->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool forward = key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
        const bool back = key->key() == Qt::Key_Backtab ||
                          (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ShiftModifier);
        if (!forward && !back) {
            return false;
        }
        const auto at = std::find(stops_.begin(), stops_.end(), watched);
        return at != stops_.end() && moveFrom(static_cast<std::size_t>(at - stops_.begin()), forward);
    }

private:
    static bool isStop(const QWidget* widget) {
        const auto* radio = qobject_cast<const QRadioButton*>(widget);
        return widget->isEnabled() && widget->isVisible() && (radio == nullptr || radio->isChecked());
    }

    bool moveFrom(std::size_t index, bool forward) {
        const std::size_t count = stops_.size();
        for (std::size_t step = 1; step < count; ++step) {
            QWidget* next = stops_[(forward ? index + step : index + count - step) % count];
            if (isStop(next)) {
                next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return false;
    }

    std::vector<QWidget*> stops_;
};

void SetTabOrder(Form1& form) {
    std::vector<QWidget*> order;
    for (int i = 1; i <= kTopButtons; ++i) {
        order.push_back(Button(form, QStringLiteral("Command%1").arg(i)));
    }
    for (int i = 0; i < kLayerCount; ++i) {
        order.push_back(Button(form, QStringLiteral("Option2_%1").arg(i)));
    }
    order.push_back(Button(form, QStringLiteral("Option1_0")));
    order.push_back(Button(form, QStringLiteral("Option1_1")));
    for (int part = 0; part < DateInputs::kPartCount; ++part) {
        order.push_back(form.findChild<QWidget*>(QStringLiteral("VScroll1_%1").arg(part)));
    }
    order.push_back(Button(form, QStringLiteral("Command4")));
    order.push_back(&form.board());
    std::erase(order, nullptr);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    new TabWalk(form, std::move(order));
}

// The arrow keys and Escape on the focused board.
class BoardKeys : public QObject {
public:
    explicit BoardKeys(Form1& form) : QObject(&form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier) {
            return false;
        }
        switch (key->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down: return step(1);
        case Qt::Key_Left:
        case Qt::Key_Up: return step(-1);
        case Qt::Key_Escape: return endSelection();
        default: return false;
        }
    }

private:
    // From the selected palace, or from the life palace when none is selected.
    bool step(int direction) {
        if (!form_.chartShown()) {
            return false;
        }
        const int shown = form_.selectedPalaceShown();
        const int life = ReduceBranch(form_.session().chart.PalaceTable[1].branch) - 1;
        const int next = shown < 0 ? life : (shown + direction + kBranches) % kBranches;
        form_.palaceClicked(next);
        return true;
    }

    bool endSelection() {
        const int shown = form_.selectedPalaceShown();
        if (shown < 0) {
            return false;
        }
        form_.palaceClicked(shown);  // a second click on the selected palace ends the selection
        return true;
    }

    Form1& form_;
};

// Escape that reaches the window (no control of it took the key) closes it.
class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || (key->modifiers() & ~Qt::KeypadModifier)) {
            return false;
        }
        window_->close();
        return true;
    }

private:
    QWidget* window_;
};

}  // namespace

void InstallMainWindowKeys(Form1& form) {
    for (int i = 0; i < kLayerCount; ++i) {
        AddKey(form, QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)),
               [&form, i] { ClickIfPresent(Button(form, QStringLiteral("Option2_%1").arg(i))); });
    }
    AddKey(form, QKeySequence(Qt::CTRL | Qt::Key_N),
           [&form] { ClickIfPresent(Button(form, QStringLiteral("Command4"))); });
    AddKey(form, QKeySequence(Qt::CTRL | Qt::Key_R), [&form] {
        QAbstractButton* records = Button(form, QStringLiteral("Command1"));
        QAbstractButton* recordsMode = Button(form, QStringLiteral("Option1_0"));
        ClickIfPresent(records != nullptr && records->isEnabled() ? records : recordsMode);
    });
    InstallDateJump(form);
    SetTabOrder(form);
    form.board().setFocusPolicy(Qt::StrongFocus);
    form.board().installEventFilter(new BoardKeys(form));
}

QWidget* CloseOnEscape(QWidget* window) {
    if (window != nullptr) {
        window->installEventFilter(new EscapeCloses(window));
    }
    return window;
}

}  // namespace velmora
