#include "output/CommandLine.h"

#include <array>
#include <charconv>
#include <string>

#include "output/BatchJobs.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kDataOption = "--data";
constexpr std::string_view kDataOptionWithValue = "--data=";

// Columns: option, what it needs, where its value goes. Each takes the next
// argument, or its value after "=".
struct ValueOption {
    std::string_view option;
    std::string_view needs;
    std::optional<std::string> CommandLine::*target;
};
constexpr std::string_view kNameOption = "--name";
constexpr std::string_view kJobsOption = "--jobs";
constexpr std::string_view kScriptOption = "--script";
constexpr std::string_view kWithOption = "--with";
constexpr std::string_view kWithPrefix = "--with-";
constexpr std::string_view kWithProfileOption = "--with-profile";
constexpr std::size_t kWithFields = 3;  // DATE PERIOD GENDER
constexpr std::string_view kYearsOption = "--years";
const std::array<ValueOption, 2> kFileOptions{{
    {"--png", "--png needs a FILE", &CommandLine::pngFile},
    {"--pdf", "--pdf needs a FILE", &CommandLine::pdfFile},
}};

constexpr std::string_view kUsage =
    R"(usage: velmora-chart [--data DIR] [--lunar] [--names] [--text] [--script S] [--relations] [--patterns]
                     DATE PERIOD GENDER [AT-DATE AT-PERIOD LAYER]
       velmora-chart [--data DIR] [--lunar] [--names] [--flying] [--script S] [--jobs N]
                     [--relations] [--patterns] --batch [FILE]
       velmora-chart [--data DIR] [--lunar] [--names] [--text] [--script S]
                     DATE PERIOD GENDER --with DATE PERIOD GENDER [--with-lunar] [--with-profile NAME]
       velmora-chart [--data DIR] [--names] [--script S] [--flying] --all-periods DATE GENDER
       velmora-chart [--data DIR] [--lunar] [--text] [--script S] [--name NAME] [--png FILE] [--pdf FILE]
                     DATE PERIOD GENDER [AT-DATE AT-PERIOD LAYER]
       velmora-chart [--data DIR] [--lunar] [--text | --csv] [--script S] --years FROM-TO DATE PERIOD GENDER
       velmora-chart search QUERY [--from DATE] [--to DATE] [--gender M|F] [--jobs N] [--text]
                     (the births whose chart fulfils QUERY; see velmora-chart search --help)

