#pragma once
// A lock beside a file ("User.lock" beside User), held only while a save
// reads the file again, checks it and writes it, so that two windows or two
// running copies of the program never interleave there. A lock left by a
// program that crashed is taken over.

#include <QString>

#include <chrono>
#include <functional>
#include <optional>

#include "files/FileProblem.h"

namespace velmora::files {

// A lock older than this is left over: a read-check-write takes milliseconds.
inline constexpr std::chrono::milliseconds kStaleLockAge{10000};

QString LockPath(const QString& path);

using LockedWork = std::function<std::optional<FileProblem>()>;

// Runs `work` while holding the lock of the file at `path` (bare name
// `fileName`) and gives its result. When the lock cannot be had within
// `wait`, nothing runs and the problem names the file and who holds it.
std::optional<FileProblem> WithFileLock(const QString& path, const QString& fileName,
                                        std::chrono::milliseconds wait, const LockedWork& work);

}  // namespace velmora::files
