#pragma once
// The brightness table as the chart engine reads it from Mia.

#include <QString>

#include <vector>

#include "chart/NatalChart.h"
#include "chart/ReferenceData.h"
#include "files/FileProblem.h"

namespace velmora::files {

// Reads Mia from the program folder. Empty lines are passed over. The first
// other line gives the level names (character k, level k); every further line
// is a star row, in file order, for ApplyStarLevels. Rows naming no star 1..110
// are left out, and digits that are not 0..7 read as 0, each with a warning
// naming the line. `rows` is always emptied first; on an error (missing or
// unreadable file) `table` is left as it was and no rows are given.
Diagnostics ReadMia(const QString& programFolder, BrightnessTable& table,
                    std::vector<StarLevelRow>& rows);

}  // namespace velmora::files
