#include "files/FileStamp.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include "files/LineFile.h"

namespace velmora::files {

namespace {

// A modification time is trusted as the quick check only when the file was
// already that old when the stamp was taken: a write landing in the same
// clock tick as the read (file systems keep times coarsely, FAT to two
// seconds) could otherwise keep both size and time while changing the bytes.
constexpr qint64 kTrustedAgeMs = 2000;

bool QuickCheckHolds(const QFileInfo& info, const FileStamp& read) {
    return read.exists && info.size() == read.size && info.lastModified() == read.modified &&
           read.modified.msecsTo(read.taken) >= kTrustedAgeMs;
}

}  // namespace

FileStamp StampOf(const QByteArray& bytes, const QDateTime& modified) {
    return FileStamp{true, bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256), modified,
                     QDateTime::currentDateTimeUtc()};
}

StampedBytes ReadStamped(const QString& path, const QString& fileName) {
    StampedBytes result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.stamp.taken = QDateTime::currentDateTimeUtc();
        return result;
    }
    // The time is taken before the bytes: a write in between makes the stamp
    // look older than the bytes, which at worst costs one needless re-read.
    const QDateTime modified = info.lastModified();
    result.problem = ReadFileBytes(path, fileName, result.bytes);
    if (!result.problem) result.stamp = StampOf(result.bytes, modified);
    return result;
}

DiskLook LookAgain(const QString& path, const QString& fileName, const FileStamp& read) {
    const QFileInfo info(path);
    if (!info.exists()) return DiskLook{read.exists ? DiskState::Vanished : DiskState::AsRead, {}};
    if (QuickCheckHolds(info, read)) return DiskLook{DiskState::AsRead, {}};
    DiskLook look{DiskState::Changed, ReadStamped(path, fileName)};
    if (!look.now.problem && read.exists && look.now.stamp.hash == read.hash) look.state = DiskState::AsRead;
    return look;
}

}  // namespace velmora::files
