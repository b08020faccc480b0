#include "files/FileFolders.h"

#include <QDir>
#include <QFileInfo>

#include "files/ReferencePath.h"

namespace velmora::files {

namespace {

// The system's package manager owns /usr (but for /usr/local): even root must
// not write records there.
bool OwnedByThePackageManager(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) + QLatin1Char('/');
    return path.startsWith(QLatin1String("/usr/")) && !path.startsWith(QLatin1String("/usr/local/"));
}

}  // namespace

QString FileFolders::readFolder(const QString& bareName) const {
    if (!separate() || bareName == kUserFile) return data;
    return QFileInfo::exists(ReferencePath(data, bareName)) ? data : program;
}

bool ProgramFolderIsWritable(const QString& programFolder) {
    const QFileInfo info(programFolder.isEmpty() ? QStringLiteral(".") : programFolder);
    return info.isDir() && info.isWritable() && !OwnedByThePackageManager(info.absoluteFilePath());
}

FileFolders FoldersFor(const QString& programFolder, const QString& userDataFolder) {
    if (ProgramFolderIsWritable(programFolder)) return {programFolder, programFolder};
    QDir().mkpath(userDataFolder);  // a save writes its temporary file beside the target
    return {programFolder, userDataFolder};
}

}  // namespace velmora::files
