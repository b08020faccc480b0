#pragma once
// The record window's edits of User, saved so that nothing another window or
// program wrote in the meantime is lost. Each window remembers what it read;
// a save takes the file's lock and looks again. Unchanged (or gone): the
// window's list is written whole, as always. Changed: the file is read again
// and the window's unsaved edits are applied on top of it, in order: an added
// record is appended; a changed or deleted record is found again by the line
// it was read from, byte for byte, and changed or removed. An edit whose
// record is no longer there is not applied, and the caller is told which.

#include <QString>

#include <optional>
#include <vector>

#include "files/FileProblem.h"
#include "files/FileStamp.h"
#include "files/SafeSave.h"
#include "files/UserFile.h"

namespace velmora::files {

struct UserEdit {
    enum class Kind { Add, Change, Delete };
    Kind kind = Kind::Add;
    BirthRecord before;  // Change, Delete: the record as the window held it
    BirthRecord after;   // Add, Change: the record as entered
};

// Applies the edits in order to `records`; the edits whose record was not
// found, in order. A record the window added and never saved has no line
// yet and is found by its fields.
std::vector<UserEdit> ApplyUserEdits(std::vector<BirthRecord>& records, const std::vector<UserEdit>& edits);

// User read for editing: its records and the stamp of the bytes they came from.
struct UserForEditing {
    UserFileRead read;
    FileStamp stamp;
};
UserForEditing ReadUserForEditing(const QString& path);

struct UserSave {
    std::optional<FileProblem> problem;  // nothing was written
    bool changedElsewhere = false;       // the edits went on top of another's change
    std::vector<UserEdit> lost;          // not applied: their record was changed or removed elsewhere
    std::vector<BirthRecord> records;    // the file as it stands now, each with its line
    FileStamp stamp;                     // of the file as it stands now
};

// Saves `list` (the window's records, edits included) over the file read as
// `read`, or, when the file changed since, `edits` on top of it.
UserSave SaveUserEdits(const QString& path, const FileStamp& read, const std::vector<BirthRecord>& list,
                       const std::vector<UserEdit>& edits, const WriteOptions& options = {});

}  // namespace velmora::files
