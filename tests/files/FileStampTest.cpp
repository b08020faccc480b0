// Seeing whether a file changed since it was read, and the lock a save takes.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSysInfo>

#include "Fixture.h"
#include "files/FileStamp.h"
#include "files/UserEdits.h"

namespace velmora::files {
namespace {

using testing::ProgramFolder;

// Columns: what happens after "abc" was read (nullptr: the file is removed),
// whether the modification time is then set back to the one read (as a write
// in the same clock tick leaves it), what a second look must see.
struct Meanwhile {
    const char* rewrite;
    bool sameTime;
    DiskState seen;
};
const Meanwhile kMeanwhile[] = {
    {"abc\r\n", false, DiskState::AsRead},   // the same bytes written again
    {"xyz\r\n", true, DiskState::Changed},   // same size, same time: only the bytes tell
    {"abcd\r\n", false, DiskState::Changed},
    {nullptr, false, DiskState::Vanished},
};

TEST(LookAgain, SeesEveryChangeSinceTheRead) {
    for (const Meanwhile& row : kMeanwhile) {
        SCOPED_TRACE(row.rewrite ? row.rewrite : "removed");
        ProgramFolder folder;
        const QString path = folder.file("User");
        folder.write("User", "abc\r\n");
        const FileStamp read = ReadStamped(path, "User").stamp;
        row.rewrite ? folder.write("User", row.rewrite) : void(QFile::remove(path));
        if (QFile file(path); row.sameTime && file.open(QIODevice::ReadWrite)) {
            ASSERT_TRUE(file.setFileTime(read.modified, QFileDevice::FileModificationTime));
        }
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
    folder.write("User.lock", QByteArray::number(pid) + "\nvelmora\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    const UserSave saved = SaveUserEdits(folder.file("User"), {}, {}, {}, {});
    EXPECT_FALSE(saved.problem) << saved.problem->describe().toStdString();
    EXPECT_TRUE(folder.exists("User"));
    EXPECT_FALSE(folder.exists("User.lock"));
}

}  // namespace
}  // namespace velmora::files
