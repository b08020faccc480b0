#include "ui/common/ArrowSpinner.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWheelEvent>

namespace velmora {

namespace {
constexpr int kRepeatDelayMs = 400;     // before a held arrow starts repeating
constexpr int kRepeatIntervalMs = 90;   // between repeated steps
constexpr int kWheelStepAngle = 120;    // one notch of a standard wheel, in eighths of a degree
}  // namespace

ArrowSpinner::ArrowSpinner(QWidget* parent) : QAbstractSlider(parent) {
    setOrientation(Qt::Vertical);
    setFocusPolicy(Qt::StrongFocus);
    setSingleStep(1);
    setPageStep(1);
}

QSize ArrowSpinner::sizeHint() const { return {33, 25}; }

void ArrowSpinner::stepBy(int steps) { setValue(value() + steps * singleStep()); }

void ArrowSpinner::setZoom(double factor) {
    zoom_ = factor;
    update();
}

QRect ArrowSpinner::partRect(Part part) const {
    const int half = height() / 2;
    if (part == Part::Up) {
        return {0, 0, width(), half};
    }
    return {0, half, width(), height() - half};
}

ArrowSpinner::Part ArrowSpinner::partAt(const QPoint& position) const {
    if (!rect().contains(position)) {
        return Part::None;
    }
    return position.y() < height() / 2 ? Part::Up : Part::Down;
}

void ArrowSpinner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (Part part : {Part::Up, Part::Down}) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = partRect(part);
        const bool atLimit = part == Part::Up ? value() >= maximum() : value() <= minimum();
        if (pressed_ == part) {
            option.state |= QStyle::State_Sunken;
        }
        if (atLimit || !isEnabled()) {
            option.state &= ~QStyle::State_Enabled;
        }
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
        drawArrow(part, option, painter);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// The style draws an arrow no larger than at 100 %, whatever its room: at a
// zoom it is drawn at 100 % in a painter scaled by the zoom.
void ArrowSpinner::drawArrow(Part part, QStyleOption& option, QPainter& painter) const {
    const QRectF room = QRectF(option.rect.adjusted(3, 2, -3, -2));
    painter.save();
    painter.translate(room.topLeft());
    painter.scale(zoom_, zoom_);
    option.rect = QRectF(QPointF(0, 0), room.size() / zoom_).toRect();
    const auto arrow = part == Part::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown;
    style()->drawPrimitive(arrow, &option, &painter, this);
    painter.restore();
}

void ArrowSpinner::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = partAt(event->position().toPoint());
    if (pressed_ == Part::None) {
        return;
    }
    const SliderAction action = pressed_ == Part::Up ? SliderSingleStepAdd : SliderSingleStepSub;
    triggerAction(action);
    setRepeatAction(action, kRepeatDelayMs, kRepeatIntervalMs);
    update();
}

void ArrowSpinner::mouseReleaseEvent(QMouseEvent*) {
    pressed_ = Part::None;
    setRepeatAction(SliderNoAction);
    update();
}

void ArrowSpinner::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_Down:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepSub);
        break;
    default:
        event->ignore();
        return;
    }
    update();
}

void ArrowSpinner::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelStepAngle;
    wheelRemainder_ -= notches * kWheelStepAngle;
    if (notches != 0) {
        stepBy(notches);
    }
    event->accept();
}

}  // namespace velmora
