#include "files/MiaDocument.h"

#include "files/LineFile.h"
#include "files/ReferencePath.h"

namespace velmora::files {

namespace {

constexpr int kLevelLine = 1;

// The level names' line, or the problem with a name that does not fit.
std::optional<FileProblem> CheckLevelNames(const MiaDocument& document, const QString& path) {
    for (int level = 1; level <= kLevelCount; ++level) {
        const QString& name = document.levelNames[static_cast<std::size_t>(level - 1)];
        if (name.size() > 1)
            return LineProblem(kMiaFile, path, kLevelLine,
                               QStringLiteral("的等級 %1 名稱「%2」超過一個字").arg(level).arg(name));
    }
    return std::nullopt;
}

// Rows the editor shows are written in full form; the others as they were read.
bool WrittenInFullForm(const MiaRow& row, std::size_t index) {
    return (index < static_cast<std::size_t>(kEditedMiaRows) && row.star != 0) || row.text.isEmpty();
}

}  // namespace

MiaDocumentRead ReadMiaDocument(const QString& programFolder) {
    const QString path = ReferencePath(programFolder, kMiaFile);
    TextLines file = ReadBig5File(path, kMiaFile);
    MiaDocumentRead result{{}, std::move(file.diagnostics)};
    if (!result.diagnostics.ok()) return result;

    bool levelLineSeen = false;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        QString& text = file.lines[i];
        if (text.isEmpty()) continue;
        if (!levelLineSeen) {
            result.document.levelNames = ParseLevelNames(text);
            levelLineSeen = true;
            continue;
        }
        const int line = static_cast<int>(i) + 1;
        ParsedStarRow parsed = ParseStarRow(text);
        if (!parsed.namesStar()) {
            // Kept as it stands: no star, no levels, written back as read.
            parsed = ParsedStarRow{};
            result.diagnostics.warnings.push_back(LineProblem(kMiaFile, path, line, NoStarMessage(text)));
        }
        for (const QString& fault : parsed.faults)
            result.diagnostics.warnings.push_back(LineProblem(kMiaFile, path, line, fault));
        result.document.rows.push_back(MiaRow{parsed.star, parsed.levels, std::move(text)});
    }
    return result;
}

std::optional<FileProblem> WriteMiaDocument(const QString& programFolder, const MiaDocument& document,
                                            const WriteOptions& options) {
    const QString path = ReferencePath(programFolder, kMiaFile);
    if (auto problem = CheckLevelNames(document, path)) return problem;

    std::vector<QString> lines;
    lines.reserve(document.rows.size() + 1);
    lines.push_back(FormatLevelNames(document.levelNames));
    for (std::size_t i = 0; i < document.rows.size(); ++i) {
        const MiaRow& row = document.rows[i];
        const bool fullForm = WrittenInFullForm(row, i);
        if (fullForm && (row.star < 0 || row.star > kHighestWrittenStar))
            return LineProblem(kMiaFile, path, static_cast<int>(i) + 2,
                               QStringLiteral("的星曜編號 %1 超過兩位數").arg(row.star));
        lines.push_back(fullForm ? FormatStarRow(row.star, row.levels) : row.text);
    }
    return WriteBig5File(path, kMiaFile, lines, options);
}

}  // namespace velmora::files
