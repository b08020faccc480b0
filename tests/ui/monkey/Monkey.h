#pragma once
// Random events over the program's windows, as a careless user would make
// them: clicks on any control, spinner steps, combo picks, text typed
// (TABs, characters Big5 cannot hold, very long names), Escape, windows
// closed, and close questions answered either way. Each event names itself
// so a failure can say what led to it.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <random>
#include <vector>

#include "ui/common/MessageBoxes.h"

namespace velmora::testing {

class Monkey {
public:
    Monkey(std::uint64_t seed, ScriptedMessageBoxes& boxes) : random_(seed), boxes_(boxes) {}

    // One event on one of `windows` (the main window first, then the open
    // secondary windows); returns what it did, in words.
    QString act(const std::vector<QWidget*>& windows);

    // True when the last event pressed an editor's save button with no edits:
    // the editor then stays open and gives the main window back.
    bool releasedMainWindow() const { return released_ != nullptr; }
    QWidget* releasingEditor() const { return released_; }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    std::vector<T*> usable(QWidget* window) const;

    QString click(QWidget* window);
    QString clickLabel(QWidget* window);
    QString step(QWidget* window);
    QString pick(QWidget* window);
    QString type(QWidget* window);
    QString clickRow(QWidget* window);
    QString escape(QWidget* window);
    QString close(QWidget* window);
    QString enterRecord(QWidget* window);  // a whole record entered and added or changed
    QString someText();

    std::mt19937_64 random_;
    ScriptedMessageBoxes& boxes_;
    QPointer<QWidget> released_;
};

}  // namespace velmora::testing
