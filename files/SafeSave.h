#pragma once
// Writing a file whole, safely: the bytes go to a temporary file in the same
// folder, which is renamed over the old file only when everything is written.
// A failure at any point leaves the old file exactly as it was.

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

#include "files/FileProblem.h"

namespace velmora::files {

// How long a save waits for the lock another window or program holds on the
// file (files/FileLock.h) before giving up and saying so.
inline constexpr std::chrono::milliseconds kLockWait{3000};

// How a save writes. The defaults write for real; a test passes its own
// writeBytes to fail half-way, or failBeforeCommit to stop between writing and
// renaming, as a crash or a full disk would.
struct WriteOptions {
    // Writes the bytes into the open temporary file; false means it failed.
    std::function<bool(QSaveFile&, const QByteArray&)> writeBytes;
    bool failBeforeCommit = false;
    std::chrono::milliseconds lockWait = kLockWait;
};

// Replaces the file at `path` with `bytes`. Nothing on failure: a problem
// naming the file (bare name `fileName`) and its path.
std::optional<FileProblem> SaveBytes(const QString& path, const QString& fileName,
                                     const QByteArray& bytes, const WriteOptions& options = {});

}  // namespace velmora::files
