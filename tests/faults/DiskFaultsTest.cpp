// Each of the program's saves against a failing disk: the file as it was
// before is left whole, the user is told which file (by its full path), the
// edit stays to be saved again, and once the disk works the next save writes it.

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "files/ReferencePath.h"
#include "tests/faults/DiskFaults.h"

namespace velmora::testing {
namespace {

const QByteArray kOldUser = "\xa5\xd2\t\xa8\x6b\t1990\t5\t3\t\xa4\xc8  (11:00-12:59)\r\n";  // 甲 男 1990-5-3 午

struct Row {
    const char* name;
    EditFactory edit;
    Fault fault;
};

std::string Describe(const Row& row) {
    static const char* const kFaults[] = {"ReadOnlyFolder", "FailsHalfWay", "StopsBeforeRename"};
    return std::string(row.name) + kFaults[static_cast<int>(row.fault)];
}
std::string RowName(const ::testing::TestParamInfo<Row>& info) { return Describe(info.param); }
void PrintTo(const Row& row, std::ostream* out) { *out << Describe(row); }

class DiskFaultTest : public ::testing::TestWithParam<Row> {
protected:
    QByteArray read(const QString& name) const {
        QFile file(folder_.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    // Applies the fault; false when it cannot bind here (root writes into read-only folders).
    bool inject(Session& session) {
        switch (GetParam().fault) {
            case Fault::ReadOnlyFolder:
                QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
                return ReadOnlyBinds(folder_.path());
            case Fault::FailsHalfWay: session.writeOptions = HalfWayFailure(); return true;
            case Fault::StopsBeforeRename: session.writeOptions.failBeforeCommit = true; return true;
        }
        return false;
    }
    void heal(Session& session) {
        QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        session.writeOptions = {};
    }

    ProgramFolder folder_;
};

TEST_P(DiskFaultTest, TheOldFileStaysWholeTheUserIsToldAndTheEditIsSavedLater) {
    folder_.write(QStringLiteral("User"), kOldUser);
    EditedStart start = GetParam().edit(folder_);
    ASSERT_NE(start.window, nullptr);
    EditedWindow& window = *start.window;
    Session& session = start.started.form->session();
    const QByteArray before = read(window.fileName());
    const QStringList entries = QDir(folder_.path()).entryList(QDir::Files);
    start.started.boxes->clear();

    const bool binds = inject(session);
    if (binds) window.save();
    heal(session);
    if (!binds) GTEST_SKIP() << "permissions do not bind here; CTest runs this again without root's override";

    EXPECT_EQ(read(window.fileName()), before) << "the previous file changed";
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), entries) << "a temporary file was left behind";
    const QString path = files::ReferencePath(folder_.path(), window.fileName());
    ASSERT_EQ(start.started.boxes->shown().size(), 1U);
    EXPECT_TRUE(start.started.boxes->shown()[0].text.contains(path)) << start.started.boxes->shown()[0].text.toStdString();
    EXPECT_TRUE(window.editKept());

    window.save();  // the disk works again
    EXPECT_TRUE(window.editSaved(read(window.fileName())));
}

INSTANTIATE_TEST_SUITE_P(
    Saves, DiskFaultTest,
    ::testing::Values(Row{"User", EditUser, Fault::ReadOnlyFolder}, Row{"User", EditUser, Fault::FailsHalfWay},
                      Row{"User", EditUser, Fault::StopsBeforeRename}, Row{"Mia", EditMia, Fault::ReadOnlyFolder},
                      Row{"Mia", EditMia, Fault::FailsHalfWay}, Row{"Mia", EditMia, Fault::StopsBeforeRename},
                      Row{"Four", EditFour, Fault::ReadOnlyFolder}, Row{"Four", EditFour, Fault::FailsHalfWay},
                      Row{"Four", EditFour, Fault::StopsBeforeRename}),
    RowName);

}  // namespace
}  // namespace velmora::testing
