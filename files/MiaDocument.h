#pragma once
// Mia as the brightness editor works on it: the level names and every star
// row in file order, so that a save keeps what the editor does not show.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "chart/ReferenceData.h"
#include "files/FileProblem.h"
#include "files/MiaFormat.h"
#include "files/SafeSave.h"

namespace velmora::files {

inline constexpr int kEditedMiaRows = 20;  // the rows the editor shows and rewrites

struct MiaRow {
    int star = 0;                                    // 0 when the row names no star
    std::array<std::int8_t, kBranchCount> levels{};  // [0] 子 .. [11] 亥, each 0..7
    QString text;                                    // the line as read
    friend bool operator==(const MiaRow&, const MiaRow&) = default;
};

struct MiaDocument {
    std::array<QString, kLevelCount> levelNames{};  // [0] level 1 .. [6] level 7; empty = unset
    std::vector<MiaRow> rows;                       // non-empty lines after the level line
    friend bool operator==(const MiaDocument&, const MiaDocument&) = default;
};

struct MiaDocumentRead {
    MiaDocument document;
    Diagnostics diagnostics;  // an error: missing or unreadable; the document is then empty
};

MiaDocumentRead ReadMiaDocument(const QString& programFolder);

// Writes the level line (an empty name as an ideographic space), then the rows:
// rows 1..20 that name a star in the written form "SS" + 12 digits, every other
// row as its text was read, so rows past 20 and rows naming no star are kept.
// Blank lines are not written. Refused before anything is written: a level name
// longer than one character, a star number above 99, text Big5 cannot hold.
std::optional<FileProblem> WriteMiaDocument(const QString& programFolder, const MiaDocument& document,
                                            const WriteOptions& options = {});

}  // namespace velmora::files
