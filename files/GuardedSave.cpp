#include "files/GuardedSave.h"

#include "files/FileLock.h"

namespace velmora::files {

GuardedSave SaveOverRead(const QString& path, const QString& fileName, const FileStamp& read, bool overwrite,
                         const WriteOptions& options, const std::function<std::optional<FileProblem>()>& write) {
    GuardedSave saved;
    saved.stamp = read;
    saved.problem = WithFileLock(path, fileName, options.lockWait, [&]() -> std::optional<FileProblem> {
        if (!overwrite && LookAgain(path, fileName, read).state == DiskState::Changed) {
            saved.changedElsewhere = true;
            return std::nullopt;
        }
        if (auto problem = write()) return problem;
        const StampedBytes written = ReadStamped(path, fileName);
        if (!written.problem) saved.stamp = written.stamp;
        return std::nullopt;
    });
    return saved;
}

}  // namespace velmora::files
