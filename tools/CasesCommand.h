#pragma once
// velmora-chart's case library commands:
//   --export-cases [FILE]          the library as JSON (FILE ending .csv: CSV); standard output without FILE
//   --export-cases [FILE] --search QUERY  only the people whose natal chart fulfils QUERY (as `search` reads it)
//   --import-cases FILE [--dry-run] the plan as lines; without --dry-run it is carried out
// with --data DIR naming the folder of User and Cases.sqlite.

#include <string>
#include <vector>

namespace velmora::tool {

// True when the arguments ask for a case command.
bool AsksForCases(const std::vector<std::string>& arguments);

// Runs it (a QCoreApplication exists) and gives the exit code.
int RunCasesCommand(const std::vector<std::string>& arguments, const std::string& programFolder);

}  // namespace velmora::tool
