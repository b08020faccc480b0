#pragma once
// A whole-file save over a file read earlier (Mia, Four from their editors):
// under the file's lock it first looks whether someone else changed the file
// since it was read, so the editor can ask before overwriting that change.

#include <QString>

#include <functional>
#include <optional>

#include "files/FileProblem.h"
#include "files/FileStamp.h"
#include "files/SafeSave.h"

namespace velmora::files {

struct GuardedSave {
    std::optional<FileProblem> problem;  // nothing was written
    bool changedElsewhere = false;       // nothing was written: the file changed since it was read
    FileStamp stamp;                     // of the file as written
};

// Runs `write` under the lock of the file at `path` unless the file changed
// since `read` and `overwrite` is false. A file that vanished is written afresh.
GuardedSave SaveOverRead(const QString& path, const QString& fileName, const FileStamp& read, bool overwrite,
                         const WriteOptions& options, const std::function<std::optional<FileProblem>()>& write);

}  // namespace velmora::files
