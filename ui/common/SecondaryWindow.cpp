#include "ui/common/SecondaryWindow.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace velmora {

namespace {

// The secondary windows that hold each owner disabled.
QHash<const QWidget*, QList<QPointer<QWidget>>>& Holders() {
    static QHash<const QWidget*, QList<QPointer<QWidget>>> holders;
    return holders;
}

void Hold(QWidget* window, QWidget* owner) {
    auto& holders = Holders();
    if (!holders.contains(owner)) {
        QObject::connect(owner, &QObject::destroyed, [owner] { Holders().remove(owner); });
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

void ShowSecondaryWindow(QWidget* window, QWidget* owner) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    Hold(window, owner);
    QObject::connect(window, &QObject::destroyed, owner, [window, owner] { ReleaseOwner(window, owner); });
    // Native windows are created here, even before the owner is first shown,
    // so the new window can be made the owner's transient.
    owner->window()->winId();
    window->winId();
    if (owner->window()->windowHandle() != nullptr && window->windowHandle() != nullptr) {
        window->windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    CentreOn(window, owner);
    owner->setEnabled(false);
    window->show();
    window->activateWindow();
}

}  // namespace velmora
