// Loading the name list from ProperN.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fixture.h"
#include "files/NameListFile.h"

namespace velmora::files {
namespace {

using testing::Big5;
using testing::ProgramFolder;

struct Entry {
    int line;
    int field;
    std::string text;  // UTF-8
};

struct NameCase {
    const char* title;
    const char* file;  // UTF-8 text, line ends as written
    std::vector<Entry> expected;
    std::size_t warnings;
};

class NameListCases : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameListCases, FillsTheTableLineByLine) {
    const NameCase& c = GetParam();
    ProgramFolder folder;
    folder.write("ProperN", Big5(c.file));
    NameList names;
    const Diagnostics diagnostics = LoadNameList(folder.path(), names);
    ASSERT_FALSE(diagnostics.error) << c.title;
    EXPECT_EQ(diagnostics.warnings.size(), c.warnings) << c.title;
    for (const Entry& e : c.expected)
        EXPECT_EQ(names.at(e.line, e.field), e.text) << c.title << " line " << e.line << " field " << e.field;
}

INSTANTIATE_TEST_SUITE_P(
    ProperN, NameListCases,
    ::testing::Values(
        NameCase{"three names fill fields 1..3", "甲.乙.丙\r\n",
                 {{1, 1, "甲"}, {1, 2, "乙"}, {1, 3, "丙"}, {1, 4, ""}, {1, 50, ""}}, 0},
        NameCase{"a trailing stop adds an empty field", "甲.乙.\r\n子\r\n",
                 {{1, 1, "甲"}, {1, 2, "乙"}, {1, 3, ""}, {2, 1, "子"}}, 0},
        NameCase{"an empty third line keeps later lines in place", "甲\r\n子\r\n\r\n木三局\r\n紫微\r\n",
                 {{3, 1, ""}, {3, 13, ""}, {4, 1, "木三局"}, {5, 1, "紫微"}}, 0},
        NameCase{"lone CR ends lines", "甲\r子\r\r木三局", {{1, 1, "甲"}, {2, 1, "子"}, {3, 1, ""}, {4, 1, "木三局"}}, 0},
        NameCase{"lone LF ends lines", "甲\n子.丑\n", {{1, 1, "甲"}, {2, 2, "丑"}}, 0},
        NameCase{"empty lines past 15 are harmless",
                 "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13\r\n14\r\n15\r\n\r\n\r\n",
                 {{15, 1, "15"}}, 0},
        NameCase{"a 16th line with text is left out and reported",
                 "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13\r\n14\r\n15\r\n16\r\n",
                 {{15, 1, "15"}}, 1}));

TEST(LoadNameList, SixtyFieldsKeepFiftyAndWarnNamingTheLine) {
    ProgramFolder folder;
    QByteArray line;
    for (int field = 1; field <= 60; ++field) line += QByteArray::number(field) + (field < 60 ? "." : "");
    folder.write("ProperN", "a\r\n" + line + "\r\n");
    NameList names;
    const Diagnostics diagnostics = LoadNameList(folder.path(), names);
    EXPECT_EQ(names.at(2, 50), "50");
    EXPECT_EQ(names.at(2, 51), "");
    ASSERT_EQ(diagnostics.warnings.size(), 1u);
    EXPECT_EQ(diagnostics.warnings[0].line, 2);
    EXPECT_EQ(diagnostics.warnings[0].fileName, "ProperN");
}

TEST(LoadNameList, MissingFileLeavesTheTableAsItWas) {
    ProgramFolder folder;
    NameList names;
    names.set(1, 1, "甲");
    const Diagnostics diagnostics = LoadNameList(folder.path(), names);
    ASSERT_TRUE(diagnostics.error);
    EXPECT_EQ(diagnostics.error->path, folder.file("ProperN"));
    EXPECT_EQ(names.at(1, 1), "甲");
}

TEST(LoadNameList, ALoadReplacesTheWholeTable) {
    ProgramFolder folder;
    folder.write("ProperN", Big5("甲\r\n"));
    NameList names;
    names.set(9, 9, "stale");
    ASSERT_TRUE(LoadNameList(folder.path(), names).ok());
    EXPECT_EQ(names.at(9, 9), "");
    EXPECT_EQ(names.at(1, 1), "甲");
}

TEST(LoadNameList, OddBytesNeverStopTheLoad) {
    // a NUL byte, bytes that are not Big5, a cut-off lead byte at the very end
    ProgramFolder folder;
    folder.write("ProperN", QByteArray("a\0b.c\r\n\xff\xfe.\x80\r\n", 13) + Big5("甲") + "\xb3");
    NameList names;
    const Diagnostics diagnostics = LoadNameList(folder.path(), names);
    ASSERT_FALSE(diagnostics.error);
    EXPECT_EQ(names.at(1, 1), std::string("a\0b", 3));
    EXPECT_EQ(names.at(1, 2), "c");
    EXPECT_EQ(diagnostics.warnings.size(), 2u);  // lines 2 and 3
}

}  // namespace
}  // namespace velmora::files