Computes Zi Wei Dou Shu charts with the engine and the reference files of
Velmora and prints them as JSON (one object a line, UTF-8).

  DATE, AT-DATE     YYYY-MM-DD, 1800-01-01..2200-12-31
  PERIOD, AT-PERIOD 1..13: 1 early 子, 2 丑, .. 12 亥, 13 late 子 (counts as the next day)
  GENDER            M or F (m, f, 男, 女 too)
  LAYER             0 本命, 1 大限, 2 小限, 3 流年, 4 流月, 5 流日, 6 流時
  --data DIR        folder of ProperN, Mia and Four (default: the executable's folder)
  --lunar           DATE and AT-DATE are lunar dates YYYY-MM-DD, "L" after the
                    month for a leap month (2020-04L-15), lunar 1799-12-07..2200-11-25;
                    the chart is the one of the Gregorian day they name
  --names           add a "names" object with the words beside the numbers
  --text            print a readable chart in Chinese instead of JSON
  --batch [FILE]    one query a line (DATE PERIOD GENDER [AT-DATE AT-PERIOD LAYER]),
                    FILE absent or "-" reads standard input; blank lines are skipped;
                    one JSON object a line in order, {"line":N,"error":"..."} for a
                    bad line; exit status 1 when any line failed
  --jobs N          answer a batch with N threads (1..64, default 1); the output
                    is the same, in the same order
  --flying          add "flying": each palace's stem's 祿 權 科 忌 with the star and
                    the branch holding it (with --text: one line a palace), the
                    自化 as 離心 and 向心, and with a layer its own flights
                    ("layerFlying"); with --batch too
  --relations       add "relations": each palace's opposite, trines, flanks, hidden
                    partner (暗合) and the major stars it borrows (with --text: a block)
  --patterns        add "patterns": the named patterns (格局) on the life palace, and
                    "layerPatterns" on the shown layer's palace (with --text: a block)
  --with DATE PERIOD GENDER
                    lay a second birth over the chart: add "overlay" with each
                    branch's palace in both charts, each birth year's 祿 權 科 忌
                    in the other's chart and where they meet (with --text: blocks);
                    in --batch a line gives its own after "/" (DATE PERIOD GENDER
                    [AT-DATE AT-PERIOD LAYER] / DATE PERIOD GENDER)
  --with-lunar      the second birth's DATE is a lunar date (as --lunar)
  --with-profile NAME
                    the second person's school (default: the first's conventions)
  --with-place NAME, --with-longitude DEG, --with-zone IANA, --with-utc-offset O,
  --with-basis B, --with-reading N
                    the second birth's clock time at a place, as the options
                    below for the first; its PERIOD may then be HH:MM
  --all-periods     the thirteen charts of DATE and GENDER, periods 1..13, as one
                    JSON array (for a birth whose hour is not known)
  --years FROM-TO   a row for each year FROM..TO (1800..2200, not before the
                    birth's lunar year), computed at the day the year turns:
                    the age, the 大限, 小限 and 流年 palaces and their four
                    transformations, one JSON object a year
  --csv             with --years: one CSV line a year under a header line
  --png FILE        draw the chart as the program's board does into a PNG picture
                    (twice the screen's pixel density) instead of printing JSON
  --pdf FILE        the same board on one A4 landscape PDF page, as vectors
  --profile NAME    chart under a school's conventions: Velmora (default), 全書派, 中州派
  --convention KEY=VALUE
                    one convention over the profile (repeatable); the keys and
                    their values are listed in tools/README.md
  --compare         add "compare": what each other value of each convention changes
  --script S        the script of the words of --names, --text and the pictures:
                    traditional (default) or simplified (converted by OpenCC);
                    the files are read as they are, always Traditional
  --name NAME       the owner's name on the drawn board and in the PDF's title
                    (--png and --pdf draw without a display; with --text the
                    text is printed as well)
  -h, --help        this text
  --version         the version ("velmora-chart X.Y.Z")

Exit status: 0 done, 1 some batch lines failed, 2 bad arguments or files.
The JSON shape and the "names" object are described in tools/README.md.
)";

bool IsOption(std::string_view argument) { return argument.size() > 1 && argument.front() == '-'; }

struct Pending {
    CommandLine line;
    std::vector<std::string_view> positional;
};

// True for "--x" and "--x=VALUE" when `name` is "--x".
bool IsValueOption(std::string_view option, std::string_view name) {
    return option == name || (option.starts_with(name) && option.size() > name.size() && option[name.size()] == '=');
}

// The value of a value option from "--x=VALUE" or the next argument into
// `value`; the message `needs` when there is none or it is empty.
std::optional<std::string> TakeValue(std::string_view option, std::string_view name, std::string_view needs,
                                     const std::string* next, bool& used, std::string& value) {
    if (option.size() > name.size()) {
        value = std::string(option.substr(name.size() + 1));
    } else if (next != nullptr) {
        value = *next;
        used = true;
    }
    if (value.empty()) return std::string(needs);
    return std::nullopt;
}

// --jobs N: a whole number of threads, 1..kMaxJobs.
std::optional<std::string> TakeJobs(std::string_view option, const std::string* next, bool& used, CommandLine& line) {
    std::string value;
    if (auto problem = TakeValue(option, kJobsOption, "--jobs needs a number of threads", next, used, value))
        return problem;
    int jobs = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), jobs);
    if (error != std::errc() || end != value.data() + value.size() || jobs < 1 || jobs > kMaxJobs)
        return "--jobs \"" + value + "\" is not a number of threads 1.." + std::to_string(kMaxJobs);
    line.jobs = jobs;
    return std::nullopt;
}

// --script S: traditional or simplified.
std::optional<std::string> TakeScript(std::string_view option, const std::string* next, bool& used, CommandLine& line) {
    std::string value;
    if (auto problem = TakeValue(option, kScriptOption, "--script needs traditional or simplified", next, used, value))
        return problem;
    const std::optional<Script> script = ScriptFromKey(value);
    if (!script) return "--script \"" + value + "\" is not traditional or simplified";
    line.script = *script;
    return std::nullopt;
}

// --years FROM-TO.
std::optional<std::string> TakeYears(std::string_view option, const std::string* next, bool& used, CommandLine& line) {
    std::string value;
    if (auto problem = TakeValue(option, kYearsOption, "--years needs FROM-TO", next, used, value)) return problem;
    line.years = ParseYearSpan(value);
    if (!line.years) return "--years \"" + value + "\" is not FROM-TO, two years 1800..2200 in order";
    return std::nullopt;
}

