#include "files/SafeSave.h"

namespace velmora::files {

namespace {

bool WriteAll(QSaveFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size();
}

const QString kCannotWrite = QStringLiteral("無法寫入檔案");

}  // namespace

std::optional<FileProblem> SaveBytes(const QString& path, const QString& fileName,
                                     const QByteArray& bytes, const WriteOptions& options) {
    QSaveFile file(path);
    // Never fall back to writing the old file in place: that is what a
    // half-written file comes from.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return FileError(fileName, path, kCannotWrite, file.errorString());

    const bool written = options.writeBytes ? options.writeBytes(file, bytes) : WriteAll(file, bytes);
    if (!written || options.failBeforeCommit) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileError(fileName, path, kCannotWrite,
                         written ? QStringLiteral("未完成寫入") : reason);
    }
    if (!file.commit()) return FileError(fileName, path, kCannotWrite, file.errorString());
    return std::nullopt;
}

}  // namespace velmora::files
