#include "output/SearchOutput.h"

#include <array>
#include <string_view>

#include "output/ChartWords.h"

namespace velmora::tool {

namespace {

// The periods' words, [period 1..13]; [0] unused.
constexpr std::array<std::string_view, kLastPeriod + 1> kPeriodWords{
    "", "早子時", "丑時", "寅時", "卯時", "辰時", "巳時", "午時", "未時", "申時", "酉時", "戌時", "亥時", "晚子時"};
constexpr std::size_t kYearDigits = 4;   // YYYY-MM-DD
constexpr std::size_t kMonthDigits = 2;  // the month and the day

// `value` with at least `digits` digits, zeros in front.
void AppendPadded(int value, std::size_t digits, std::string& out) {
    const std::string text = std::to_string(value);
    if (text.size() < digits) out.append(digits - text.size(), '0');
    out += text;
}

void AppendDate(const QueryDate& date, std::string& out) {
    AppendPadded(date.year, kYearDigits, out);
    out += '-';
    AppendPadded(date.month, kMonthDigits, out);
    out += '-';
    AppendPadded(date.day, kMonthDigits, out);
}

}  // namespace

void AppendSearchHitJson(const SearchHit& hit, std::string& out) {
    out += R"({"date":")";
    AppendDate(hit.date, out);
    out += R"(","period":)";
    out += std::to_string(hit.period);
    out += hit.gender == kMale ? R"(,"gender":"M"})" : R"(,"gender":"F"})";
    out += '\n';
}

void AppendSearchHitText(const SearchHit& hit, std::string& out) {
    AppendDate(hit.date, out);
    out += ' ';
    out += kPeriodWords[static_cast<std::size_t>(hit.period)];
    out += ' ';
    out += GenderWord(hit.gender);
    out += '\n';
}

}  // namespace velmora::tool
