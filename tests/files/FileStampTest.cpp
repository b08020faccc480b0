// Seeing whether a file changed since it was read, and the lock a save takes.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSysInfo>

#include "Fixture.h"
#include "files/FileLock.h"
#include "files/FileStamp.h"
#include "files/UserEdits.h"

namespace velmora::files {
namespace {

using testing::ProgramFolder;

const QByteArray kRead = "abc\r\n";

// Columns: what happens after the read, what a second look must see. The
// same-size rewrite keeps the modification time, as a write in the same clock
// tick does: only the bytes can tell.
struct Meanwhile {
    const char* what;
    bool existedAtRead;
    std::function<void(const ProgramFolder&, const QString&)> act;
    DiskState seen;
};

void KeepTime(const QString& path, const QDateTime& time) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

const Meanwhile kMeanwhile[] = {
    {"nothing", true, [](const ProgramFolder&, const QString&) {}, DiskState::AsRead},
    {"same bytes, touched", true, [](const ProgramFolder& f, const QString& p) {
         f.write("User", kRead);
         KeepTime(p, QDateTime::currentDateTime().addSecs(60));
     }, DiskState::AsRead},
    {"same size, same time", true, [](const ProgramFolder& f, const QString& p) {
         const QDateTime time = QFileInfo(p).lastModified();
         f.write("User", "xyz\r\n");
         KeepTime(p, time);
     }, DiskState::Changed},
    {"longer", true, [](const ProgramFolder& f, const QString&) { f.write("User", kRead + kRead); }, DiskState::Changed},
    {"removed", true, [](const ProgramFolder&, const QString& p) { QFile::remove(p); }, DiskState::Vanished},
    {"still missing", false, [](const ProgramFolder&, const QString&) {}, DiskState::AsRead},
    {"created", false, [](const ProgramFolder& f, const QString&) { f.write("User", kRead); }, DiskState::Changed},
};

TEST(LookAgain, SeesEveryChangeSinceTheRead) {
    for (const Meanwhile& row : kMeanwhile) {
        SCOPED_TRACE(row.what);
        ProgramFolder folder;
        const QString path = folder.file("User");
        if (row.existedAtRead) folder.write("User", kRead);
        const FileStamp read = ReadStamped(path, "User").stamp;
        row.act(folder, path);
        EXPECT_EQ(LookAgain(path, "User", read).state, row.seen);
    }
}

// A lock file left by a program that crashed (its process is gone) is taken over.
TEST(WithFileLock, TakesOverTheLockOfAProgramThatIsGone) {
    QProcess gone;
    gone.start("sleep", {"0.1"});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    ProgramFolder folder;
    const QByteArray info = QByteArray::number(pid) + "\nvelmora\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    folder.write("User.lock", info);
    const UserSave saved = SaveUserEdits(folder.file("User"), {}, {}, {}, {});
    EXPECT_FALSE(saved.problem) << saved.problem->describe().toStdString();
    EXPECT_TRUE(folder.exists("User"));
    EXPECT_FALSE(folder.exists("User.lock"));
}

}  // namespace
}  // namespace velmora::files
