#include "output/SearchCommandLine.h"

#include <array>
#include <charconv>

#include "output/BatchJobs.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kUsage =
    R"(usage: velmora-chart search QUERY [--from DATE] [--to DATE] [--gender M|F] [--jobs N] [--text]
                            [--data DIR] [--profile NAME] [--convention KEY=VALUE] [--script S]

Lists every birth (date, period 1..13, gender) from --from to --to whose natal
chart fulfils QUERY, one JSON object a line ({"date":"YYYY-MM-DD","period":P,
"gender":"M"}), by date, then period, then M before F.

  QUERY             conditions joined by "；" or ";", all of which must hold:
                      PALACE 有 TERM..   every term is in the palace
                      PALACE 無 TERM..   none is
                      格局 NAME..        the named patterns on the life palace
                    PALACE a palace name as the board shows it (兄弟 or 兄弟宮) or
                    身宮; TERM a star's name, 主星 (any of the fourteen major
                    stars), 化祿 化權 化科 化忌 (the star the birth year
                    transforms so) or 格局 NAME (the pattern read on PALACE);
                    Traditional or Simplified, e.g.
                    "命宮 有 紫微 天府；夫妻 無 主星；遷移 有 化忌"
  --from, --to DATE YYYY-MM-DD in 1800-01-01..2200-12-31, the span's first and
                    last day (default 1800-01-01 and 2200-12-31)
  --gender M|F      only men or only women (default both)
  --jobs N          search with N threads (1..64, default 1); the output is the same
  --text            one line a chart: the date, the period and the gender in words
  --data, --profile, --convention, --script
                    as for a chart (velmora-chart --help); --script is the script
                    of --text and of the messages

Exit status: 0 done (also when nothing matched), 2 bad arguments, files or QUERY.
)";

bool IsOption(std::string_view argument) { return argument.size() > 1 && argument.front() == '-'; }

// Columns: the option, the message when its value is missing.
struct NeedsValue {
    std::string_view option;
    std::string_view needs;
};
constexpr std::array<NeedsValue, 8> kValueOptions{{
    {"--from", "--from needs a DATE"},
    {"--to", "--to needs a DATE"},
    {"--gender", "--gender needs M or F"},
    {"--jobs", "--jobs needs a number of threads"},
    {"--data", "--data needs a folder"},
    {"--profile", "--profile needs a NAME"},
    {"--convention", "--convention needs KEY=VALUE"},
    {"--script", "--script needs traditional or simplified"},
}};

std::optional<std::string> TakeDate(std::string_view option, const std::string& value, QueryDate& date) {
    const std::optional<QueryDate> parsed = ParseDate(value);
    if (!parsed) return std::string(option) + " \"" + value + "\" is not a date YYYY-MM-DD in 1800-01-01..2200-12-31";
    date = *parsed;
    return std::nullopt;
}

std::optional<std::string> TakeJobs(const std::string& value, int& jobs) {
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), jobs);
    if (error != std::errc() || end != value.data() + value.size() || jobs < 1 || jobs > kMaxJobs)
        return "--jobs \"" + value + "\" is not a number of threads 1.." + std::to_string(kMaxJobs);
    return std::nullopt;
}

// One option with its value.
std::optional<std::string> ApplyValue(std::string_view option, const std::string& value, SearchCommandLine& line) {
    if (option == "--from") return TakeDate(option, value, line.from);
    if (option == "--to") return TakeDate(option, value, line.to);
    if (option == "--jobs") return TakeJobs(value, line.jobs);
    if (option == "--gender") {
        line.gender = ParseGender(value);
        if (!line.gender) return "--gender \"" + value + "\" is not M or F";
    } else if (option == "--script") {
        const std::optional<Script> script = ScriptFromKey(value);
        if (!script) return "--script \"" + value + "\" is not traditional or simplified";
        line.script = *script;
    } else if (option == "--data") {
        line.dataFolder = value;
    } else if (option == "--profile") {
        line.profile = value;
    } else {
        line.conventionPieces.push_back(value);
    }
    return std::nullopt;
}

// "--x VALUE" or "--x=VALUE"; `used` says the next argument was taken.
std::optional<std::string> ApplyOption(const std::string& argument, const std::string* next, bool& used,
                                       SearchCommandLine& line) {
    if (argument == "--text") line.text = true;
    else if (argument == "-h" || argument == "--help") line.help = true;
    else {
        const std::size_t equals = argument.find('=');
        const std::string_view option = std::string_view(argument).substr(0, equals);
        for (const NeedsValue& known : kValueOptions) {
            if (option != known.option) continue;
            std::string value = equals != std::string::npos ? argument.substr(equals + 1) : next ? *next : std::string();
            used = equals == std::string::npos && next != nullptr;
            if (value.empty()) return std::string(known.needs);
            return ApplyValue(option, value, line);
        }
        return "unknown option " + argument + " for search (see velmora-chart search --help)";
    }
    return std::nullopt;
}

std::optional<std::string> Finish(SearchCommandLine& line) {
    const ConventionProfile* profile = ProfileNamed(line.profile);
    if (profile == nullptr) return UnknownProfileMessage(line.profile);
    line.conventions = profile->conventions;
    for (const std::string& piece : line.conventionPieces)
        if (auto problem = SetConventionPiece(line.conventions, piece)) return problem;
    if (line.help) return std::nullopt;
    if (line.query.empty()) return "search needs a QUERY, such as \"命宮 有 紫微\"";
    const auto order = [](const QueryDate& d) { return (d.year * 100 + d.month) * 100 + d.day; };
    if (order(line.from) > order(line.to)) return "--from is after --to";
    return std::nullopt;
}

}  // namespace

bool IsSearchCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty() && arguments.front() == kSearchCommand;
}

ParsedSearchCommandLine ParseSearchCommandLine(const std::vector<std::string>& arguments) {
    SearchCommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!IsOption(argument)) {
            line.query += (line.query.empty() ? "" : " ") + argument;
            continue;
        }
        const std::string* next = i + 1 < arguments.size() ? &arguments[i + 1] : nullptr;
        bool used = false;
        if (auto problem = ApplyOption(argument, next, used, line)) return *problem;
        if (used) ++i;
    }
    if (auto problem = Finish(line)) return *problem;
    return line;
}

std::string_view SearchUsageText() { return kUsage; }

}  // namespace velmora::tool
