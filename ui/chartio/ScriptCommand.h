#pragma once
// "简体" (Ctrl+T and the board's menu): shows every text in Simplified or
// back in Traditional, kept in the user's settings. The files are never
// touched: the name list and the tables' words are converted as read, the
// board is filled again from them, and the captions of the main window and
// every window it has open are shown again. A window opened later is shown
// in the script as it comes on screen.

#include <QObject>

#include "script/Script.h"

class QAction;

namespace velmora {

class ChartHost;

class ScriptCommand : public QObject {
    Q_OBJECT
public:
    // Takes the script from the settings and adds the command to the board's menu.
    explicit ScriptCommand(ChartHost& form);

    QAction* action() const { return action_; }
    // Shows everything in `script` and keeps it in the settings.
    void setScript(Script script);
    // Shows the main window and the windows it owns in the session's script.
    void showWindows() const;

protected:
    // A window of this main window coming on screen is shown in the script.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ownsWindow(const QObject* window) const;

    ChartHost& form_;
    QAction* action_ = nullptr;
};

// The script kept in the settings; Traditional when none or an unknown one is.
Script ScriptFromSettings(const class Settings& settings);

}  // namespace velmora
