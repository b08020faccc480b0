#pragma once
// Where the program's files live: its own folder, under their bare names.

#include <QString>

namespace velmora::files {

// The bare names, without extension.
inline const QString kProperNFile = QStringLiteral("ProperN");
inline const QString kMiaFile = QStringLiteral("Mia");
inline const QString kFourFile = QStringLiteral("Four");
inline const QString kUserFile = QStringLiteral("User");

// The folder, a separator unless it already ends in one, then the bare name.
// There is no search path and no fallback: a file is opened by this path only.
QString ReferencePath(const QString& programFolder, const QString& bareName);

}  // namespace velmora::files
