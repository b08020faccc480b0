#include "files/ReferencePath.h"

namespace velmora::files {

QString ReferencePath(const QString& programFolder, const QString& bareName) {
    if (programFolder.isEmpty()) return bareName;  // no folder given: the working folder
    if (programFolder.endsWith(QLatin1Char('/')) || programFolder.endsWith(QLatin1Char('\\')))
        return programFolder + bareName;
    return programFolder + QLatin1Char('/') + bareName;
}

}  // namespace velmora::files
