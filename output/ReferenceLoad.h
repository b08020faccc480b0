#pragma once
// Loading the reference tables through the files room, once per run.

#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "output/ChartRun.h"

namespace velmora::tool {

struct LoadOutcome {
    std::optional<std::string> error;   // the run cannot go on; names the file and its full path
    std::vector<std::string> warnings;  // lines read in part or passed over
};

// Mia and Four always; ProperN only with `withNames` (the numbers need no
// words). A missing folder is reported as such before any file is tried.
LoadOutcome LoadReferenceTables(const QString& dataFolder, bool withNames, ReferenceTables& tables);

}  // namespace velmora::tool
