// Reading and writing Four.

#include <gtest/gtest.h>

#include "Fixture.h"
#include "files/FourFile.h"

namespace velmora::files {
namespace {

using testing::ProgramFolder;

TEST(ReadFour, LineSOfTheFileIsTheRowOfStemS) {
    // file, the table's ten lines after reading it over a table of "old" lines
    const std::vector<std::pair<QByteArray, std::array<std::string, 10>>> cases = {
        {"06140403\r\n", {"06140403", "old", "old", "old", "old", "old", "old", "old", "old", "old"}},
        {"06140403\r\n\r\n02120108", {"06140403", "", "02120108", "old", "old", "old", "old", "old", "old", "old"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d", "old", "old", "old", "old", "old", "old"}},
        {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"", {"old", "old", "old", "old", "old", "old", "old", "old", "old", "old"}},
    };
    for (const auto& [bytes, expected] : cases) {
        ProgramFolder folder;
        folder.write("Four", bytes);
        TransformationTable table;
        for (int stem = 1; stem <= 10; ++stem) table.lines[static_cast<std::size_t>(stem)] = "old";
        ASSERT_TRUE(ReadFour(folder.path(), table).ok());
        for (int stem = 1; stem <= 10; ++stem)
            EXPECT_EQ(table.lines[static_cast<std::size_t>(stem)], expected[static_cast<std::size_t>(stem - 1)])
                << bytes.data() << " stem " << stem;
    }
}

TEST(ReadFour, LinesPastTenWithTextAreReported) {
    ProgramFolder folder;
    folder.write("Four", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n\r\n12\r\n13");
    TransformationTable table;
    const Diagnostics diagnostics = ReadFour(folder.path(), table);
    ASSERT_EQ(diagnostics.warnings.size(), 2u);
    EXPECT_EQ(diagnostics.warnings[0].line, 12);
    EXPECT_EQ(diagnostics.warnings[1].line, 13);
    EXPECT_EQ(ReadFourLines(folder.path()).lines.size(), 13u);
}

TEST(ReadFour, MissingFileLeavesTheTableAsItWas) {
    ProgramFolder folder;
    TransformationTable table;
    table.lines[1] = "06140403";
    const Diagnostics diagnostics = ReadFour(folder.path(), table);
    ASSERT_TRUE(diagnostics.error);
    EXPECT_EQ(diagnostics.error->describe(), QString::fromUtf8("找不到檔案 Four：") + folder.file("Four"));
    EXPECT_EQ(table.lines[1], "06140403");
}

TEST(WriteFour, WritesTenLinesEndedByCrLf) {
    ProgramFolder folder;
    std::array<QString, 10> lines;
    lines.fill("00000000");
    lines[0] = "06140403";
    ASSERT_FALSE(WriteFour(folder.path(), lines));
    EXPECT_EQ(folder.read("Four"), "06140403\r\n" + QByteArray("00000000\r\n").repeated(9));
    const FourLines back = ReadFourLines(folder.path());
    EXPECT_EQ(back.lines, std::vector<QString>(lines.begin(), lines.end()));
}

}  // namespace
}  // namespace velmora::files
