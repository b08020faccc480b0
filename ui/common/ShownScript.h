#pragma once
// The script every text on screen is shown in. The files stay Traditional;
// in 简体 a text is converted once, the first time it is shown, and kept, so
// a date step only looks its words up.
//
// Captions set when a window is built (labels, buttons, titles, menus, list
// and combo rows) are converted by walking the window: each widget keeps its
// Traditional caption in a property, so the walk can run again after a
// switch in either direction. Texts a window sets later go through text().

#include <QHash>
#include <QSet>
#include <QString>

#include "script/Script.h"

class QWidget;
class QAction;

namespace velmora {

class ShownScript {
public:
    Script script() const { return script_; }
    bool simplified() const { return script_ == Script::Simplified; }
    void setScript(Script script) {
        script_ = script;
        everSimplified_ = everSimplified_ || script == Script::Simplified;
    }

    // `traditional` as shown now.
    QString text(const QString& traditional) const;
    // A text typed in the shown script, as the files must hold it
    // (unchanged in 繁體; OpenCC s2t in 简体).
    QString traditional(const QString& typed) const;

    // Shows the captions of `root` and every widget and action below it in
    // the script. Text the user types (line edits, editable combos) is left alone.
    void applyTo(QWidget* root) const;

private:
    Script script_ = Script::Traditional;
    bool everSimplified_ = false;  // captions may show Simplified and need restoring
    mutable QHash<QString, QString> simplified_;  // Traditional text → its Simplified form
    mutable QSet<QString> shownForms_;            // the Simplified forms given out
};

// `widget` shows what the user typed (names in a list): no walk converts it.
void MarkAsUserText(QWidget* widget);

// Column `column` of the rows of `tree` shows what the user typed (one call a column).
void MarkUserTextColumn(QWidget* tree, int column);

// A script that shows every text as it is, for callers without a session.
const ShownScript& TraditionalScript();

// The Simplified form of `traditional` (OpenCC t2s), whatever the setting.
QString SimplifiedText(const QString& traditional);
// The Traditional form of `simplified` (OpenCC s2t).
QString TraditionalText(const QString& simplified);

}  // namespace velmora
