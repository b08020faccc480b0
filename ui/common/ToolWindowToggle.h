#pragma once
// A tool window beside the main window that a checkable action (a menu item
// and its shortcut) shows and hides. Ticking the action opens the window,
// placed where the user last left it or else beside the main window;
// closing it by its frame unticks the action and keeps where it was. A
// window given no place key opens where it was last and keeps nothing.
//
// The toggle's own handling runs before any the owner connects to the
// action afterwards, so those find the window already shown or hidden.

#include <QObject>

#include <memory>

#include "ui/common/ToolWindowPlace.h"

class QAction;
class QWidget;

namespace velmora {

class Settings;

// Where a tool window opens: the settings it is kept in (read at each use,
// so a store handed in later counts), its key there, and the side of the
// main window it is tried on first.
struct ToolWindowPlaceKey {
    const std::shared_ptr<Settings>& settings;
    const char* key;
    Side side = Side::Right;
};

class ToolWindowToggle : public QObject {
public:
    // `window` and `action` belong to the owner and outlive the toggle, which
    // is parented to `action`. `main` is the window it is placed beside.
    ToolWindowToggle(QWidget& window, QAction& action, const QWidget& main);
    ToolWindowToggle(QWidget& window, QAction& action, const QWidget& main, const ToolWindowPlaceKey& place);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toggled(bool on);

    QWidget& window_;
    QAction& action_;
    const QWidget& main_;
    const std::shared_ptr<Settings>* settings_ = nullptr;  // null: no place kept
    const char* key_ = nullptr;
    Side side_ = Side::Right;
};

}  // namespace velmora