// Applies one option; gives a message for an unknown one. `next` is the
// argument after it, for options that take a value; `used` says it was taken.
std::optional<std::string> ApplyOption(std::string_view option, const std::string* next, bool& used,
                                       CommandLine& line) {
    if (auto applied = ApplyMomentOption(option, next, used, line.moment)) return *applied;
    // --with-place and the others: the second birth's moment options, named
    // as the first's with "with-" after the dashes.
    if (option.starts_with("--with-")) {
        const std::string own = "--" + std::string(option.substr(kWithPrefix.size()));
        if (auto applied = ApplyMomentOption(own, next, used, line.withMoment)) return *applied;
    }
    for (const ValueOption& file : kFileOptions) {
        if (!IsValueOption(option, file.option)) continue;
        std::string value;
        auto problem = TakeValue(option, file.option, file.needs, next, used, value);
        if (!problem) line.*file.target = std::move(value);
        return problem;
    }
    if (IsValueOption(option, "--profile"))
        return TakeValue(option, "--profile", "--profile needs a NAME", next, used, line.profile);
    if (IsValueOption(option, "--convention")) {
        std::string piece;
        auto problem = TakeValue(option, "--convention", "--convention needs KEY=VALUE", next, used, piece);
        if (!problem) line.conventionPieces.push_back(std::move(piece));
        return problem;
    }
    if (IsValueOption(option, kWithProfileOption)) {
        std::string name;
        auto problem = TakeValue(option, kWithProfileOption, "--with-profile needs a NAME", next, used, name);
        if (!problem) line.withProfile = std::move(name);
        return problem;
    }
    if (IsValueOption(option, kYearsOption)) return TakeYears(option, next, used, line);
    if (option == "--compare") {
        line.compare = true;
        return std::nullopt;
    }
    if (IsValueOption(option, kJobsOption)) return TakeJobs(option, next, used, line);
    if (IsValueOption(option, kScriptOption)) return TakeScript(option, next, used, line);
    if (IsValueOption(option, kNameOption))
        return TakeValue(option, kNameOption, "--name needs a NAME", next, used, line.personName);
    if (option == "--names") line.names = true;
    else if (option == "--text") line.text = true;
    else if (option == "--batch") line.batch = true;
    else if (option == "--lunar") line.lunar = true;
    else if (option == "--flying") line.flying = true;
    else if (option == "--csv") line.csv = true;
    else if (option == "--all-periods") line.allPeriods = true;
    else if (option == "--relations") line.reading.relations = true;
    else if (option == "--patterns") line.reading.patterns = true;
    else if (option == "--with-lunar") line.overlay.calendar = DateCalendar::Lunar;
    else if (option == "-h" || option == "--help") line.help = true;
    else if (option == "--version") line.version = true;
    else if (option.starts_with(kDataOptionWithValue)) line.dataFolder = std::string(option.substr(kDataOptionWithValue.size()));
    else if (option == kDataOption) {
        if (next == nullptr) return "--data needs a folder";
        line.dataFolder = *next;
        used = true;
    } else {
        return "unknown option " + std::string(option) + " (see --help)";
    }
    if (line.dataFolder && line.dataFolder->empty()) return "--data needs a folder";
    return std::nullopt;
}

// The profile first, then each --convention over it in order.
std::optional<std::string> ResolveConventions(CommandLine& line) {
    const ConventionProfile* profile = ProfileNamed(line.profile);
    if (profile == nullptr) return UnknownProfileMessage(line.profile);
    line.conventions = profile->conventions;
    for (const std::string& piece : line.conventionPieces) {
        if (auto problem = SetConventionPiece(line.conventions, piece)) return problem;
    }
    return std::nullopt;
}

// The second birth of --with and its school, the first person's unless
// --with-profile names another.
std::optional<std::string> FinishOverlay(CommandLine& line) {
    const bool secondOptions = line.withProfile || line.overlay.calendar == DateCalendar::Lunar;
    if (line.withFields.empty() && secondOptions && !line.batch)
        return "--with-lunar and --with-profile are for the second birth of --with";
    if (line.withProfile) {
        const ConventionProfile* profile = ProfileNamed(*line.withProfile);
        if (profile == nullptr) return UnknownProfileMessage(*line.withProfile);
        line.overlay.conventions = profile->conventions;
    }
    if (line.withMoment.given() && line.withFields.empty())
        return "--with-place and the other moment options are for the second birth of --with";
    if (line.withFields.empty()) return std::nullopt;
    if (line.allPeriods || line.picture()) return "--with lays a second birth over one chart or every --batch line";
    if (line.withMoment.given()) {
        // The clock time is read once the places list is at hand (tools/main.cpp).
        if (line.overlay.calendar == DateCalendar::Lunar) return "--with-lunar reads a date of the calendar, not a clock time at a place";
        return CheckMomentOptions(line.withMoment);
    }
    const std::vector<std::string_view> fields(line.withFields.begin(), line.withFields.end());
    ParsedQuery with = ParseSecondBirth(fields, line.overlay.calendar);
    if (auto* problem = std::get_if<std::string>(&with)) return std::move(*problem);
    line.overlay.with = std::get<Query>(with);
    return std::nullopt;
}

