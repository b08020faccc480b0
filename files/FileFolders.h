#pragma once
// Which folder each of the program's files is read from and written to.
// A program folder the user can write to (a build tree, a portable copy)
// holds everything, as it always has. An installed program folder (one the
// user cannot write, or one under /usr that the system's packages own) is
// only read: User and the user's edited Mia and Four live in the user's data
// folder, and the shipped Mia and Four are read until an edited copy exists.

#include <QString>

namespace velmora::files {

struct FileFolders {
    QString program;  // ProperN and the shipped Mia and Four
    QString data;     // User, and Mia and Four once edited; equal to program when that is writable

    // The folder to read `bareName` from: the data folder when it holds the
    // file (or for User, which is never shipped), else the program folder.
    QString readFolder(const QString& bareName) const;
    // The folder every save goes to.
    const QString& writeFolder() const { return data; }
    bool separate() const { return data != program; }
};

// The folders for a program folder; `userDataFolder` is where a separate data
// folder goes (QStandardPaths::AppDataLocation in the program), made when needed.
FileFolders FoldersFor(const QString& programFolder, const QString& userDataFolder);

// True when the program may keep its files in `programFolder`.
bool ProgramFolderIsWritable(const QString& programFolder);

}  // namespace velmora::files
