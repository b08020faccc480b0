// Reading Mia for the engine.

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <string>
#include <vector>

#include "Fixture.h"
#include "files/MiaFile.h"

namespace velmora::files {
namespace {

using testing::Big5;
using testing::ProgramFolder;

constexpr char kLevelLine[] = "陷不平利得旺廟\r\n";

struct MiaRead {
    BrightnessTable table;
    std::vector<StarLevelRow> rows;
    Diagnostics diagnostics;
};

MiaRead Read(const QByteArray& bytes) {
    ProgramFolder folder;
    folder.write("Mia", bytes);
    MiaRead read;
    read.diagnostics = ReadMia(folder.path(), read.table, read.rows);
    return read;
}

// The level a star gets on a branch 1..12 from its row, as the chart applies it.
int LevelOn(const StarLevelRow& row, int branch) { return row.levels[static_cast<std::size_t>(branch - 1)]; }

TEST(ReadMia, StarFiveInSiGetsItsSixthDigit) {
    const MiaRead read = Read(Big5(kLevelLine) + "05112233445566\r\n");
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows[0].star, 5);
    EXPECT_EQ(LevelOn(read.rows[0], 6), 3);  // 巳
    EXPECT_EQ(LevelOn(read.rows[0], 1), 1);  // 子
    EXPECT_EQ(read.table.LevelNames[1], "陷");
    EXPECT_EQ(read.table.LevelNames[7], "廟");
    EXPECT_TRUE(read.diagnostics.warnings.empty());
}

TEST(ReadMia, TheEngineAppliesTheRowToTheBranchTheStarStandsOn) {
    const MiaRead read = Read(Big5(kLevelLine) + "\r\n05112233445566\r\n");
    // branch the star stands on, level it gets
    for (const auto& [branch, level] : {std::pair{6, 3}, std::pair{1, 1}}) {
        ChartState chart;
        chart.StarTable[5].branch = static_cast<std::int16_t>(branch);
        ApplyStarLevels(read.rows, chart);
        EXPECT_EQ(chart.StarTable[5].level, level) << "branch " << branch;
    }
}

TEST(ReadMia, BlankLinesReadExactlyAsWithout) {
    const MiaRead plain = Read(Big5(kLevelLine) + "01376656776656\r\n02715643715643\r\n");
    const MiaRead spaced = Read("\r\n\r\n" + Big5(kLevelLine) + "\r\n01376656776656\r\n\r\n\r\n02715643715643\r\n\r\n");
    EXPECT_EQ(spaced.table, plain.table);
    EXPECT_EQ(spaced.rows, plain.rows);
    EXPECT_EQ(spaced.rows.size(), 2u);
}

TEST(ReadMia, LevelLineCharacterKIsLevelK) {
    // level line, the seven names it gives (UTF-8)
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
        {"陷不平", {"陷", "不", "平", "", "", "", ""}},
        {"陷\u3000平利得旺廟", {"陷", "", "平", "利", "得", "旺", "廟"}},
        {"陷不平利得旺廟強", {"陷", "不", "平", "利", "得", "旺", "廟"}},
    };
    for (const auto& [line, names] : cases) {
        const MiaRead read = Read(Big5(line));
        for (int level = 1; level <= 7; ++level)
            EXPECT_EQ(read.table.LevelNames[static_cast<std::size_t>(level)], names[static_cast<std::size_t>(level - 1)])
                << line << " level " << level;
    }
}

TEST(ReadMia, FaultyRowsAreLeftOutOrReadInPartWithWarnings) {
    // star row, star read (0: row left out), its twelve levels, warnings
    struct Row {
        const char* text;
        int star;
        std::array<std::int8_t, 12> levels;
        std::size_t warnings;
    };
    const std::vector<Row> cases = {
        {"00112233445566", 0, {}, 1},
        {"xx112233445566", 0, {}, 1},
        {"9", 0, {}, 1},
        {"0511223344556", 5, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 0}, 1},     // short: 亥 has no digit
        {"05112233445566789", 5, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6}, 1}, // too long
        {"0511223344558x", 5, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 0, 0}, 2},   // 8 and x read as 0
        {"99123", 99, {1, 2, 3}, 1},                                       // high stars are accepted
        {"05", 5, {}, 1},
    };
    for (const Row& c : cases) {
        const MiaRead read = Read(Big5(kLevelLine) + c.text + "\r\n");
        EXPECT_EQ(read.diagnostics.warnings.size(), c.warnings) << c.text;
        for (const FileProblem& warning : read.diagnostics.warnings) EXPECT_EQ(warning.line, 2) << c.text;
        if (c.star == 0) {
            EXPECT_TRUE(read.rows.empty()) << c.text;
            continue;
        }
        ASSERT_EQ(read.rows.size(), 1u) << c.text;
        EXPECT_EQ(read.rows[0].star, c.star) << c.text;
        EXPECT_EQ(read.rows[0].levels, c.levels) << c.text;
    }
}

TEST(ReadMia, MissingFileLeavesTheTableAndGivesNoRows) {
    ProgramFolder folder;
    BrightnessTable table;
    table.LevelNames[1] = "陷";
    std::vector<StarLevelRow> rows{StarLevelRow{5, {}}};
    const Diagnostics diagnostics = ReadMia(folder.path(), table, rows);
    ASSERT_TRUE(diagnostics.error);
    EXPECT_EQ(diagnostics.error->fileName, "Mia");
    EXPECT_EQ(table.LevelNames[1], "陷");
    EXPECT_TRUE(rows.empty());
}

TEST(ReadMia, AnEmptyFileIsReportedAndChangesNothing) {
    ProgramFolder folder;
    folder.write("Mia", "");
    BrightnessTable table;
    table.LevelNames[2] = "不";
    std::vector<StarLevelRow> rows;
    const Diagnostics diagnostics = ReadMia(folder.path(), table, rows);
    EXPECT_FALSE(diagnostics.error);
    EXPECT_EQ(diagnostics.warnings.size(), 1u);
    EXPECT_EQ(table.LevelNames[2], "不");
}

TEST(ReadMia, RandomBytesNeverGiveARowOutsideTheTables) {
    QRandomGenerator random(20240607);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = Big5(kLevelLine);
        const int length = static_cast<int>(random.bounded(200));
        for (int i = 0; i < length; ++i) {
            // mostly digits and line ends, so rows get parsed, with any byte now and then
            static constexpr char kAlphabet[] = "0123456789\r\n";
            bytes += random.bounded(8) == 0 ? static_cast<char>(random.bounded(256))
                                            : kAlphabet[random.bounded(static_cast<int>(sizeof kAlphabet - 1))];
        }
        const MiaRead read = Read(bytes);
        ASSERT_FALSE(read.diagnostics.error);
        for (const StarLevelRow& row : read.rows) {
            ASSERT_GE(row.star, 1);
            ASSERT_LE(row.star, 110);
            for (const std::int8_t level : row.levels) {
                ASSERT_GE(level, 0);
                ASSERT_LE(level, 7);
            }
        }
    }
}

}  // namespace
}  // namespace velmora::files