// DATE GENDER: the query of period 1, which the run repeats for every period.
ParsedCommandLine FinishAllPeriods(Pending pending) {
    CommandLine& line = pending.line;
    if (line.batch || line.text || line.picture())
        return "--all-periods writes one JSON array; it cannot be used with --batch, --text, --png or --pdf";
    if (line.reading.any()) return "--relations and --patterns are for one chart or --batch; they cannot be used with --all-periods";
    if (line.moment.given()) return "--all-periods charts every period of DATE; it takes no clock time or place";
    if (pending.positional.size() != 2) return "--all-periods needs DATE GENDER";
    const std::string firstPeriod = std::to_string(kFirstPeriod);
    const std::array<std::string_view, 3> fields{pending.positional[0], firstPeriod, pending.positional[1]};
    ParsedQuery query = ParseQueryFields(fields, line.lunar ? DateCalendar::Lunar : DateCalendar::Gregorian);
    if (auto* problem = std::get_if<std::string>(&query)) return std::move(*problem);
    line.query = std::get<Query>(query);
    return line;
}

// The one birth of the positional fields: DATE PERIOD GENDER as a query, or
// kept as typed for a clock time at a place.
ParsedCommandLine FinishBirth(Pending pending) {
    CommandLine& line = pending.line;
    if (line.moment.given()) {
        if (line.lunar) return "--lunar reads dates of the calendar; a clock time at a place is a Gregorian date";
        line.momentFields.assign(pending.positional.begin(), pending.positional.end());
        return line;
    }
    ParsedQuery query =
        ParseQueryFields(pending.positional, line.lunar ? DateCalendar::Lunar : DateCalendar::Gregorian);
    if (auto* problem = std::get_if<std::string>(&query)) return std::move(*problem);
    line.query = std::get<Query>(query);
    return line;
}

// DATE PERIOD GENDER of the birth whose years are listed; PERIOD may be a
// clock time at a place.
ParsedCommandLine FinishYears(Pending pending) {
    CommandLine& line = pending.line;
    if (line.overlay.with || !line.withFields.empty()) return "--years writes one birth's rows; it cannot be used with --with";
    if (line.batch || line.allPeriods || line.picture() || line.compare || line.flying)
        return "--years writes one birth's rows; it cannot be used with --batch, --all-periods, --png, --pdf, --compare or --flying";
    if (line.text && line.csv) return "--text and --csv are two forms of the rows; give one";
    if (line.names) return "--years writes numbers in JSON; --text and --csv write the words";
    if (line.reading.any()) return "--years reads each year's patterns itself; --relations and --patterns are for one chart or --batch";
    if (pending.positional.size() != 3) return "--years needs DATE PERIOD GENDER";
    return FinishBirth(std::move(pending));
}

ParsedCommandLine Finish(Pending pending) {
    CommandLine& line = pending.line;
    if (line.help || line.version) return line;
    if (line.jobs != 1 && !line.batch) return "--jobs is for --batch";
    if (auto problem = ResolveConventions(line)) return std::move(*problem);
    if (!line.personName.empty() && !line.picture()) return "--name is for the drawn chart of --png and --pdf";
    if (auto problem = CheckMomentOptions(line.moment)) return *problem;
    if (auto problem = FinishOverlay(line)) return std::move(*problem);
    if (line.moment.given() && line.picture()) return "--png and --pdf draw a chart of DATE PERIOD; give the period, not a clock time";
    if (line.csv && !line.years) return "--csv writes the rows of --years";
    if (line.years) return FinishYears(std::move(pending));
    if (line.allPeriods) return FinishAllPeriods(std::move(pending));
    if (line.batch) {
        if (line.text) return "--text prints one chart; it cannot be used with --batch";
        if (line.picture()) return "--png and --pdf draw one chart; they cannot be used with --batch";
        if (pending.positional.size() > 1) return "--batch takes at most one FILE";
        if (!pending.positional.empty()) line.batchFile = std::string(pending.positional.front());
        return line;
    }
    return FinishBirth(std::move(pending));
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    Pending pending;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!IsOption(argument)) {
            pending.positional.push_back(argument);
            continue;
        }
        if (argument == kWithOption) {
            // The second birth's three fields follow --with, options or not.
            if (i + kWithFields >= arguments.size()) return "--with needs DATE PERIOD GENDER";
            pending.line.withFields.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                           arguments.begin() + static_cast<std::ptrdiff_t>(i + kWithFields) + 1);
            i += kWithFields;
            continue;
        }
        const std::string* next = i + 1 < arguments.size() ? &arguments[i + 1] : nullptr;
        bool used = false;
        if (auto problem = ApplyOption(argument, next, used, pending.line)) return *problem;
        if (used) ++i;
    }
    return Finish(std::move(pending));
}

std::string_view UsageText() {
    // The moment options' lines go before -h, --help.
    static const std::string text = [] {
        std::string usage(kUsage);
        usage.insert(usage.find("  -h, --help"), MomentUsageText());
        return usage;
    }();
    return text;
}

}  // namespace velmora::tool
