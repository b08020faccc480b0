#pragma once
// velmora-chart search: the command's run, from its arguments to the lines written.

#include <string>
#include <vector>

namespace velmora::tool {

// `arguments` after "search"; the exit status.
int RunSearchCommand(const std::vector<std::string>& arguments, int argc, char** argv);

}  // namespace velmora::tool
