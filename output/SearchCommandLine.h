#pragma once
// The command line of a search by chart over dates:
//   velmora-chart search QUERY [--from DATE] [--to DATE] [--gender M|F] [--jobs N] [--text]
//                        [--data DIR] [--profile NAME] [--convention KEY=VALUE].. [--script S]
// QUERY may be one argument or its words as several; the span defaults to
// 1901-01-01..2099-12-31, and may reach over 1800-01-01..2200-12-31.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "chart/Conventions.h"
#include "output/Query.h"
#include "script/Script.h"

namespace velmora::tool {

inline constexpr std::string_view kSearchCommand = "search";

struct SearchCommandLine {
    std::string query;                      // the words of QUERY joined by blanks
    QueryDate from{kFirstYear, 1, 1};       // --from
    QueryDate to{kLastYear, 12, 31};        // --to, inclusive
    std::optional<int> gender;              // --gender: kMale or kFemale; both when absent
    int jobs = 1;                           // --jobs N
    bool text = false;                      // --text: one readable line a chart
    bool help = false;                      // -h, --help
    std::optional<std::string> dataFolder;  // --data
    std::string profile{kDefaultProfileName};
    std::vector<std::string> conventionPieces;
    Conventions conventions;                // the profile with the pieces applied
    Script script = Script::Traditional;    // --script: of --text and of the messages
};

using ParsedSearchCommandLine = std::variant<SearchCommandLine, std::string>;

// True when the arguments (without the program name) start with "search".
bool IsSearchCommand(const std::vector<std::string>& arguments);

// The arguments after "search"; a one-line message naming what is wrong.
ParsedSearchCommandLine ParseSearchCommandLine(const std::vector<std::string>& arguments);

std::string_view SearchUsageText();

}  // namespace velmora::tool
