// velmora-chart-draw: the pictures of velmora-chart (--png, --pdf). velmora-chart
// hands a command line asking for a picture to this program beside it, which
// links the windows; charts printed as JSON or text start without loading them.

#include <cstdio>
#include <string>
#include <vector>

#include "output/CommandLine.h"
#include "tools/PictureRun.h"

int main(int argc, char** argv) {
    using namespace velmora::tool;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    const auto* line = std::get_if<CommandLine>(&parsed);
    if (line == nullptr || !line->picture() || line->help) {
        const std::string problem = line == nullptr ? std::get<std::string>(parsed) : "draws --png and --pdf only";
        std::fprintf(stderr, "velmora-chart: %s\n", problem.c_str());
        return 2;
    }
    return RunPicture(argv[0], *line);
}
