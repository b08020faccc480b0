#pragma once
// What a window read of a file, remembered so that a later save can tell
// whether someone else (another window, another running copy of the program,
// a sync tool, a hand in a text editor) changed the file since: the size and a
// hash of the bytes, with the modification time as a quick check that spares
// reading the file again.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

#include "files/FileProblem.h"

namespace velmora::files {

struct FileStamp {
    bool exists = false;  // false: there was no file (nothing read)
    qint64 size = 0;
    QByteArray hash;      // SHA-256 of the bytes
    QDateTime modified;   // the file's modification time at the read
    QDateTime taken;      // when the stamp was taken
};

// The stamp of bytes just read from (or written to) a file modified at `modified`.
FileStamp StampOf(const QByteArray& bytes, const QDateTime& modified);

// A file's bytes and their stamp from one read; a missing file is no problem
// (no bytes, a stamp saying there was none).
struct StampedBytes {
    QByteArray bytes;
    FileStamp stamp;
    std::optional<FileProblem> problem;  // there but unreadable
};
StampedBytes ReadStamped(const QString& path, const QString& fileName);

enum class DiskState {
    AsRead,    // the bytes on disk are the bytes that were read
    Changed,   // someone wrote other bytes (or created the file) since
    Vanished,  // the file that was read is gone
};

// The file now against the stamp of what was read. When it changed, the
// bytes found are given, so the caller works on exactly what it compared.
struct DiskLook {
    DiskState state = DiskState::AsRead;
    StampedBytes now;  // read when the quick check could not settle it
};
DiskLook LookAgain(const QString& path, const QString& fileName, const FileStamp& read);

}  // namespace velmora::files
