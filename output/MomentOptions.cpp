#include "output/MomentOptions.h"

#include <array>

#include "moment/MomentText.h"

namespace velmora::tool {
namespace {

// Columns: option, the message when its value is missing, where the value goes.
struct MomentOption {
    std::string_view option;
    std::string_view needs;
    std::optional<std::string> MomentOptions::*target;
};
const std::array<MomentOption, 6> kMomentOptions{{
    {"--place", "--place needs a NAME", &MomentOptions::place},
    {"--longitude", "--longitude needs degrees, east positive", &MomentOptions::longitude},
    {"--zone", "--zone needs an IANA zone such as Asia/Taipei", &MomentOptions::zone},
    {"--utc-offset", "--utc-offset needs an offset such as +08:00", &MomentOptions::utcOffset},
    {"--basis", "--basis needs clock, standard, mean or true", &MomentOptions::basis},
    {"--reading", "--reading needs 1 or 2", &MomentOptions::reading},
}};

constexpr std::string_view kUsage =
    R"(  --place NAME      the birth place from the places list (Chinese or English
                    name); PERIOD may then be the clock time HH:MM
  --longitude DEG   the place's longitude, east positive (with --zone, or over --place's)
  --zone IANA       the clock's zone there, e.g. Asia/Shanghai (over --place's)
  --utc-offset OFF  a fixed offset of the clock instead of a zone, e.g. +08:00 or
                    -04:00 (China before 1950, doubtful records; over --place's)
  --basis B         the time the period is read on: clock (default), standard
                    (daylight saving removed), mean (local mean solar), true (true solar)
  --reading 1|2     which reading of a clock time that occurred twice or was skipped
)";

}  // namespace

std::optional<std::optional<std::string>> ApplyMomentOption(std::string_view option, const std::string* next,
                                                            bool& used, MomentOptions& moment) {
    for (const MomentOption& known : kMomentOptions) {
        const bool bare = option == known.option;
        const bool withValue = option.starts_with(known.option) && option.size() > known.option.size() &&
                               option[known.option.size()] == '=';
        if (!bare && !withValue) continue;
        std::string value;
        if (withValue) value = std::string(option.substr(known.option.size() + 1));
        else if (next != nullptr) {
            value = *next;
            used = true;
        }
        if (value.empty()) return std::optional<std::string>(std::string(known.needs));
        moment.*known.target = std::move(value);
        return std::optional<std::string>();
    }
    return std::nullopt;
}

std::optional<std::string> CheckMomentOptions(const MomentOptions& moment) {
    if (!moment.given()) return std::nullopt;
    if (moment.zone && moment.utcOffset) return "--zone and --utc-offset cannot be used together: give one";
    if (!moment.place && !(moment.longitude && (moment.zone || moment.utcOffset)))
        return "a clock time needs --place NAME, or --longitude DEG with --zone IANA or --utc-offset";
    if (moment.utcOffset && !moment::ParseFixedOffset(QString::fromStdString(*moment.utcOffset)))
        return "--utc-offset must be an offset such as +08:00 or -04:00, not " + *moment.utcOffset;
    if (moment.basis && *moment.basis != "clock" && *moment.basis != "standard" && *moment.basis != "mean" &&
        *moment.basis != "true")
        return "--basis must be clock, standard, mean or true, not " + *moment.basis;
    if (moment.reading && *moment.reading != "1" && *moment.reading != "2")
        return "--reading must be 1 or 2, not " + *moment.reading;
    return std::nullopt;
}

std::string_view MomentUsageText() { return kUsage; }

}  // namespace velmora::tool
