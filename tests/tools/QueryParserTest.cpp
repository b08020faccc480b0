// The query parser and the command line: which fields are accepted, what a
// refused one is called in the message, and how options combine.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/CommandLine.h"
#include "output/Query.h"

namespace velmora::tool {
namespace {

// Columns: batch line, accepted?, a text the message must hold (refused lines).
struct LineRow {
    const char* line;
    bool accepted;
    const char* messagePart;
};

const LineRow kLineRows[] = {
    {"2000-01-01 1 M", true, ""},
    {"1901-01-01 13 F", true, ""},
    {"2099-12-31 13 女", true, ""},
    {"2024-02-29 7 男", true, ""},
    {"2000-01-01\t01 m\r", true, ""},
    {"  2000-01-01   1   f  ", true, ""},
    {"2000-01-01 1 M 2000-01-01 1 0", true, ""},
    {"2000-01-01 1 M 2099-12-31 13 6", true, ""},
    {"2001-02-29 1 M", false, "DATE \"2001-02-29\" is not a day"},
    {"1900-02-29 1 M", false, "not a day"},
    {"2000-13-01 1 M", false, "not a day"},
    {"2000-04-31 1 M", false, "not a day"},
    {"2000-00-10 1 M", false, "not a day"},
    {"1799-12-31 1 M", false, "lies outside 1800-01-01..2200-12-31"},
    {"2201-01-01 1 M", false, "lies outside"},
    {"2000-1-1 1 M", false, "YYYY-MM-DD"},
    {"2000/01/01 1 M", false, "YYYY-MM-DD"},
    {"20000-01-01 1 M", false, "YYYY-MM-DD"},
    // a wrong separator or character in any place of either date
    {"2000.01-01 1 M", false, "DATE \"2000.01-01\" is not a date"},
    {"2000-01.01 1 M", false, "YYYY-MM-DD"},
    {"2000-01/01 1 M", false, "YYYY-MM-DD"},
    {"2000-01 01 1 M", false, "got 4 fields"},
    {"2000-01-01- 1 M", false, "YYYY-MM-DD"},
    {"200-001-01 1 M", false, "YYYY-MM-DD"},
    {"2000-001-1 1 M", false, "YYYY-MM-DD"},
    {"2000-01-0x 1 M", false, "YYYY-MM-DD"},
    {"x000-01-01 1 M", false, "YYYY-MM-DD"},
    {"2000\xe2\x80\x90" "01-01 1 M", false, "YYYY-MM-DD"},
    {"+2000-01-01 1 M", false, "YYYY-MM-DD"},
    {"2000-01-01 1 M 2024/01-01 1 3", false, "AT-DATE \"2024/01-01\" is not a date"},
    {"2000-01-01 1 M 2024-01_01 1 3", false, "AT-DATE"},
    {"2000-01-01 1 M 2024-01/01 1 3", false, "AT-DATE"},
    {"2000-01-01 1 M 2024-01-1 1 3", false, "AT-DATE"},
    {"2000-01-01 0 M", false, "PERIOD \"0\""},
    {"2000-01-01 14 M", false, "PERIOD \"14\""},
    {"2000-01-01 -1 M", false, "PERIOD"},
    {"2000-01-01 +1 M", false, "PERIOD"},
    {"2000-01-01 0001 M", false, "PERIOD"},
    // periods and layers of up to three digits, leading zeros allowed
    {"2000-01-01 006 M", true, ""},
    {"2000-01-01 013 M 2024-01-01 001 006", true, ""},
    {"2000-01-01 014 M", false, "PERIOD \"014\""},
    {"2000-01-01 000 M", false, "PERIOD"},
    {"2000-01-01 1 M 2024-01-01 0013 3", false, "AT-PERIOD \"0013\""},
    {"2000-01-01 1 M 2024-01-01 1 007", false, "LAYER \"007\""},
    {"2000-01-01 1 M 2024-01-01 1 0006", false, "LAYER"},
    {"2000-01-01 6.0 M", false, "PERIOD"},
    {"2000-01-01 \xef\xbc\x96 M", false, "PERIOD"},
    {"2000-01-01 1 X", false, "GENDER \"X\""},
    {"2000-01-01 1 MF", false, "GENDER"},
    {"2000-01-01 1 M 2024-01-01 1 7", false, "LAYER \"7\""},
    {"2000-01-01 1 M 2024-01-01 1 -1", false, "LAYER"},
    {"2000-01-01 1 M 2024-01-01 0 3", false, "AT-PERIOD \"0\""},
    {"2000-01-01 1 M 2024-02-30 1 3", false, "AT-DATE \"2024-02-30\""},
    {"2000-01-02 1 M 2000-01-01 1 3", false, "AT-DATE \"2000-01-01\" lies before the birth DATE"},
    {"2000-01-01 1", false, "got 2 fields"},
    {"2000-01-01 1 M 2024-01-01", false, "got 4 fields"},
    {"2000-01-01 1 M 2024-01-01 1 3 9", false, "got 7 fields"},
    {"2000-01-01 1 M 2024-01-01 1 3 9 9 9 9", false, "got 10 fields"},
    {"\xff\xfe 1 M", false, "DATE"},
};

TEST(QueryParser, BatchLinesAreAcceptedOrNamedInTheMessage) {
    for (const LineRow& row : kLineRows) {
        const ParsedQuery parsed = ParseQueryLine(row.line);
        if (row.accepted) {
            EXPECT_TRUE(std::holds_alternative<Query>(parsed)) << row.line << ": " << std::get<std::string>(parsed);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << row.line;
        EXPECT_NE(std::get<std::string>(parsed).find(row.messagePart), std::string::npos)
            << row.line << " -> " << std::get<std::string>(parsed);
    }
}

TEST(QueryParser, FieldsBecomeTheQuery) {
    const ParsedQuery parsed = ParseQueryLine("1984-12-31 13 女 2035-07-27 2 5");
    ASSERT_TRUE(std::holds_alternative<Query>(parsed));
    const Query& q = std::get<Query>(parsed);
    EXPECT_EQ(q.birthDate, (QueryDate{1984, 12, 31}));
    EXPECT_EQ(q.period, 13);
    EXPECT_EQ(q.gender, kFemale);
    ASSERT_TRUE(q.at.has_value());
    EXPECT_EQ(*q.at, (LayerQuery{{2035, 7, 27}, 2, 5}));
    EXPECT_FALSE(std::get<Query>(ParseQueryLine("1984-12-31 1 M")).at.has_value());
    const Query padded = std::get<Query>(ParseQueryLine("2000-01-01 006 M 2024-01-01 013 006"));
    EXPECT_EQ(padded.period, 6);
    EXPECT_EQ(*padded.at, (LayerQuery{{2024, 1, 1}, 13, 6}));
}

TEST(QueryParser, PeriodsGiveTheirClockHours) {
    // Columns: period, ClockHour.
    const int rows[][2] = {{1, 0}, {2, 2}, {7, 12}, {12, 22}, {13, 23}};
    for (const auto& row : rows) EXPECT_EQ(ClockHourOfPeriod(row[0]), row[1]) << "period " << row[0];
}

TEST(QueryParser, BlankLines) {
    for (const char* line : {"", " ", "\t \r", "\r"}) EXPECT_TRUE(IsBlankLine(line)) << '"' << line << '"';
    for (const char* line : {"x", " 2000-01-01", "\f"}) EXPECT_FALSE(IsBlankLine(line)) << '"' << line << '"';
}

TEST(QueryParser, LongFieldsAreCutInTheMessage) {
    const std::string longField(10000, '9');
    const ParsedQuery parsed = ParseQueryLine(longField + " 1 M");
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
    EXPECT_LT(std::get<std::string>(parsed).size(), 200u);
}

// Columns: arguments, accepted?, a text the message must hold (refused ones).
struct CommandRow {
    std::vector<std::string> arguments;
    bool accepted;
    const char* messagePart;
};

TEST(CommandLineParser, ArgumentsAreAcceptedOrNamedInTheMessage) {
    const CommandRow rows[] = {
        {{"2000-01-01", "1", "M"}, true, ""},
        {{"--names", "--text", "2000-01-01", "1", "M", "2024-01-01", "1", "3"}, true, ""},
        {{"2000-01-01", "--names", "1", "M"}, true, ""},
        {{"--data", "/tmp", "2000-01-01", "1", "M"}, true, ""},
        {{"--data=/tmp", "2000-01-01", "1", "M"}, true, ""},
        {{"--batch"}, true, ""},
        {{"--batch", "-"}, true, ""},
        {{"--names", "--batch", "queries.txt"}, true, ""},
        {{"--help"}, true, ""},
        {{}, false, "got 0 fields"},
        {{"2000-01-01", "1", "M", "extra"}, false, "got 4 fields"},
        {{"2000-01-01", "1", "M", "2024-01-01", "1", "3", "extra"}, false, "got 7 fields"},
        {{"--data"}, false, "--data needs a folder"},
        {{"--data="}, false, "--data needs a folder"},
        {{"--colour", "2000-01-01", "1", "M"}, false, "unknown option --colour"},
        {{"--batch", "a", "b"}, false, "at most one FILE"},
        {{"--batch", "--text"}, false, "cannot be used with --batch"},
        {{"2000-02-30", "1", "M"}, false, "DATE \"2000-02-30\""},
        {{"--png", "a.png", "--pdf=b.pdf", "--name", "王小明", "2000-01-01", "1", "M"}, true, ""},
        {{"--text", "--png=a.png", "2000-01-01", "1", "M", "2024-01-01", "1", "3"}, true, ""},
        {{"2000-01-01", "1", "M", "--png"}, false, "--png needs a FILE"},
        {{"--pdf=", "2000-01-01", "1", "M"}, false, "--pdf needs a FILE"},
        {{"--name", "王小明", "2000-01-01", "1", "M"}, false, "--name is for the drawn chart"},
        {{"--png", "a.png", "--name="}, false, "--name needs a NAME"},
        {{"--batch", "--png", "a.png"}, false, "cannot be used with --batch"},
        {{"--batch", "--pdf", "a.pdf", "q.txt"}, false, "cannot be used with --batch"},
    };
    for (const CommandRow& row : rows) {
        const ParsedCommandLine parsed = ParseCommandLine(row.arguments);
        const std::string shown = row.arguments.empty() ? "(none)" : row.arguments.front();
        if (row.accepted) {
            EXPECT_TRUE(std::holds_alternative<CommandLine>(parsed)) << shown << ": " << std::get<std::string>(parsed);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << shown;
        EXPECT_NE(std::get<std::string>(parsed).find(row.messagePart), std::string::npos)
            << shown << " -> " << std::get<std::string>(parsed);
    }
}

TEST(CommandLineParser, OptionsSetTheirFields) {
    const auto parsed = ParseCommandLine({"--data", "/opt/v", "--names", "--batch", "q.txt"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
    const CommandLine& line = std::get<CommandLine>(parsed);
    EXPECT_EQ(line.dataFolder, "/opt/v");
    EXPECT_TRUE(line.names);
    EXPECT_TRUE(line.batch);
    EXPECT_EQ(line.batchFile, "q.txt");
    EXPECT_FALSE(line.text);
    EXPECT_EQ(std::get<CommandLine>(ParseCommandLine({"--batch"})).batchFile, "-");
    EXPECT_FALSE(line.picture());
}

TEST(CommandLineParser, PictureOptionsSetTheirFields) {
    const auto parsed = ParseCommandLine({"--pdf", "out.pdf", "--name=王小明", "2000-01-01", "1", "F"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
    const CommandLine& line = std::get<CommandLine>(parsed);
    EXPECT_TRUE(line.picture());
    EXPECT_EQ(line.pdfFile, "out.pdf");
    EXPECT_FALSE(line.pngFile.has_value());
    EXPECT_EQ(line.personName, "王小明");
    EXPECT_EQ(line.query.gender, kFemale);
}

}  // namespace
}  // namespace velmora::tool
