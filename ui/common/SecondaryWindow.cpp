#include "ui/common/SecondaryWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace velmora {

namespace {

// The secondary windows that hold each owner disabled.
QHash<const QWidget*, QList<QPointer<QWidget>>>& Holders() {
    static QHash<const QWidget*, QList<QPointer<QWidget>>> holders;
    return holders;
}

// The newest visible window holding `owner`, or nullptr.
QWidget* NewestHolder(const QWidget* owner) {
    const QList<QPointer<QWidget>> holding = Holders().value(owner);
    for (auto it = holding.crbegin(); it != holding.crend(); ++it) {
        if (*it != nullptr && (*it)->isVisible()) {
            return *it;
        }
    }
    return nullptr;
}

// A click on a held owner (its controls are disabled) lets the window manager
// make the owner active, though the window holding it stays above it: the keys
// would go nowhere. The activation is handed on to the newest holder.
class PassActivation : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            const auto* owner = static_cast<const QWidget*>(watched);
            QWidget* holder = owner->isEnabled() ? nullptr : NewestHolder(owner);
            if (holder != nullptr && !holder->isActiveWindow()) {
                RaiseAndActivate(holder);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void Hold(QWidget* window, QWidget* owner) {
    auto& holders = Holders();
    if (!holders.contains(owner)) {
        QObject::connect(owner, &QObject::destroyed, [owner] { Holders().remove(owner); });
        owner->installEventFilter(new PassActivation(owner));
    }
    holders[owner].append(window);
}

}  // namespace

void ReleaseOwner(QWidget* window, QWidget* owner) {
    QList<QPointer<QWidget>>& holding = Holders()[owner];
    holding.removeAll(QPointer<QWidget>(window));
    holding.removeAll(nullptr);
    if (holding.isEmpty()) {
        owner->setEnabled(true);
    }
}

void CentreOn(QWidget* window, const QWidget* owner) {
    const QRect ownerFrame = owner->frameGeometry();
    QRect placed(QPoint(0, 0), window->size());
    placed.moveCenter(ownerFrame.center());
    window->move(placed.topLeft());
}

// A Qt::Window has no WM_TRANSIENT_FOR on X11, whatever its parent; a dialog has.
void MakeOwned(QWidget* window, QWidget* owner) {
    QWidget* ownerWindow = owner->window();
    const Qt::WindowFlags hints = window->windowFlags() & ~Qt::WindowType_Mask;
    if (window->parentWidget() != ownerWindow || window->windowType() != Qt::Dialog) {
        window->setParent(ownerWindow, Qt::Dialog | hints);
    }
}

void BringOnScreen(QWidget* window) {
    if (window->isVisible()) {
        return;
    }
    const QScreen* screen = window->screen();
    if (!window->testAttribute(Qt::WA_Moved) && screen != nullptr) {
        QRect placed(QPoint(0, 0), window->frameGeometry().size());
        placed.moveCenter(screen->availableGeometry().center());
        window->move(placed.topLeft());
    }
    window->show();
}

void RaiseAndActivate(QWidget* window) {
    // Without a window manager (the offscreen tests) there is no stacking to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        window->raise();
    }
    window->activateWindow();
}

void ShowSecondaryWindow(QWidget* window, QWidget* owner) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    Hold(window, owner);
    QObject::connect(window, &QObject::destroyed, owner, [window, owner] { ReleaseOwner(window, owner); });
    BringOnScreen(owner->window());
    MakeOwned(window, owner);
    CentreOn(window, owner->window());
    owner->setEnabled(false);
    // Disabling the owner disables its child windows too; this one is what the user works in now.
    window->setEnabled(true);
    window->show();
    RaiseAndActivate(window);
}

}  // namespace velmora
