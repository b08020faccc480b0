#pragma once
// Where a tool window beside the main window (運限, 飛化, 流派比較) opens:
// wholly inside the screen's available geometry, beside the main window where
// there is room, else over it. Once the user has moved it, it opens where they
// put it, pulled back onto a screen when the screens have changed since.

#include <QRect>

class QWidget;

namespace velmora {

class Settings;

// The side of the main window a tool window is tried on first.
enum class Side { Right, Below };

// Pixels between the main window's frame and a tool window's beside it.
inline constexpr int kToolWindowGap = 8;

// `frame` moved the least, and shrunk where it is larger, to lie wholly within `available`.
QRect PullInside(QRect frame, const QRect& available);

// The frame of a tool window of frame size `frame` beside `main` within
// `available`: on the `preferred` side, else the other sides in turn, else
// over `main` (on the preferred side pulled inside).
QRect PlaceBeside(QSize frame, const QRect& main, const QRect& available, Side preferred);

// Places `window` (sized, not shown) before it opens: at its place remembered
// under `key` when there is one, else beside `main`.
void PlaceToolWindow(QWidget& window, const QWidget& main, const Settings& settings, const char* key, Side side);

// Keeps where `window` is under `key` when the user has moved it from where it was placed.
void RememberToolWindow(const QWidget& window, Settings& settings, const char* key);

}  // namespace velmora
