// Splitting, decoding and encoding Big5 lines.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fixture.h"
#include "files/Big5.h"
#include "files/LineFile.h"

namespace velmora::files {
namespace {

using testing::Big5;
using testing::ProgramFolder;

std::vector<std::string> AsStrings(const std::vector<QByteArray>& lines) {
    std::vector<std::string> out;
    for (const QByteArray& line : lines) out.push_back(line.toStdString());
    return out;
}

TEST(SplitLines, EndsAtCrLfLoneCrOrLoneLf) {
    // bytes, the lines they hold
    const std::vector<std::pair<QByteArray, std::vector<std::string>>> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\r\nb\r", {"a", "", "b"}},
        {QByteArray("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(AsStrings(SplitLines(bytes)), lines) << bytes.toHex().data();
}

TEST(FirstNonBig5Byte, FindsBytesNoBig5CharacterBeginsWith) {
    // bytes, index of the first stray byte (-1: all Big5)
    const std::vector<std::pair<QByteArray, qsizetype>> cases = {
        {"plain ascii", -1},
        {"\xb3\xb4\xa4\xa3", -1},  // 陷不
        {"\x80", 0},
        {"a\xff", 1},
        {"\xb3", 0},               // a lead byte cut off at the end
        {"x\xa1\x30", 1},          // a lead byte before a byte no trail byte has
        {"\xa1\x40\xb3\xb4\xfe", 4},
    };
    for (const auto& [bytes, index] : cases) EXPECT_EQ(FirstNonBig5Byte(bytes), index) << bytes.toHex().data();
}

TEST(Big5Decoder, KeepsTheSoundPartOfAFaultyLine) {
    Big5Decoder decoder;
    const DecodedLine faulty = decoder.decode(QByteArray("a\xff\xb3\xb4", 4));
    EXPECT_EQ(faulty.text, QString::fromUtf8("a\uFFFD陷"));
    EXPECT_EQ(faulty.badByte, 1);
    const DecodedLine clean = decoder.decode(Big5("陷\u3000x"));
    EXPECT_EQ(clean.text, QString::fromUtf8("陷\u3000x"));
    EXPECT_EQ(clean.badByte, -1);
}

TEST(Big5Encoder, RefusesWhatTheCodePageCannotHold) {
    // text, index of the first character refused (-1: encodes)
    const std::vector<std::pair<const char*, qsizetype>> cases = {
        {"陷不平利得旺廟", -1},
        {"\u3000", -1},
        {"甲😀", 1},
        {"abé", 2},
        {"\u0080", 0},  // the converter would pass it as the stray byte 80
        {"王\uFFFD", 1},
        {"名字\u4E2D\u0100", 3},
    };
    Big5Encoder encoder;
    for (const auto& [text, badChar] : cases) {
        const EncodedText encoded = encoder.encode(QString::fromUtf8(text));
        EXPECT_EQ(encoded.badChar, badChar) << text;
        EXPECT_EQ(encoded.bytes.has_value(), badChar < 0) << text;
    }
}

TEST(ReadBig5File, MissingFileIsAnErrorNamingFileAndPath) {
    ProgramFolder folder;
    const TextLines file = ReadBig5File(folder.file("Mia"), "Mia");
    ASSERT_TRUE(file.diagnostics.error);
    EXPECT_EQ(file.diagnostics.error->describe(), QString::fromUtf8("找不到檔案 Mia：") + folder.file("Mia"));
}

TEST(ReadBig5File, AFolderInPlaceOfTheFileIsAnError) {
    ProgramFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("Four"));
    const TextLines file = ReadBig5File(folder.file("Four"), "Four");
    ASSERT_TRUE(file.diagnostics.error);
    EXPECT_TRUE(file.diagnostics.error->describe().startsWith(QString::fromUtf8("無法讀取檔案 Four：")));
}

TEST(ReadBig5File, NamesEachLineHoldingBytesThatAreNotBig5) {
    ProgramFolder folder;
    folder.write("ProperN", Big5("甲.乙\r\n") + QByteArray("x\x80y\r\nok\r\n\xb3"));
    const TextLines file = ReadBig5File(folder.file("ProperN"), "ProperN");
    ASSERT_FALSE(file.diagnostics.error);
    ASSERT_EQ(file.lines.size(), 4u);
    EXPECT_EQ(file.lines[0], QString::fromUtf8("甲.乙"));
    EXPECT_EQ(file.lines[1], QString::fromUtf8("x\uFFFDy"));
    ASSERT_EQ(file.diagnostics.warnings.size(), 2u);
    EXPECT_EQ(file.diagnostics.warnings[0].line, 2);
    EXPECT_EQ(file.diagnostics.warnings[1].line, 4);
    EXPECT_TRUE(file.diagnostics.warnings[0].describe().startsWith(QString::fromUtf8("檔案 ProperN 第 2 行")));
}

TEST(WriteBig5File, RefusesALineEndInsideALineAndWritesNothing) {
    ProgramFolder folder;
    folder.write("Four", "old\r\n");
    const auto problem = WriteBig5File(folder.file("Four"), "Four", {"a", "b\rc"});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->line, 2);
    EXPECT_EQ(folder.read("Four"), QByteArray("old\r\n"));
}

TEST(WriteBig5File, RefusalNamesTheLineAndTheCharacter) {
    ProgramFolder folder;
    const auto problem = WriteBig5File(folder.file("Mia"), "Mia", {"ok", "ok", "星😀"});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->describe(),
              QString::fromUtf8("檔案 Mia 第 3 行含有 Big5 無法儲存的字「😀」(U+1F600)：") + folder.file("Mia"));
    EXPECT_FALSE(folder.exists("Mia"));
}

}  // namespace
}  // namespace velmora::files
