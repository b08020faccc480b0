#pragma once
// velmora-chart --png / --pdf (run by velmora-chart-draw): the chart drawn as
// the program's board draws it, without a screen. The main window is built off screen on the data
// folder, the query charted on it as the window charts, and the picture
// written by the same code as the window's export commands. The command
// line's --script (passed on by velmora-chart with every other argument) is
// the script of the board and of the --text printed beside it.

#include "output/CommandLine.h"

namespace velmora::tool {

// Runs a command line that asks for a picture; gives the exit status.
// `program` is argv[0]. Uses the offscreen platform unless QT_QPA_PLATFORM
// names another, so no display is needed.
int RunPicture(char* program, const CommandLine& line);

}  // namespace velmora::tool
