#include "output/Query.h"

#include <array>
#include <chrono>
#include <tuple>

#include "output/LunarQueryDate.h"

namespace velmora::tool {

namespace {

constexpr std::size_t kBirthFields = 3;   // DATE PERIOD GENDER
constexpr std::size_t kLayerFields = 6;   // ... AT-DATE AT-PERIOD LAYER
constexpr std::size_t kDateLength = 10;   // YYYY-MM-DD
constexpr std::size_t kMaxNumberDigits = 3;
constexpr std::size_t kQuotedLimit = 40;  // bytes of a bad field repeated in a message
constexpr int kLateZiClockHour = 23;
constexpr int kHoursPerPeriod = 2;

enum class DateFault { None, Form, NoSuchDay, OutOfRange };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsFieldGap(char c) { return c == ' ' || c == '\t'; }

std::string FieldCountMessage(std::size_t count) {
    return "expected DATE PERIOD GENDER [AT-DATE AT-PERIOD LAYER], got " + std::to_string(count) +
           (count == 1 ? " field" : " fields");
}

// A run of 1..3 digits, nothing else: no sign, no blanks.
std::optional<int> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > kMaxNumberDigits) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

int Digits(std::string_view text) {
    int value = 0;
    for (const char c : text) value = value * 10 + (c - '0');
    return value;
}

DateFault CheckDate(std::string_view text, QueryDate& date) {
    if (text.size() != kDateLength || text[4] != '-' || text[7] != '-') return DateFault::Form;
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!IsDigit(text[i])) return DateFault::Form;
    date = {Digits(text.substr(0, 4)), Digits(text.substr(5, 2)), Digits(text.substr(8, 2))};
    const std::chrono::year_month_day ymd{std::chrono::year{date.year},
                                          std::chrono::month{static_cast<unsigned>(date.month)},
                                          std::chrono::day{static_cast<unsigned>(date.day)}};
    if (!ymd.ok()) return DateFault::NoSuchDay;
    if (date.year < kFirstYear || date.year > kLastYear) return DateFault::OutOfRange;
    return DateFault::None;
}

// The start of a bad field, for the message; the JSON writer mends any
// character cut in half.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text.substr(0, kQuotedLimit);
    if (text.size() > kQuotedLimit) quoted += "...";
    quoted += '"';
    return quoted;
}

std::string DateMessage(std::string_view name, std::string_view text, DateFault fault) {
    const std::string head = std::string(name) + " " + Quoted(text);
    switch (fault) {
        case DateFault::Form: return head + " is not a date of the form YYYY-MM-DD";
        case DateFault::NoSuchDay: return head + " is not a day of the Gregorian calendar";
        case DateFault::OutOfRange: return head + " lies outside 1800-01-01..2200-12-31";
        case DateFault::None: break;
    }
    return {};
}

bool IsBefore(const QueryDate& a, const QueryDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

// Parses one date field into `date`; gives a message when it is not accepted.
std::optional<std::string> ReadDate(std::string_view name, std::string_view text, QueryDate& date,
                                    DateCalendar calendar) {
    if (calendar == DateCalendar::Lunar) {
        auto problem = ReadLunarDate(text, date);
        if (problem) return std::string(name) + " " + Quoted(text) + " " + *problem;
        return std::nullopt;
    }
    const DateFault fault = CheckDate(text, date);
    if (fault == DateFault::None) return std::nullopt;
    return DateMessage(name, text, fault);
}

std::optional<std::string> ReadPeriod(std::string_view name, std::string_view text, int& period) {
    const auto value = ParsePeriod(text);
    if (!value) return std::string(name) + " " + Quoted(text) + " is not a period 1..13 (1 early 子 .. 13 late 子)";
    period = *value;
    return std::nullopt;
}

ParsedQuery ParseLayerFields(std::span<const std::string_view> fields, Query query, DateCalendar calendar) {
    LayerQuery at;
    if (auto problem = ReadDate("AT-DATE", fields[0], at.date, calendar)) return *problem;
    // The main window steps a charted record's date from the birth date on.
    if (IsBefore(at.date, query.birthDate)) return "AT-DATE " + Quoted(fields[0]) + " lies before the birth DATE";
    if (auto problem = ReadPeriod("AT-PERIOD", fields[1], at.period)) return *problem;
    const auto layer = ParseLayer(fields[2]);
    if (!layer) return "LAYER " + Quoted(fields[2]) + " is not a layer 0..6 (0 本命 .. 6 流時)";
    at.layer = *layer;
    query.at = at;
    return query;
}

}  // namespace

std::optional<QueryDate> ParseDate(std::string_view text) {
    QueryDate date;
    if (CheckDate(text, date) != DateFault::None) return std::nullopt;
    return date;
}

std::optional<int> ParsePeriod(std::string_view text) {
    const auto value = SmallNumber(text);
    if (!value || *value < kFirstPeriod || *value > kLastPeriod) return std::nullopt;
    return value;
}

std::optional<int> ParseGender(std::string_view text) {
    if (text == "M" || text == "m" || text == "男") return kMale;
    if (text == "F" || text == "f" || text == "女") return kFemale;
    return std::nullopt;
}

std::optional<int> ParseLayer(std::string_view text) {
    const auto value = SmallNumber(text);
    if (!value || *value < kFirstLayer || *value > kLastLayer) return std::nullopt;
    return value;
}

int ClockHourOfPeriod(int period) {
    const int hour = (period - 1) * kHoursPerPeriod;
    return hour >= 24 ? kLateZiClockHour : hour;
}

ParsedQuery ParseQueryFields(std::span<const std::string_view> fields, DateCalendar calendar) {
    if (fields.size() != kBirthFields && fields.size() != kLayerFields) return FieldCountMessage(fields.size());
    Query query;
    if (auto problem = ReadDate("DATE", fields[0], query.birthDate, calendar)) return *problem;
    if (auto problem = ReadPeriod("PERIOD", fields[1], query.period)) return *problem;
    const auto gender = ParseGender(fields[2]);
    if (!gender) return "GENDER " + Quoted(fields[2]) + " is not M, F, 男 or 女";
    query.gender = *gender;
    if (fields.size() == kBirthFields) return query;
    return ParseLayerFields(fields.subspan(kBirthFields), query, calendar);
}

ParsedQuery ParseQueryLine(std::string_view line, DateCalendar calendar) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // Fields past a full query are counted but not kept: the count alone
    // makes the message.
    std::array<std::string_view, kLayerFields> fields{};
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && IsFieldGap(line[pos])) ++pos;
        if (pos == line.size()) break;
        std::size_t end = pos;
        while (end < line.size() && !IsFieldGap(line[end])) ++end;
        if (count < fields.size()) fields[count] = line.substr(pos, end - pos);
        ++count;
        pos = end;
    }
    if (count > fields.size()) return FieldCountMessage(count);
    return ParseQueryFields(std::span<const std::string_view>(fields.data(), count), calendar);
}

bool IsBlankLine(std::string_view line) {
    for (const char c : line)
        if (c != ' ' && c != '\t' && c != '\r') return false;
    return true;
}

}  // namespace velmora::tool
