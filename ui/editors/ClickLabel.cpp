#include "ui/editors/ClickLabel.h"

#include <QMouseEvent>

namespace velmora {

// The press is taken so that the release comes back to this label.
void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

// A click ends with the button released over the label, as a button's does.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace velmora
