#include "files/MiaFile.h"

#include "files/LineFile.h"
#include "files/MiaFormat.h"
#include "files/ReferencePath.h"
#include "files/Utf8.h"

namespace velmora::files {

namespace {

void SetLevelNames(BrightnessTable& table, const QString& line) {
    const auto names = ParseLevelNames(line);
    for (int level = 1; level <= kLevelCount; ++level)
        table.LevelNames[static_cast<std::size_t>(level)] = ToUtf8(names[static_cast<std::size_t>(level - 1)]);
}

}  // namespace

Diagnostics ReadMia(const QString& programFolder, BrightnessTable& table,
                    std::vector<StarLevelRow>& rows) {
    rows.clear();
    const QString path = ReferencePath(programFolder, kMiaFile);
    TextLines file = ReadBig5File(path, kMiaFile);
    Diagnostics diagnostics = std::move(file.diagnostics);
    if (!diagnostics.ok()) return diagnostics;

    bool levelLineSeen = false;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        const QString& text = file.lines[i];
        if (text.isEmpty()) continue;
        if (!levelLineSeen) {
            SetLevelNames(table, text);
            levelLineSeen = true;
            continue;
        }
        const int line = static_cast<int>(i) + 1;
        ParsedStarRow parsed = ParseStarRow(text);
        if (!parsed.namesStar()) {
            diagnostics.warnings.push_back(LineProblem(kMiaFile, path, line, NoStarMessage(text)));
            continue;
        }
        for (const QString& fault : parsed.faults)
            diagnostics.warnings.push_back(LineProblem(kMiaFile, path, line, fault));
        rows.push_back(StarLevelRow{parsed.star, parsed.levels});
    }
    if (!levelLineSeen)
        diagnostics.warnings.push_back(
            FileError(kMiaFile, path, QStringLiteral("空白的檔案")));
    return diagnostics;
}

}  // namespace velmora::files
