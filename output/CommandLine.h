#pragma once
// The command line of velmora-chart:
//   velmora-chart [--data DIR] [--names] [--text] DATE PERIOD GENDER [AT-DATE AT-PERIOD LAYER]
//   velmora-chart [--data DIR] [--text] [--name NAME] --png FILE | --pdf FILE  DATE PERIOD GENDER [...]
//   velmora-chart [--data DIR] [--names] --batch [FILE]
//   velmora-chart [--data DIR] [--names] [--flying] --all-periods DATE GENDER

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "output/Query.h"

namespace velmora::tool {

struct CommandLine {
    std::optional<std::string> dataFolder;  // --data; the executable's folder when absent
    bool names = false;                     // --names: words beside the numbers
    bool text = false;                      // --text: a readable chart instead of JSON
    bool help = false;                      // -h, --help
    bool version = false;                   // --version
    bool batch = false;                     // --batch: one query a line
    bool flying = false;                    // --flying: the twelve palaces' flying transformations
    bool allPeriods = false;                // --all-periods: the thirteen periods of a date as one array
    std::optional<std::string> pngFile;     // --png: the board as a PNG picture
    std::optional<std::string> pdfFile;     // --pdf: the board on an A4 PDF page
    std::string personName;                 // --name: the owner's name on the picture
    std::string batchFile = "-";            // "-" reads standard input
    Query query;                            // the single query, when not --batch

    // A picture is asked for: the board is drawn (off screen) instead of JSON printed.
    bool picture() const { return pngFile.has_value() || pdfFile.has_value(); }
};

// Either the parsed command line or a one-line message naming what is wrong.
using ParsedCommandLine = std::variant<CommandLine, std::string>;

// `arguments` without the program name, as UTF-8 bytes. Options may stand
// anywhere; "-" alone is a FILE, not an option.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text printed by --help.
std::string_view UsageText();

}  // namespace velmora::tool
