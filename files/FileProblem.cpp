#include "files/FileProblem.h"

namespace velmora::files {

QString FileProblem::describe() const {
    QString text = line > 0
        ? QStringLiteral("檔案 %1 第 %2 行%3").arg(fileName).arg(line).arg(message)
        : QStringLiteral("%1 %2").arg(message, fileName);
    text += QStringLiteral("：") + path;
    if (!detail.isEmpty()) text += QStringLiteral("（%1）").arg(detail);
    return text;
}

FileProblem FileError(const QString& fileName, const QString& path, const QString& message,
                      const QString& detail) {
    return FileProblem{fileName, path, 0, message, detail};
}

FileProblem LineProblem(const QString& fileName, const QString& path, int line,
                        const QString& message) {
    return FileProblem{fileName, path, line, message, {}};
}

}  // namespace velmora::files
