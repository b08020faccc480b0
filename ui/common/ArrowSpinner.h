#pragma once
// A small integer spinner drawn as two stacked arrows. The upper arrow, the Up
// and PageUp keys and the wheel turned away from the user raise the value;
// the lower arrow, Down, PageDown and the wheel turned back lower it. Holding
// an arrow repeats the step. The value stays within the bounds; valueChanged
// reports every change.

#include <QAbstractSlider>

class QPainter;
class QStyleOption;

namespace velmora {

class ArrowSpinner : public QAbstractSlider {
    Q_OBJECT
public:
    explicit ArrowSpinner(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Steps by `steps` single steps (negative steps lower the value).
    void stepBy(int steps);
    // The window's zoom: the arrows are drawn that much larger, as its text is.
    void setZoom(double factor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Part { None, Up, Down };
    Part partAt(const QPoint& position) const;
    QRect partRect(Part part) const;
    void drawArrow(Part part, QStyleOption& option, QPainter& painter) const;

    Part pressed_ = Part::None;
    double zoom_ = 1.0;
    int wheelRemainder_ = 0;  // angle not yet stepped, for fine-grained wheels
};

}  // namespace velmora
