#pragma once
// The four-transformation table, Four: line s holds the four stars of stem s.

#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "chart/ReferenceData.h"
#include "files/FileProblem.h"
#include "files/SafeSave.h"

namespace velmora::files {

// For the engine: line s of the file becomes table line s, empty lines
// included; table lines past the end of a shorter file keep their text; file
// lines past 10 that hold text are left out with a warning. On an error
// (missing or unreadable file) the table is left as it was.
Diagnostics ReadFour(const QString& programFolder, TransformationTable& table);

struct FourLines {
    std::vector<QString> lines;  // every line of the file, in order
    Diagnostics diagnostics;
};

// For the editor: all lines as they stand.
FourLines ReadFourLines(const QString& programFolder);

// Writes exactly the ten given lines, stem 1 first.
std::optional<FileProblem> WriteFour(const QString& programFolder,
                                     const std::array<QString, kTransformationLines>& lines,
                                     const WriteOptions& options = {});

}  // namespace velmora::files
