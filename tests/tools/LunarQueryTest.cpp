// velmora-chart --lunar in process: every supported day asked as its lunar
// date gives the chart of the Gregorian day, and lunar dates the calendar
// does not hold are refused by name, on the command line and in a batch.

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "calendar/CalendarDay.h"
#include "output/BatchRun.h"
#include "output/ChartJson.h"
#include "output/CommandLine.h"
#include "output/LunarQueryDate.h"
#include "output/ReferenceLoad.h"

namespace velmora::tool {
namespace {

constexpr std::chrono::sys_days kFirstDay{std::chrono::year{kFirstYear} / 1 / 1};
constexpr std::chrono::sys_days kLastDay{std::chrono::year{kLastYear} / 12 / 31};
constexpr int kLayerCount = kLastLayer + 1;
constexpr int kAtDaysLater = 4000;  // about eleven years on: another year, month and day of the cycles

const ReferenceTables& Shipped() {
    static const ReferenceTables tables = [] {
        ReferenceTables t;
        const LoadOutcome outcome = LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, t);
        EXPECT_FALSE(outcome.error.has_value()) << *outcome.error;
        return t;
    }();
    return tables;
}

std::string GregorianField(std::chrono::sys_days day) {
    const std::chrono::year_month_day ymd{day};
    char field[16];
    std::snprintf(field, sizeof field, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return field;
}

std::string LunarField(std::chrono::sys_days day) {
    const std::chrono::year_month_day ymd{day};
    CalendarDay calendar;
    ConvertLunarDate(static_cast<std::int16_t>(static_cast<int>(ymd.year())),
                     static_cast<std::int16_t>(static_cast<unsigned>(ymd.month())),
                     static_cast<std::int16_t>(static_cast<unsigned>(ymd.day())), calendar);
    return LunarDateField(
        {calendar.LunarYear, calendar.LunarMonth, calendar.LunarDay, calendar.LeapKind == kLeapKindLeapMonth});
}

// The JSON of one query line, or its message.
std::string Answer(const std::string& line, DateCalendar calendar) {
    const ParsedQuery parsed = ParseQueryLine(line, calendar);
    if (const auto* problem = std::get_if<std::string>(&parsed)) return "refused: " + *problem;
    ChartResult result;
    if (auto problem = ComputeQuery(std::get<Query>(parsed), Shipped(), result)) return "failed: " + *problem;
    std::string json;
    AppendChartJson(result, nullptr, json);
    return json;
}

TEST(LunarQuery, EveryDayAskedAsItsLunarDateGivesTheGregorianChart) {
    int index = 0;
    for (std::chrono::sys_days day = kFirstDay; day <= kLastDay; day += std::chrono::days{1}, ++index) {
        const std::chrono::sys_days at = std::min(day + std::chrono::days{kAtDaysLater}, kLastDay);
        // Period, gender and layer turn with the day, so every combination comes round.
        const std::string rest = " " + std::to_string(index % kLastPeriod + 1) + (index % 2 ? " M " : " F ");
        const std::string tail = " " + std::to_string(index % 11 + 1) + " " + std::to_string(index % kLayerCount);
        const std::string gregorian = GregorianField(day) + rest + GregorianField(at) + tail;
        const std::string lunar = LunarField(day) + rest + LunarField(at) + tail;
        const std::string expected = Answer(gregorian, DateCalendar::Gregorian);
        ASSERT_TRUE(expected.starts_with("{")) << gregorian << ": " << expected;
        ASSERT_EQ(Answer(lunar, DateCalendar::Lunar), expected) << lunar;
    }
}

// Columns: batch line read with --lunar; the text its message must hold
// ("" for a line that is accepted).
struct LunarRow {
    const char* line;
    const char* messagePart;
};
const LunarRow kLunarRows[] = {
    {"2020-04L-15 1 M", ""},
    {"1799-12-07 1 M", ""},                        // 1800-01-01, the first day
    {"2200-11-25 13 F 2200-11-25 13 6", ""},       // 2200-12-31, the last day
    {"2024-01-30 1 M", "DATE \"2024-01-30\" is not a lunar date: month 1 of 2024 has 29 days"},
    {"2023-02L-30 1 M", "leap month 2 of 2023 has 29 days"},
    {"2021-04L-01 1 M", "DATE \"2021-04L-01\" is not a lunar date: 2021 has no leap month after month 4"},
    {"2020-05L-01 1 M", "2020 has no leap month after month 5"},
    {"2024-13-01 1 M", "there is no month 13"},
    {"2024-00-01 1 M", "there is no month 0"},
    {"2024-01-00 1 M", "month 1 of 2024 has 29 days"},
    {"1799-12-06 1 M", "lies outside lunar 1799-12-07..2200-11-25"},
    {"2200-11-26 1 M", "lies outside lunar"},
    {"1798-01-01 1 M", "lies outside lunar"},
    {"2020-4L-15 1 M", "is not a lunar date of the form YYYY-MM-DD"},
    {"2020-04l-15 1 M", "of the form"},
    {"2020-04LL-15 1 M", "of the form"},
    {"2020/04/15 1 M", "of the form"},
    {"2000-01-01 1 M 2021-04L-01 1 3", "AT-DATE \"2021-04L-01\" is not a lunar date"},
    {"2000-01-02 1 M 2000-01-01 1 3", "AT-DATE \"2000-01-01\" lies before the birth DATE"},
};

TEST(LunarQuery, LinesAreAcceptedOrTheLunarDateIsNamed) {
    for (const LunarRow& row : kLunarRows) {
        const ParsedQuery parsed = ParseQueryLine(row.line, DateCalendar::Lunar);
        const std::string expected(row.messagePart);
        if (expected.empty()) {
            EXPECT_TRUE(std::holds_alternative<Query>(parsed)) << row.line << ": " << std::get<std::string>(parsed);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << row.line;
        EXPECT_NE(std::get<std::string>(parsed).find(expected), std::string::npos)
            << row.line << ": " << std::get<std::string>(parsed);
    }
}

TEST(LunarQuery, TheCommandLineReadsLunarDatesOnlyWithTheOption) {
    const auto lunar = ParseCommandLine({"2020-04L-15", "7", "F", "--lunar"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(lunar));
    EXPECT_EQ(std::get<CommandLine>(lunar).query.birthDate, (QueryDate{2020, 6, 6}));
    const auto refused = ParseCommandLine({"--lunar", "2021-04L-01", "7", "F"});
    ASSERT_TRUE(std::holds_alternative<std::string>(refused));
    EXPECT_EQ(std::get<std::string>(refused), "DATE \"2021-04L-01\" is not a lunar date: 2021 has no leap month after month 4");
    EXPECT_TRUE(std::holds_alternative<std::string>(ParseCommandLine({"2020-04L-15", "7", "F"})));
}

TEST(LunarQuery, ABatchAnswersAnImpossibleLunarDateWithAnErrorObjectForItsLine) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const std::string input = "2020-04L-15 7 F\n2021-04L-01 7 F\n";
    ASSERT_EQ(::write(pipeEnds[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    ::close(pipeEnds[1]);
    std::FILE* output = std::tmpfile();
    OutputBuffer out(output);
    const BatchOutcome outcome = RunBatch(pipeEnds[0], Shipped(), nullptr, out, {DateCalendar::Lunar, {}, nullptr, {}});
    ::close(pipeEnds[0]);
    EXPECT_EQ(outcome.failedLines, 1);
    ASSERT_TRUE(out.flush());
    std::rewind(output);
    char line[4096];
    ASSERT_NE(std::fgets(line, sizeof line, output), nullptr);
    EXPECT_EQ(std::string(line), Answer("2020-06-06 7 F", DateCalendar::Gregorian) + "\n");
    ASSERT_NE(std::fgets(line, sizeof line, output), nullptr);
    EXPECT_EQ(std::string(line), "{\"line\":2,\"error\":\"DATE \\\"2021-04L-01\\\" is not a lunar date: 2021 has no "
                                 "leap month after month 4\"}\n");
    std::fclose(output);
}

}  // namespace
}  // namespace velmora::tool
