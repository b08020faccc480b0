#include "files/FourFile.h"

#include <algorithm>

#include "files/LineFile.h"
#include "files/ReferencePath.h"
#include "files/Utf8.h"

namespace velmora::files {

namespace {

void WarnOfExtraLines(const std::vector<QString>& lines, const QString& path, Diagnostics& diagnostics) {
    for (std::size_t i = kTransformationLines; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) continue;
        diagnostics.warnings.push_back(LineProblem(
            kFourFile, path, static_cast<int>(i) + 1,
            QStringLiteral("超過 %1 行，已略過").arg(kTransformationLines)));
    }
}

}  // namespace

Diagnostics ReadFour(const QString& programFolder, TransformationTable& table) {
    FourLines file = ReadFourLines(programFolder);
    if (!file.diagnostics.ok()) return std::move(file.diagnostics);
    const std::size_t count = std::min<std::size_t>(file.lines.size(), kTransformationLines);
    for (std::size_t i = 0; i < count; ++i) table.lines[i + 1] = ToUtf8(file.lines[i]);
    return std::move(file.diagnostics);
}

FourLines ReadFourLines(const QString& programFolder) {
    const QString path = ReferencePath(programFolder, kFourFile);
    TextLines file = ReadBig5File(path, kFourFile);
    FourLines result{std::move(file.lines), std::move(file.diagnostics)};
    if (result.diagnostics.ok()) WarnOfExtraLines(result.lines, path, result.diagnostics);
    return result;
}

std::optional<FileProblem> WriteFour(const QString& programFolder,
                                     const std::array<QString, kTransformationLines>& lines,
                                     const WriteOptions& options) {
    const QString path = ReferencePath(programFolder, kFourFile);
    return WriteBig5File(path, kFourFile, std::vector<QString>(lines.begin(), lines.end()), options);
}

}  // namespace velmora::files
