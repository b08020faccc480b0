#pragma once
// One chart query of velmora-chart: a birth moment and gender, and optionally
// a shown moment with the time layer to lay over the chart. The parser takes
// any bytes and never fails other than by returning a message, so it serves
// the command line, batch lines and fuzzing alike.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "calendar/TableYears.h"

namespace velmora::tool {

inline constexpr int kFirstYear = kFirstSupportedYear;
inline constexpr int kLastYear = kLastSupportedYear;
inline constexpr int kFirstPeriod = 1;   // early 子, on the day itself
inline constexpr int kLastPeriod = 13;   // late 子, counted as the next day
inline constexpr int kFirstLayer = 0;    // 本命
inline constexpr int kLastLayer = 6;     // 流時
inline constexpr int kMale = 1;          // BirthInput::Gender
inline constexpr int kFemale = 0;

struct QueryDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const QueryDate&, const QueryDate&) = default;
};

// The shown moment and the layer: what the main window shows over a charted record.
struct LayerQuery {
    QueryDate date;
    int period = 0;  // 1..13
    int layer = 0;   // 0..6
    friend bool operator==(const LayerQuery&, const LayerQuery&) = default;
};

struct Query {
    QueryDate birthDate;
    int period = 0;  // 1..13
    int gender = 0;  // kMale or kFemale
    std::optional<LayerQuery> at;
    friend bool operator==(const Query&, const Query&) = default;
};

// How DATE and AT-DATE are read: as Gregorian dates, or as lunar dates
// (--lunar, see output/LunarQueryDate.h) handed on as the Gregorian day they name.
enum class DateCalendar { Gregorian, Lunar };

// Either a query or a one-line message naming the field that is wrong.
using ParsedQuery = std::variant<Query, std::string>;

// The three or six fields DATE PERIOD GENDER [AT-DATE AT-PERIOD LAYER].
ParsedQuery ParseQueryFields(std::span<const std::string_view> fields,
                             DateCalendar calendar = DateCalendar::Gregorian);

// One batch line: the same fields separated by blanks or tabs; a trailing CR
// (a CR LF line end) is ignored.
ParsedQuery ParseQueryLine(std::string_view line, DateCalendar calendar = DateCalendar::Gregorian);

// True for a line holding nothing but blanks, tabs and a CR; batch runs skip it.
bool IsBlankLine(std::string_view line);

// The field parsers, each giving nothing for text it does not accept.
// YYYY-MM-DD, a real Gregorian date within 1800-01-01..2200-12-31.
std::optional<QueryDate> ParseDate(std::string_view text);
// 1..13.
std::optional<int> ParsePeriod(std::string_view text);
// M, m, 男 -> kMale; F, f, 女 -> kFemale.
std::optional<int> ParseGender(std::string_view text);
// 0..6.
std::optional<int> ParseLayer(std::string_view text);

// The calendar's ClockHour of a period: (period - 1) x 2, the late 子 period 23.
int ClockHourOfPeriod(int period);

}  // namespace velmora::tool
