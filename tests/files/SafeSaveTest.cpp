// Saves that fail leave the old file exactly as it was.

#include <gtest/gtest.h>

#include <QFile>

#include <functional>

#include "Fixture.h"
#include "files/FourFile.h"
#include "files/MiaDocument.h"
#include "files/UserFile.h"

namespace velmora::files {
namespace {

using testing::Big5;
using testing::ProgramFolder;

// Writes half of the bytes, then fails as a full disk would.
bool WriteHalfThenFail(QSaveFile& file, const QByteArray& bytes) {
    file.write(bytes.left(bytes.size() / 2));
    return false;
}

struct Fault {
    const char* title;
    WriteOptions options;
};

std::vector<Fault> Faults() {
    return {
        {"fails half-way", WriteOptions{WriteHalfThenFail, false}},
        {"stops between writing and renaming", WriteOptions{{}, true}},
    };
}

// One writer of each file, run over a folder holding that file's old content.
struct Writer {
    const char* file;
    std::function<std::optional<FileProblem>(const QString& folder, const WriteOptions&)> save;
};

std::vector<Writer> Writers() {
    return {
        {"User",
         [](const QString& folder, const WriteOptions& options) {
             const BirthRecord record{"新", "女", "2000", "2", "29", "子  (23:00-00:59)", {}, {}};
             return WriteUserFile(UserFilePath(folder), {record}, options);
         }},
        {"Mia",
         [](const QString& folder, const WriteOptions& options) {
             MiaDocument document;
             document.levelNames = {"一", "二", "三", "四", "五", "六", "七"};
             return WriteMiaDocument(folder, document, options);
         }},
        {"Four",
         [](const QString& folder, const WriteOptions& options) {
             std::array<QString, 10> lines;
             lines.fill("01020304");
             return WriteFour(folder, lines, options);
         }},
    };
}

const QByteArray kOldContent = Big5("舊的內容\r\n第二行\r\n");

TEST(SafeSave, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    for (const Writer& writer : Writers()) {
        for (const Fault& fault : Faults()) {
            ProgramFolder folder;
            folder.write(writer.file, kOldContent);
            const auto problem = writer.save(folder.path(), fault.options);
            ASSERT_TRUE(problem) << writer.file << ": " << fault.title;
            EXPECT_EQ(problem->fileName, writer.file);
            EXPECT_TRUE(problem->describe().startsWith(QString::fromUtf8("無法寫入檔案 ") + writer.file + QString::fromUtf8("：")))
                << problem->describe().toStdString();
            EXPECT_EQ(folder.read(writer.file), kOldContent) << writer.file << ": " << fault.title;
            EXPECT_EQ(folder.entries(), QStringList{writer.file}) << writer.file << ": " << fault.title;
        }
    }
}

TEST(SafeSave, ASaveWithoutFaultsReplacesTheFile) {
    for (const Writer& writer : Writers()) {
        ProgramFolder folder;
        folder.write(writer.file, kOldContent);
        ASSERT_FALSE(writer.save(folder.path(), {})) << writer.file;
        EXPECT_NE(folder.read(writer.file), kOldContent) << writer.file;
        EXPECT_EQ(folder.entries(), QStringList{writer.file}) << writer.file;
    }
}

TEST(SafeSave, AReadOnlyFolderFailsWithAMessageNamingTheFile) {
    ProgramFolder folder;
    folder.write("User", kOldContent);
    const QFile::Permissions writable = QFile::permissions(folder.path());
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    QFile probe(folder.file("probe"));
    const bool stillWritable = probe.open(QIODevice::WriteOnly);
    if (stillWritable) probe.remove();
    if (!stillWritable) {
        const auto problem = Writers()[0].save(folder.path(), {});
        ASSERT_TRUE(problem);
        EXPECT_TRUE(problem->describe().startsWith(QString::fromUtf8("無法寫入檔案 User：") + folder.file("User")));
        EXPECT_EQ(folder.read("User"), kOldContent);
    }
    QFile::setPermissions(folder.path(), writable);
    if (stillWritable) GTEST_SKIP() << "permissions do not bind this user (root); the fault cases cover the same path";
}

TEST(SafeSave, AFolderThatIsNoFolderFailsWithAMessage) {
    // Holds for every user, root too: the program folder is a file.
    ProgramFolder folder;
    folder.write("notAFolder", "x");
    const auto problem = Writers()[0].save(folder.file("notAFolder"), {});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->path, folder.file("notAFolder") + "/User");
    EXPECT_EQ(folder.read("notAFolder"), QByteArray("x"));
}

}  // namespace
}  // namespace velmora::files
