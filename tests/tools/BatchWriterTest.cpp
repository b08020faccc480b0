// The batch writer against the first, plain one (kept in ReferenceChartJson):
// the same bytes for random charts and random strings; and --jobs N gives
// what one thread gives.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "output/ChartJson.h"
#include "output/ReferenceLoad.h"
#include "tests/load/RandomQueries.h"
#include "tests/tools/ReferenceChartJson.h"
#include "tests/tools/ToolTestSupport.h"

namespace velmora::tool {
namespace {

constexpr std::uint64_t kSeed = 20261207;

TEST(BatchWriter, TenThousandRandomChartsAreWrittenByteForByteAsBefore) {
    constexpr int kCharts = 10000;
    ReferenceTables tables;
    ASSERT_FALSE(LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables).error);
    std::mt19937_64 random(kSeed);
    ChartResult result;
    std::string written;
    std::string expected;
    for (int i = 0; i < kCharts; ++i) {
        const Query query = load::RandomQuery(random);
        ASSERT_FALSE(ComputeQuery(query, tables, result)) << load::QueryLine(query);
        written = "prefix ";  // appended after what the buffer holds
        expected = written;
        AppendChartJson(result, nullptr, written);
        reference::AppendChartJson(result, expected);
        ASSERT_EQ(written, expected) << load::QueryLine(query);
    }
}

// The stars' pairs come from a table for branches 0..15 and levels 0..7;
// a star row at or past the table's edges is written in full, as before.
TEST(BatchWriter, StarRowsAtAndPastTheTablesEdgesAreWrittenAsBefore) {
    const std::pair<int, int> rows[] = {{0, 0},   {12, 7},  {15, 7},  {16, 0},     {15, 8},
                                        {-1, 0},  {0, -1},  {99, 99}, {1000, 100}, {32767, -32768}};
    ReferenceTables tables;
    ASSERT_FALSE(LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables).error);
    ChartResult result;
    ASSERT_FALSE(ComputeQuery(std::get<Query>(ParseQueryLine("1984-12-31 3 M")), tables, result));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        StarRow& star = result.chart.StarTable[1 + 9 * i];  // spread over the list, the first and the last
        star = {static_cast<std::int16_t>(rows[i].first), static_cast<std::int16_t>(rows[i].second)};
    }
    result.chart.StarTable[kPlacedStars] = {-7, 16};
    std::string written;
    std::string expected;
    AppendChartJson(result, nullptr, written);
    reference::AppendChartJson(result, expected);
    EXPECT_EQ(written, expected);
}

TEST(BatchWriter, RandomBytesAreEscapedAndMendedAsBefore) {
    constexpr int kStrings = 20000;
    constexpr int kLongest = 40;
    // Bytes drawn mostly from the ones that need care: controls, quote,
    // backslash, DEL, UTF-8 lead and continuation bytes; plain ASCII between.
    const std::string careful = std::string("\x00\x01\x1f\"\\\x7f\x80\xbf\xc2\xdf\xe0\xed\xef\xf0\xf4\xff", 16) + "a 0~";
    std::mt19937_64 random(kSeed);
    for (int i = 0; i < kStrings; ++i) {
        std::string text(random() % kLongest, ' ');
        for (char& c : text) c = random() % 2 ? careful[random() % careful.size()] : static_cast<char>(random());
        std::string written;
        std::string expected;
        JsonWriter(written).string(text);
        reference::ReferenceWriter(expected).string(text);
        ASSERT_EQ(written, expected) << text;
    }
    for (const int n : {0, 9, 10, 99, 100, -1, -100, 2147483647, -2147483647 - 1}) {
        std::string written;
        std::string expected;
        JsonWriter(written).number(n).pair(n, n);
        reference::ReferenceWriter(expected).number(n).pair(n, n);
        EXPECT_EQ(written, expected);
    }
}

TEST(BatchWriter, AnyNumberOfJobsWritesWhatOneDoes) {
    constexpr int kLines = 6000;
    std::mt19937_64 random(kSeed);
    QByteArray input;
    for (int i = 0; i < kLines; ++i) {
        input += QByteArray::fromStdString(load::QueryLine(load::RandomQuery(random))) + '\n';
        if (i % 1000 == 7) input += "\n1999-02-30 1 M\n" + QByteArray(5000, 'x') + '\n';  // blank, bad, too long
    }
    const testing::ToolRun one = testing::RunTool({"--batch"}, input);
    ASSERT_EQ(one.exitCode, 1);
    ASSERT_EQ(one.out.count('\n'), kLines + 2 * (kLines / 1000));
    for (const char* jobs : {"2", "3", "7"}) {
        const testing::ToolRun many = testing::RunTool({"--jobs", jobs, "--batch", "-"}, input);
        EXPECT_EQ(many.exitCode, one.exitCode) << jobs;
        EXPECT_TRUE(many.out == one.out) << "--jobs " << jobs << " differs";
    }
    // Columns: the arguments, refused with exit status 2.
    const QStringList refused[] = {{"--jobs", "0", "--batch"}, {"--jobs=65", "--batch"}, {"--jobs", "two", "--batch"},
                                   {"--jobs", "2", "2000-01-01", "1", "M"}};
    for (const QStringList& arguments : refused)
        EXPECT_EQ(testing::RunTool(arguments).exitCode, 2) << arguments.join(' ').toStdString();
}

}  // namespace
}  // namespace velmora::tool
