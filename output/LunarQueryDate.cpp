#include "output/LunarQueryDate.h"

#include <chrono>

#include "calendar/CalendarDay.h"
#include "calendar/LunarToSolar.h"

namespace velmora::tool {

namespace {

constexpr std::size_t kYearDigits = 4;
constexpr std::size_t kMonthDigits = 2;
constexpr std::size_t kDayDigits = 2;
constexpr char kLeapMark = 'L';
constexpr char kSeparator = '-';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Takes exactly `count` digits from the front of `text`.
std::optional<int> TakeDigits(std::string_view& text, std::size_t count) {
    if (text.size() < count) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return value;
}

std::string Padded(int number, std::size_t width) {
    std::string digits = std::to_string(number);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

bool TakeChar(std::string_view& text, char wanted) {
    if (text.empty() || text.front() != wanted) return false;
    text.remove_prefix(1);
    return true;
}

LunarDate LunarDateOf(std::chrono::sys_days day) {
    const std::chrono::year_month_day ymd{day};
    CalendarDay calendar;
    ConvertLunarDate(static_cast<std::int16_t>(static_cast<int>(ymd.year())),
                     static_cast<std::int16_t>(static_cast<unsigned>(ymd.month())),
                     static_cast<std::int16_t>(static_cast<unsigned>(ymd.day())), calendar);
    return {calendar.LunarYear, calendar.LunarMonth, calendar.LunarDay, calendar.LeapKind == kLeapKindLeapMonth};
}

std::string RangeText() {
    const std::chrono::sys_days first = std::chrono::sys_days{std::chrono::year{kFirstYear} / 1 / 1};
    const std::chrono::sys_days last = std::chrono::sys_days{std::chrono::year{kLastYear} / 12 / 31};
    return "lies outside lunar " + LunarDateField(LunarDateOf(first)) + ".." + LunarDateField(LunarDateOf(last)) +
           " (" + std::to_string(kFirstYear) + "-01-01.." + std::to_string(kLastYear) + "-12-31)";
}

std::string FaultText(const LunarDate& date, LunarDateFault fault) {
    const std::string year = std::to_string(date.year);
    const std::string month = std::to_string(date.month);
    switch (fault) {
        case LunarDateFault::YearOutsideTables: return RangeText();
        case LunarDateFault::NoSuchMonth: return "is not a lunar date: there is no month " + month;
        case LunarDateFault::NoSuchLeapMonth:
            return "is not a lunar date: " + year + " has no leap month after month " + month;
        case LunarDateFault::NoSuchDay: {
            const int length = LunarMonthLength(date.year, date.month, date.inLeapMonth).value_or(0);
            return "is not a lunar date: " + std::string(date.inLeapMonth ? "leap month " : "month ") + month +
                   " of " + year + " has " + std::to_string(length) + " days";
        }
        case LunarDateFault::None: break;
    }
    return {};
}

bool InQueryRange(std::chrono::sys_days day) {
    const int year = static_cast<int>(std::chrono::year_month_day{day}.year());
    return year >= kFirstYear && year <= kLastYear;
}

}  // namespace

std::optional<LunarDate> ParseLunarDateText(std::string_view text) {
    LunarDate date;
    const auto year = TakeDigits(text, kYearDigits);
    if (!year || !TakeChar(text, kSeparator)) return std::nullopt;
    const auto month = TakeDigits(text, kMonthDigits);
    if (!month) return std::nullopt;
    date.inLeapMonth = TakeChar(text, kLeapMark);
    if (!TakeChar(text, kSeparator)) return std::nullopt;
    const auto day = TakeDigits(text, kDayDigits);
    if (!day || !text.empty()) return std::nullopt;
    date.year = *year;
    date.month = *month;
    date.day = *day;
    return date;
}

std::optional<std::string> ReadLunarDate(std::string_view text, QueryDate& date) {
    const std::optional<LunarDate> lunar = ParseLunarDateText(text);
    if (!lunar) return "is not a lunar date of the form YYYY-MM-DD (YYYY-MML-DD in a leap month)";
    const LunarDateFault fault = CheckLunarDate(*lunar);
    if (fault != LunarDateFault::None) return FaultText(*lunar, fault);
    const std::chrono::sys_days day = *SolarDateOfLunar(*lunar);
    if (!InQueryRange(day)) return RangeText();
    const std::chrono::year_month_day ymd{day};
    date = {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
    return std::nullopt;
}

std::string LunarDateField(const LunarDate& date) {
    std::string field = Padded(date.year, kYearDigits) + kSeparator + Padded(date.month, kMonthDigits);
    if (date.inLeapMonth) field += kLeapMark;
    return field + kSeparator + Padded(date.day, kDayDigits);
}

}  // namespace velmora::tool
