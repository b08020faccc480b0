#include "files/NameListFile.h"

#include <algorithm>

#include "files/LineFile.h"
#include "files/ReferencePath.h"
#include "files/Utf8.h"

namespace velmora::files {

namespace {

constexpr QChar kFieldSeparator = QLatin1Char('.');

// Fills one table line from one file line; false when pieces were left out.
bool FillLine(NameList& names, int line, const QString& text) {
    if (text.isEmpty()) return true;
    const QStringList pieces = text.split(kFieldSeparator);
    const int kept = static_cast<int>(std::min<qsizetype>(pieces.size(), kNameFields));
    for (int field = 1; field <= kept; ++field) names.set(line, field, ToUtf8(pieces[field - 1]));
    return pieces.size() <= kNameFields;
}

}  // namespace

Diagnostics LoadNameList(const QString& programFolder, NameList& names) {
    const QString path = ReferencePath(programFolder, kProperNFile);
    TextLines file = ReadBig5File(path, kProperNFile);
    Diagnostics diagnostics = std::move(file.diagnostics);
    if (!diagnostics.ok()) return diagnostics;

    NameList loaded;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const QString& text = file.lines[i];
        if (line > kNameLines) {
            if (!text.isEmpty())
                diagnostics.warnings.push_back(LineProblem(
                    kProperNFile, path, line, QStringLiteral("超過 %1 行，已略過").arg(kNameLines)));
            continue;
        }
        if (!FillLine(loaded, line, text))
            diagnostics.warnings.push_back(LineProblem(
                kProperNFile, path, line,
                QStringLiteral("超過 %1 個欄位，第 %2 個以後已略過").arg(kNameFields).arg(kNameFields + 1)));
    }
    names = std::move(loaded);
    return diagnostics;
}

}  // namespace velmora::files
