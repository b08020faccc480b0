#include "ui/common/SecondaryWindow.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace velmora {

void CentreOn(QWidget* window, const QWidget* owner) {
    const QRect ownerFrame = owner->frameGeometry();
    QRect placed(QPoint(0, 0), window->size());
    placed.moveCenter(ownerFrame.center());
    window->move(placed.topLeft());
}

void ShowSecondaryWindow(QWidget* window, QWidget* owner) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> guardedOwner(owner);
    QObject::connect(window, &QObject::destroyed, owner, [guardedOwner] {
        if (guardedOwner) {
            guardedOwner->setEnabled(true);
        }
    });
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
