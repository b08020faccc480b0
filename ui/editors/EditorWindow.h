#pragma once
// What the two table editors share: they edit a copy of one reference file,
// count the edits, write the whole file back through the files room, and ask
// before closing with unsaved edits. The main window is disabled while one is
// open and enabled again when it closes.

#include <QColor>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

#include "files/FileProblem.h"
#include "files/FileStamp.h"
#include "files/GuardedSave.h"

namespace velmora {

class Form1;
struct Session;

// The background of a cell the user has changed.
inline const QColor kEditedCellColour(255, 255, 128);

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    // Edits since loading or the last save; positive means unsaved edits.
    std::int16_t ChangeCount() const { return changeCount_; }

    // Writes the file and reports it, then closes the editor. A failed write
    // is reported by file and path and leaves the editor open with its edits.
    void SaveFile();

    // What the editor's table was read from, so a save can tell whether
    // another window or program changed the file since. Without it a save
    // writes without asking.
    void rememberRead(const files::FileStamp& stamp) { readStamp_ = stamp; }

protected:
    // `fileName`: the bare name of the file the editor writes ("Mia", "Four").
    EditorWindow(Form1& form1, const QString& caption, const QString& messageTitle, const QString& fileName);

    Form1& form1() { return form1_; }
    Session& session();
    const QString& messageTitle() const { return messageTitle_; }

    // One more edit. The count stops at its largest value rather than wrapping
    // round to a count that would read as "no edits".
    void countEdit();
    void setChangeCount(std::int16_t count) { changeCount_ = count; }

    // Writes the whole table; the problem when nothing was written.
    virtual std::optional<files::FileProblem> writeTable() = 0;
    // Asked before every write: false keeps the edits on screen unwritten.
    virtual bool confirmWrite() { return true; }

    void closeEvent(QCloseEvent* event) override;

private:
    // The write and its report, without closing; false when nothing was
    // written (it failed, or the user kept another's change).
    bool writeAndReport();
    // The write under the file's lock; unless `overwrite`, not over a file changed since it was read.
    files::GuardedSave saveOverRead(bool overwrite);

    Form1& form1_;
    QString messageTitle_;
    QString fileName_;
    std::optional<files::FileStamp> readStamp_;
    std::int16_t changeCount_ = 0;
};

// The stamp of the editor's file in `folder`, taken before the editor
// reads it: a write in between then makes a save ask needlessly, never lose it.
files::FileStamp StampBeforeReading(const QString& folder, const QString& fileName);

// The message for a reference file the editor cannot load; the editor is then not opened.
void ReportUnreadable(Session& session, QWidget* parent, const QString& title, const files::FileProblem& problem);

}  // namespace velmora
