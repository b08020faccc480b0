#pragma once
// The command line of velmora-chart:
//   velmora-chart [--data DIR] [--names] [--text] DATE PERIOD GENDER [AT-DATE AT-PERIOD LAYER]
//   velmora-chart [--data DIR] [--text] [--name NAME] --png FILE | --pdf FILE  DATE PERIOD GENDER [...]
//   velmora-chart [--data DIR] [--names] [--jobs N] --batch [FILE]
// with --lunar anywhere reading DATE and AT-DATE as lunar dates, and each
// also with [--profile NAME] [--convention KEY=VALUE].. [--compare].
// Either may give the birth as a clock time at a place:
//   [--place NAME | --longitude DEG --zone IANA] [--basis B] [--reading N], PERIOD may be HH:MM
//   velmora-chart [--data DIR] [--names] --batch [FILE]
//   velmora-chart [--data DIR] [--names] [--flying] --all-periods DATE GENDER
//   velmora-chart [--data DIR] [--text | --csv] --years FROM-TO DATE PERIOD GENDER
// and --script traditional|simplified for the script of the words; --relations
// and --patterns add the chart's readings to one chart or to every batch line;
// --with DATE PERIOD GENDER [--with-lunar] [--with-profile NAME] lays a second
// birth over it (a batch line gives its own after "/").

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "chart/Conventions.h"
#include "output/MomentOptions.h"
#include "output/OverlayRun.h"
#include "output/Query.h"
#include "output/ReadingRun.h"
#include "output/YearReport.h"
#include "script/Script.h"

namespace velmora::tool {

struct CommandLine {
    std::optional<std::string> dataFolder;  // --data; the executable's folder when absent
    bool names = false;                     // --names: words beside the numbers
    bool text = false;                      // --text: a readable chart instead of JSON
    bool help = false;                      // -h, --help
    bool version = false;                   // --version
    bool batch = false;                     // --batch: one query a line
    bool lunar = false;                     // --lunar: DATE and AT-DATE are lunar dates
    bool flying = false;                    // --flying: the twelve palaces' flying transformations
    bool allPeriods = false;                // --all-periods: the thirteen periods of a date as one array
    ReadingOptions reading;                 // --relations, --patterns: the chart read
    OverlayOptions overlay;                 // --with, --with-lunar, --with-profile: a second birth laid over
    std::vector<std::string> withFields;    // --with's DATE PERIOD GENDER as typed
    std::optional<std::string> withProfile; // --with-profile NAME
    MomentOptions withMoment;               // --with-place, --with-longitude, ..: the second PERIOD may be HH:MM
    std::optional<YearSpan> years;          // --years FROM-TO: a row for each year of the birth DATE PERIOD GENDER
    bool csv = false;                       // --csv: the year rows as CSV lines
    std::optional<std::string> pngFile;     // --png: the board as a PNG picture
    std::optional<std::string> pdfFile;     // --pdf: the board on an A4 PDF page
    std::string personName;                 // --name: the owner's name on the picture
    std::string batchFile = "-";            // "-" reads standard input
    int jobs = 1;                           // --jobs N: batch worker threads
    Query query;                            // the single query, when not --batch
    std::string profile{kDefaultProfileName};  // --profile: the school charted under
    std::vector<std::string> conventionPieces; // --convention KEY=VALUE, in order, over the profile
    bool compare = false;                   // --compare: what every other convention changes
    Conventions conventions;                // the profile with the pieces applied
    MomentOptions moment;                   // --place, --longitude, --zone, --basis, --reading
    // With moment options, the single query's fields as typed (PERIOD may be
    // HH:MM); `query` is made from them once the places list is at hand.
    std::vector<std::string> momentFields;
    // --script: the script of the words of --names, --text and the pictures;
    // the numbers' JSON is the same in both.
    Script script = Script::Traditional;

    // A picture is asked for: the board is drawn (off screen) instead of JSON printed.
    bool picture() const { return pngFile.has_value() || pdfFile.has_value(); }
    // The script the output is written in: words (--names, --text) follow
    // --script; the numbers alone are the same whatever it says.
    Script outputScript() const { return wantsWords() ? script : Script::Traditional; }
    // Words from the name list are written: with --names, --text or --csv.
    bool wantsWords() const { return names || text || csv; }
};

// Either the parsed command line or a one-line message naming what is wrong.
using ParsedCommandLine = std::variant<CommandLine, std::string>;

// `arguments` without the program name, as UTF-8 bytes. Options may stand
// anywhere; "-" alone is a FILE, not an option.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text printed by --help.
std::string_view UsageText();

}  // namespace velmora::tool
