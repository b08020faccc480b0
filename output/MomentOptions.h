#pragma once
// The birth-moment options of velmora-chart: where the clock time was read
// (--place NAME, or --longitude DEG with --zone IANA or a fixed
// --utc-offset for doubtful records), the basis the period
// is read on and the reading of a repeated or skipped clock time. With them
// PERIOD may be a clock time HH:MM, on the command line and on batch lines.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::tool {

struct MomentOptions {
    std::optional<std::string> place;      // --place NAME, from the places list
    std::optional<std::string> longitude;  // --longitude DEG, east positive
    std::optional<std::string> zone;       // --zone IANA
    std::optional<std::string> utcOffset;  // --utc-offset ±HH:MM, used instead of a zone
    std::optional<std::string> basis;      // --basis clock|standard|mean|true
    std::optional<std::string> reading;    // --reading 1|2

    bool given() const { return place || longitude || zone || utcOffset || basis || reading; }
};

// Applies `option` when it is one of the moment options: the outer optional
// is unset for any other option, the inner one holds a message when the
// option lacks its value. `next` and `used` as for the other value options.
std::optional<std::optional<std::string>> ApplyMomentOption(std::string_view option, const std::string* next,
                                                            bool& used, MomentOptions& moment);

// Checks the options together; a message when they cannot make a moment.
std::optional<std::string> CheckMomentOptions(const MomentOptions& moment);

// The usage lines of the options.
std::string_view MomentUsageText();

}  // namespace velmora::tool
