#include "ui/common/ToolWindowToggle.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

namespace velmora {

ToolWindowToggle::ToolWindowToggle(QWidget& window, QAction& action, const QWidget& main)
    : QObject(&action), window_(window), action_(action), main_(main) {
    window.installEventFilter(this);
    connect(&action, &QAction::toggled, this, &ToolWindowToggle::toggled);
}

ToolWindowToggle::ToolWindowToggle(QWidget& window, QAction& action, const QWidget& main,
                                   const ToolWindowPlaceKey& place)
    : ToolWindowToggle(window, action, main) {
    settings_ = &place.settings;
    key_ = place.key;
    side_ = place.side;
}

// Placed before it is shown: the window manager takes the first place it is given.
void ToolWindowToggle::toggled(bool on) {
    if (on && !window_.isVisible() && settings_ != nullptr) PlaceToolWindow(window_, main_, **settings_, key_, side_);
    window_.setVisible(on);
}

// Closing the window by its frame unticks the action; where the user put it is kept.
bool ToolWindowToggle::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Hide) {
        if (settings_ != nullptr) RememberToolWindow(window_, **settings_, key_);
        action_.setChecked(false);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora
