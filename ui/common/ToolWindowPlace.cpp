#include "ui/common/ToolWindowPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <array>

#include "ui/common/Settings.h"

namespace velmora {

namespace {

// The frame's top-left corner where it was placed, to tell the user's moves from ours.
constexpr char kPlacedAt[] = "velmoraPlacedAt";

// The frame `frame` beside `main` on one side, top or left edges aligned.
QRect Beside(QSize frame, const QRect& main, int side) {
    switch (side) {
    case 0: return {QPoint(main.right() + 1 + kToolWindowGap, main.top()), frame};    // right
    case 1: return {QPoint(main.left() - kToolWindowGap - frame.width(), main.top()), frame};  // left
    case 2: return {QPoint(main.left(), main.bottom() + 1 + kToolWindowGap), frame};  // below
    default: return {QPoint(main.left(), main.top() - kToolWindowGap - frame.height()), frame};  // above
    }
}

// The frame's margins around the client area: the window's own once it has
// been on screen, else the main window's (the same window manager draws both).
QMargins FrameMargins(const QWidget& window, const QWidget& main) {
    const QWidget& known = window.frameGeometry() != window.geometry() ? window : main;
    const QRect frame = known.frameGeometry();
    const QRect client = known.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QRect AvailableAround(const QRect& frame, const QWidget& main) {
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) screen = main.screen();
    return screen != nullptr ? screen->availableGeometry() : frame;
}

}  // namespace

QRect PullInside(QRect frame, const QRect& available) {
    frame.setWidth(std::min(frame.width(), available.width()));
    frame.setHeight(std::min(frame.height(), available.height()));
    frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() + 1 - frame.height()));
    return frame;
}

QRect PlaceBeside(QSize frame, const QRect& main, const QRect& available, Side preferred) {
    frame = frame.boundedTo(available.size());
    // Sides in the order tried: right, left, below, above; or below, above, right, left.
    const std::array<int, 4> order = preferred == Side::Right ? std::array{0, 1, 2, 3} : std::array{2, 3, 0, 1};
    for (const int side : order) {
        // Slid along the main window's edge into the screen, it must still clear the main window.
        const QRect placed = PullInside(Beside(frame, main, side), available);
        if (!placed.intersects(main)) return placed;
    }
    return PullInside(Beside(frame, main, order.front()), available);
}

void PlaceToolWindow(QWidget& window, const QWidget& main, const Settings& settings, const char* key, Side side) {
    const QMargins margins = FrameMargins(window, main);
    const QRect remembered = settings.value(key).toRect();
    QRect frame;
    if (remembered.isValid()) {
        frame = QRect(remembered.topLeft(), remembered.size().grownBy(margins));
        frame = PullInside(frame, AvailableAround(frame, main));
    } else {
        const QRect available = AvailableAround(main.frameGeometry(), main);
        frame = PlaceBeside(window.size().grownBy(margins), main.frameGeometry(), available, side);
    }
    window.resize(frame.size().shrunkBy(margins));
    window.move(frame.topLeft());
    window.setProperty(kPlacedAt, frame.topLeft());
}

void RememberToolWindow(const QWidget& window, Settings& settings, const char* key) {
    const QPoint placedAt = window.property(kPlacedAt).toPoint();
    if (window.pos() == placedAt && !settings.value(key).isValid()) return;  // where we put it: placed anew next time
    settings.setValue(key, QRect(window.pos(), window.size()));
}

}  // namespace velmora
