// Mia as the brightness editor reads and writes it.

#include <gtest/gtest.h>

#include "Fixture.h"
#include "files/MiaDocument.h"

namespace velmora::files {
namespace {

using testing::Big5;
using testing::ProgramFolder;

// A level line and twenty rows, then two rows the editor does not show.
QByteArray LongMia() {
    QByteArray bytes = Big5("陷不平利得旺廟\r\n");
    for (int star = 1; star <= 20; ++star) bytes += QByteArray::number(star).rightJustified(2, '0') + "123456701234\r\n";
    return bytes + "23157415741574\r\nnot a row\r\n";
}

TEST(MiaDocument, ReadsTheLevelNamesAndEveryRowInOrder) {
    ProgramFolder folder;
    folder.write("Mia", LongMia());
    const MiaDocumentRead read = ReadMiaDocument(folder.path());
    ASSERT_FALSE(read.diagnostics.error);
    EXPECT_EQ(read.document.levelNames[0], QString::fromUtf8("陷"));
    ASSERT_EQ(read.document.rows.size(), 22u);
    EXPECT_EQ(read.document.rows[19].star, 20);
    EXPECT_EQ(read.document.rows[20].text, "23157415741574");
    EXPECT_EQ(read.document.rows[21].star, 0);
    EXPECT_EQ(read.diagnostics.warnings.size(), 1u);  // "not a row" names no star
}

TEST(MiaDocument, RowsPastTwentyAndRowsNamingNoStarSurviveASave) {
    ProgramFolder folder;
    folder.write("Mia", LongMia());
    MiaDocument document = ReadMiaDocument(folder.path()).document;
    ASSERT_FALSE(WriteMiaDocument(folder.path(), document));
    EXPECT_EQ(folder.read("Mia"), LongMia());
}

TEST(MiaDocument, AnEditedLevelIsWrittenInTheRowsFullForm) {
    ProgramFolder folder;
    folder.write("Mia", Big5("陷不平利得旺廟\r\n051122\r\n"));
    MiaDocument document = ReadMiaDocument(folder.path()).document;
    document.rows[0].levels[11] = 7;
    ASSERT_FALSE(WriteMiaDocument(folder.path(), document));
    EXPECT_EQ(folder.read("Mia"), Big5("陷不平利得旺廟\r\n05112200000007\r\n"));
}

TEST(MiaDocument, AnEmptyLevelNameKeepsTheLaterLevelsInPlace) {
    ProgramFolder folder;
    MiaDocument document;
    document.levelNames = {"陷", "", "平", "利", "得", "旺", ""};  // Qt reads these as UTF-8
    ASSERT_FALSE(WriteMiaDocument(folder.path(), document));
    EXPECT_EQ(folder.read("Mia"), Big5("陷\u3000平利得旺\u3000\r\n"));
    EXPECT_EQ(ReadMiaDocument(folder.path()).document.levelNames, document.levelNames);
}

TEST(MiaDocument, BlankLinesAreGoneAfterASave) {
    ProgramFolder folder;
    folder.write("Mia", Big5("\r\n陷不平利得旺廟\r\n\r\n01376656776656\r\n\r\n"));
    ASSERT_FALSE(WriteMiaDocument(folder.path(), ReadMiaDocument(folder.path()).document));
    EXPECT_EQ(folder.read("Mia"), Big5("陷不平利得旺廟\r\n01376656776656\r\n"));
}

TEST(MiaDocument, RefusesWhatWouldShiftOrBreakTheFileAndLeavesItIntact) {
    // what is wrong with the document, the line the refusal names
    struct Case {
        const char* title;
        void (*spoil)(MiaDocument&);
        int line;
    };
    const Case cases[] = {
        {"two-character level name", [](MiaDocument& d) { d.levelNames[3] = QString::fromUtf8("利利"); }, 1},
        {"level name Big5 cannot hold", [](MiaDocument& d) { d.levelNames[0] = QString::fromUtf8("😀"); }, 1},
        {"three-digit star", [](MiaDocument& d) { d.rows[0].star = 105; }, 2},
        {"row text Big5 cannot hold", [](MiaDocument& d) { d.rows.push_back(MiaRow{0, {}, QString::fromUtf8("é")}); }, 3},
    };
    for (const Case& c : cases) {
        ProgramFolder folder;
        const QByteArray before = Big5("陷不平利得旺廟\r\n01376656776656\r\n");
        folder.write("Mia", before);
        MiaDocument document = ReadMiaDocument(folder.path()).document;
        c.spoil(document);
        const auto problem = WriteMiaDocument(folder.path(), document);
        ASSERT_TRUE(problem) << c.title;
        EXPECT_EQ(problem->line, c.line) << c.title;
        EXPECT_EQ(folder.read("Mia"), before) << c.title;
    }
}

TEST(MiaDocument, MissingFileIsAnError) {
    ProgramFolder folder;
    const MiaDocumentRead read = ReadMiaDocument(folder.path());
    ASSERT_TRUE(read.diagnostics.error);
    EXPECT_TRUE(read.document.rows.empty());
}

}  // namespace
}  // namespace velmora::files
