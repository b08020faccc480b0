#include "files/FileLock.h"

#include <QFileInfo>
#include <QLockFile>

namespace velmora::files {

namespace {

const QString kCannotLock = QStringLiteral("無法鎖定檔案");

// Who holds the lock, in words, when the lock file says.
QString Holder(const QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program))
        return QStringLiteral("另一個視窗或程式正在存檔");
    return QStringLiteral("%1（程序 %2，%3）正在存檔").arg(program.isEmpty() ? QStringLiteral("另一個程式") : program)
        .arg(pid)
        .arg(host);
}

FileProblem LockProblem(const QLockFile& lock, const QString& path, const QString& fileName,
                        std::chrono::milliseconds wait) {
    const QString lockName = QFileInfo(lock.fileName()).fileName();
    switch (lock.error()) {
        case QLockFile::LockFailedError:
            return FileError(fileName, path, kCannotLock,
                             QStringLiteral("%1，等了 %2 秒仍未結束；請稍後再試，若確定沒有別的程式在用，可刪除 %3")
                                 .arg(Holder(lock))
                                 .arg(static_cast<double>(wait.count()) / 1000.0)
                                 .arg(lockName));
        case QLockFile::PermissionError:
            return FileError(fileName, path, QStringLiteral("無法寫入檔案"),
                             QStringLiteral("資料夾不允許建立鎖定檔 %1").arg(lockName));
        default:
            return FileError(fileName, path, kCannotLock, QStringLiteral("鎖定檔 %1 無法建立").arg(lockName));
    }
}

}  // namespace

QString LockPath(const QString& path) { return path + QStringLiteral(".lock"); }

std::optional<FileProblem> WithFileLock(const QString& path, const QString& fileName,
                                        std::chrono::milliseconds wait, const LockedWork& work) {
    QLockFile lock(LockPath(path));
    lock.setStaleLockTime(kStaleLockAge);
    if (!lock.tryLock(wait)) return LockProblem(lock, path, fileName, wait);
    return work();  // the lock file goes with `lock`
}

}  // namespace velmora::files
