#pragma once
// Saves of User (record window), Mia (brightness editor) and Four
// (transformation editor) that meet a failing disk: a read-only folder, a
// write that fails half-way, a stop between writing and renaming.

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

#include "files/SafeSave.h"
#include "tests/ui/UiTestSupport.h"

namespace velmora::testing {

enum class Fault { ReadOnlyFolder, FailsHalfWay, StopsBeforeRename };

// One edited window whose save is about to be tried.
class EditedWindow {
public:
    virtual ~EditedWindow() = default;
    virtual QString fileName() const = 0;  // "User", "Mia" or "Four"
    virtual void save() = 0;               // as the user saves: the window's own command
    virtual bool editKept() const = 0;     // the edit is still there to save again
    virtual bool editSaved(const QByteArray& file) const = 0;  // the file holds the edit
};

// A main window on `folder` with every window installed, the given window
// opened and one edit made in it.
struct EditedStart {
    StartedWindow started;
    std::unique_ptr<EditedWindow> window;
};
using EditFactory = std::function<EditedStart(const ProgramFolder& folder)>;
EditedStart EditUser(const ProgramFolder& folder);
EditedStart EditMia(const ProgramFolder& folder);
EditedStart EditFour(const ProgramFolder& folder);

// A write that puts half the bytes into the temporary file and then fails, as a full disk does.
files::WriteOptions HalfWayFailure();

// True when the folder, made read-only, really refuses a new file (not so for
// root with its override capability).
bool ReadOnlyBinds(const QString& folder);

}  // namespace velmora::testing
