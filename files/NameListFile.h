#pragma once
// The name list: every word the chart shows, from ProperN.

#include <QString>

#include "chart/ReferenceData.h"
#include "files/FileProblem.h"

namespace velmora::files {

// Reads ProperN from the program folder: line i of the file (every line
// counts, empty ones too) split at "." fills line i of the table, field j from
// piece j. An empty line gives no fields; a line ending in "." gets one more,
// empty, field. Lines past 15 that hold text and pieces past 50 are left out
// and reported. On success the table is replaced whole; on an error (missing
// or unreadable file) it is left as it was.
Diagnostics LoadNameList(const QString& programFolder, NameList& names);

}  // namespace velmora::files
