// The birth records of User.

#include <gtest/gtest.h>

#include "Fixture.h"
#include "files/UserFile.h"

namespace velmora::files {
namespace {

using testing::Big5;
using testing::ProgramFolder;

QByteArray TwoRecords() {
    return Big5("王小明\t男\t1975\t3\t8\t辰  (07:00-08:59)\r\n"
                "李美\t女\t2001\t12\t31\t子  (23:00-00:59)\r\n");
}

TEST(ReadUserFile, SplitsEachLineIntoTheSixFields) {
    ProgramFolder folder;
    folder.write("User", TwoRecords());
    const UserFileRead read = ReadUserFile(folder.file("User"));
    ASSERT_TRUE(read.diagnostics.ok());
    ASSERT_EQ(read.records.size(), 2u);
    const std::array<QString, 6> first = {"王小明", "男", "1975", "3", "8", "辰  (07:00-08:59)"};
    EXPECT_EQ(read.records[0].fields(), first);
    EXPECT_EQ(read.records[1].name, QString::fromUtf8("李美"));
    EXPECT_TRUE(read.diagnostics.warnings.empty());
}

TEST(ReadUserFile, MissingFileIsAnEmptyListAndTheNextSaveCreatesIt) {
    ProgramFolder folder;
    const UserFileRead read = ReadUserFile(folder.file("User"));
    EXPECT_TRUE(read.diagnostics.ok());
    EXPECT_TRUE(read.records.empty());
    BirthRecord record{"甲", "男", "1990", "1", "1", "子  (23:00-00:59)", {}, {}};
    ASSERT_FALSE(WriteUserFile(folder.file("User"), {record}));
    EXPECT_EQ(folder.read("User"), Big5("甲\t男\t1990\t1\t1\t子  (23:00-00:59)\r\n"));
}

TEST(UserFile, WellFormedFileSavesBackByteForByte) {
    ProgramFolder folder;
    folder.write("User", TwoRecords());
    ASSERT_FALSE(WriteUserFile(folder.file("User"), ReadUserFile(folder.file("User")).records));
    EXPECT_EQ(folder.read("User"), TwoRecords());
}

TEST(UserFile, OddLinesAreKeptAsTheyStandBlankLinesGo) {
    // a short line, a seven-piece line, bytes that are not Big5, a lone CR end, blank lines
    const QByteArray odd = Big5("只有名字\t男") + "\r\n\r\n" + Big5("甲\t女\t1980\t2\t3\t午  (11:00-12:59)\t備註") +
                           "\r\n\n" + QByteArray("x\xff\t\x80") + "\r" + TwoRecords();
    ProgramFolder folder;
    folder.write("User", odd);
    const UserFileRead read = ReadUserFile(folder.file("User"));
    ASSERT_EQ(read.records.size(), 5u);
    EXPECT_EQ(read.records[0].gender, QString::fromUtf8("男"));
    EXPECT_EQ(read.records[0].year, "");
    EXPECT_EQ(read.records[1].hour, QString::fromUtf8("午  (11:00-12:59)"));
    EXPECT_EQ(read.diagnostics.warnings.size(), 4u);  // short; seven pieces; not Big5 and short

    ASSERT_FALSE(WriteUserFile(folder.file("User"), read.records));
    const QByteArray expected = Big5("只有名字\t男") + "\r\n" + Big5("甲\t女\t1980\t2\t3\t午  (11:00-12:59)\t備註") +
                                "\r\n" + QByteArray("x\xff\t\x80") + "\r\n" + TwoRecords();
    EXPECT_EQ(folder.read("User"), expected);
}

TEST(UserFile, AnEditedRecordIsWrittenAsItsSixFieldsAndItsPieces) {
    ProgramFolder folder;
    folder.write("User", Big5("甲\t女\t1980\t2\t3\t午  (11:00-12:59)\t備註\r\n短\r\n"));
    std::vector<BirthRecord> records = ReadUserFile(folder.file("User")).records;
    records[0].day = "4";
    records[1].gender = QString::fromUtf8("女");
    ASSERT_FALSE(WriteUserFile(folder.file("User"), records));
    EXPECT_EQ(folder.read("User"), Big5("甲\t女\t1980\t2\t4\t午  (11:00-12:59)\t備註\r\n短\t女\t\t\t\t\r\n"));
}

TEST(UserFile, FieldsThatWouldBreakTheFileAreRefusedAndTheFileKeepsItsContent) {
    // name, what the refusal says after "第 3 行"
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"王\t小明", "的姓名含有定位字元"},
        {"王\r\n小明", "的姓名含有換行字元"},
        {"王\n", "的姓名含有換行字元"},
        {"王😀", "的姓名含有 Big5 無法儲存的字「😀」(U+1F600)"},
        {"Zoë", "的姓名含有 Big5 無法儲存的字「ë」(U+00EB)"},
    };
    for (const auto& [name, message] : cases) {
        ProgramFolder folder;
        folder.write("User", TwoRecords());
        std::vector<BirthRecord> records = ReadUserFile(folder.file("User")).records;
        records.push_back(BirthRecord{name, "男", "1990", "1", "1", "子  (23:00-00:59)", {}, {}});
        const auto problem = WriteUserFile(folder.file("User"), records);
        ASSERT_TRUE(problem) << name;
        EXPECT_EQ(problem->line, 3) << name;
        EXPECT_EQ(problem->message, QString::fromUtf8(message)) << name;
        EXPECT_TRUE(problem->describe().startsWith(QString::fromUtf8("檔案 User 第 3 行"))) << name;
        EXPECT_EQ(folder.read("User"), TwoRecords()) << name;
    }
}

TEST(UserFile, NoRecordsGiveAnEmptyFile) {
    ProgramFolder folder;
    folder.write("User", TwoRecords());
    ASSERT_FALSE(WriteUserFile(folder.file("User"), {}));
    EXPECT_TRUE(folder.exists("User"));
    EXPECT_EQ(folder.read("User"), QByteArray());
    EXPECT_TRUE(ReadUserFile(folder.file("User")).records.empty());
}

}  // namespace
}  // namespace velmora::files
