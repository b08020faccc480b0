// Where User, Mia and Four are read and written: beside a writable program,
// in the user's data folder beside an installed one.

#include <QFileInfo>

#include <gtest/gtest.h>

#include "Fixture.h"
#include "files/FileFolders.h"
#include "files/ReferencePath.h"

namespace velmora::files {
namespace {

using testing::ProgramFolder;

TEST(FileFolders, AWritableProgramFolderHoldsEverythingAnInstalledOneOnlyShips) {
    ProgramFolder program, data;
    const QString userData = data.file(QStringLiteral("velmora"));
    // Columns: program folder, separate data folder expected.
    const std::vector<std::pair<QString, bool>> rows = {
        {program.path(), false}, {program.path() + QLatin1Char('/'), false},
        {QStringLiteral("/usr/share"), true}, {QStringLiteral("/usr/lib/../share"), true},
        {QStringLiteral("/nonexistent/velmora"), true},
    };
    for (const auto& [folder, separate] : rows) {
        SCOPED_TRACE(folder.toStdString());
        const FileFolders folders = FoldersFor(folder, userData);
        EXPECT_EQ(folders.program, folder);
        EXPECT_EQ(folders.separate(), separate);
        EXPECT_EQ(folders.writeFolder(), separate ? userData : folder);
        if (separate) {
            EXPECT_TRUE(QFileInfo(userData).isDir()) << "made, so the first save can write there";
        }
    }
}

TEST(FileFolders, ShippedTablesAreReadUntilTheUserSavesACopyUserIsAlwaysTheUsers) {
    ProgramFolder program, data;
    const FileFolders folders{program.path(), data.path()};
    for (const QString& name : {kMiaFile, kFourFile}) program.write(name, "shipped");
    EXPECT_EQ(folders.readFolder(kMiaFile), program.path());
    EXPECT_EQ(folders.readFolder(kProperNFile), program.path());
    EXPECT_EQ(folders.readFolder(kUserFile), data.path());
    data.write(kMiaFile, "edited");
    EXPECT_EQ(folders.readFolder(kMiaFile), data.path());
    EXPECT_EQ(folders.readFolder(kFourFile), program.path());
    const FileFolders together{program.path(), program.path()};
    EXPECT_EQ(together.readFolder(kUserFile), program.path());
}

}  // namespace
}  // namespace velmora::files
