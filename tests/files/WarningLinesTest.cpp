// Every reader's warnings name the line they mean, counted as the file's lines
// are: CR LF, a lone CR and a lone LF each end one line, empty lines count.

#include <gtest/gtest.h>

#include <vector>

#include "files/FourFile.h"
#include "files/MiaFile.h"
#include "files/NameListFile.h"
#include "files/UserFile.h"
#include "tests/files/Fixture.h"

namespace velmora::files {
namespace {

using testing::Big5;
using testing::ProgramFolder;

enum class Reader { Mia, Four, User, ProperN };

std::vector<int> WarningLines(Reader reader, const QByteArray& bytes) {
    ProgramFolder folder;
    Diagnostics diagnostics;
    switch (reader) {
        case Reader::Mia: {
            folder.write("Mia", bytes);
            BrightnessTable table;
            std::vector<StarLevelRow> rows;
            diagnostics = ReadMia(folder.path(), table, rows);
            break;
        }
        case Reader::Four: {
            folder.write("Four", bytes);
            TransformationTable table;
            diagnostics = ReadFour(folder.path(), table);
            break;
        }
        case Reader::User:
            folder.write("User", bytes);
            diagnostics = ReadUserFile(UserFilePath(folder.path())).diagnostics;
            break;
        case Reader::ProperN: {
            folder.write("ProperN", bytes);
            NameList names;
            diagnostics = LoadNameList(folder.path(), names);
            break;
        }
    }
    EXPECT_TRUE(diagnostics.ok());
    std::vector<int> lines;
    for (const FileProblem& warning : diagnostics.warnings) lines.push_back(warning.line);
    return lines;
}

TEST(WarningLines, NameTheLineTheyMean) {
    const QByteArray level = Big5("陷不平利得旺廟");
    const QByteArray record = Big5("甲\t女\t1980\t2\t3\t午");
    const QByteArray tenFour = "06140403\r\n" + QByteArray("00000000\n").repeated(4) + QByteArray("00000000\r").repeated(5);
    QByteArray sixteenNames;
    for (int line = 1; line <= 15; ++line) sixteenNames += "a\r\n";
    // Columns: reader, file bytes, the lines its warnings name in order.
    const struct {
        Reader reader;
        QByteArray bytes;
        std::vector<int> lines;
    } rows[] = {
        {Reader::Mia, "\r\n" + level + "\n05112233445566\rxx\r\n\r\n0511223344558x\n", {4, 6, 6}},
        {Reader::Mia, level + "\r\r\r05112233445566\xff\r\n", {4, 4}},  // not Big5, then not a level digit
        {Reader::Four, tenFour + "\r\nx\ry\r\n", {12, 13}},
        {Reader::Four, "06\xff\r\n\n\r", {1}},
        {Reader::User, record + "\r\n\r\n" + Big5("乙\t男\t1990") + "\n" + record + "\tnote\r", {3, 4}},
        {Reader::User, "\n\r" + record + "\r\n" + record + "\xff\r\n", {4}},
        {Reader::ProperN, sixteenNames + "\n\r\nb\r\n", {18}},
        {Reader::ProperN, "a\n\xff\r\nc\r", {2}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WarningLines(row.reader, row.bytes), row.lines)
            << static_cast<int>(row.reader) << ": " << row.bytes.toHex(' ').toStdString();
    }
}

}  // namespace
}  // namespace velmora::files
