// The reference files the program ships with.

#include <gtest/gtest.h>

#include <QFile>

#include "Fixture.h"
#include "files/FourFile.h"
#include "files/LineFile.h"
#include "files/MiaDocument.h"
#include "files/MiaFile.h"
#include "files/NameListFile.h"

namespace velmora::files {
namespace {

using testing::ProgramFolder;

const QString kDataDir = QStringLiteral(VELMORA_DATA_DIR);

QByteArray Shipped(const QString& name) {
    QFile file(kDataDir + "/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

TEST(ShippedFiles, LoadWithoutWarnings) {
    NameList names;
    const Diagnostics properN = LoadNameList(kDataDir, names);
    EXPECT_TRUE(properN.ok() && properN.warnings.empty());
    EXPECT_EQ(names.at(1, 10), "癸");
    EXPECT_EQ(names.at(3, 13), "身宮");
    EXPECT_EQ(names.at(5, 28), "地劫");
    EXPECT_EQ(names.at(6, 25), "天壽");
    EXPECT_EQ(names.at(10, 12), "病符");

    BrightnessTable table;
    std::vector<StarLevelRow> rows;
    const Diagnostics mia = ReadMia(kDataDir, table, rows);
    EXPECT_TRUE(mia.ok() && mia.warnings.empty());
    EXPECT_EQ(rows.size(), 20u);
    EXPECT_EQ(table.LevelNames[4], "利");

    TransformationTable four;
    const Diagnostics fourRead = ReadFour(kDataDir, four);
    EXPECT_TRUE(fourRead.ok() && fourRead.warnings.empty());
    EXPECT_EQ(four.lines[1], "06140403");
    EXPECT_EQ(four.lines[10], "14100809");
}

TEST(ShippedFiles, SaveBackByteForByte) {
    ProgramFolder folder;
    const TextLines properN = ReadBig5File(kDataDir + "/ProperN", "ProperN");
    ASSERT_FALSE(WriteBig5File(folder.file("ProperN"), "ProperN", properN.lines));
    EXPECT_EQ(folder.read("ProperN"), Shipped("ProperN"));

    const MiaDocumentRead mia = ReadMiaDocument(kDataDir);
    ASSERT_FALSE(WriteMiaDocument(folder.path(), mia.document));
    EXPECT_EQ(folder.read("Mia"), Shipped("Mia"));

    const FourLines four = ReadFourLines(kDataDir);
    ASSERT_EQ(four.lines.size(), 10u);
    std::array<QString, 10> lines;
    std::copy(four.lines.begin(), four.lines.end(), lines.begin());
    ASSERT_FALSE(WriteFour(folder.path(), lines));
    EXPECT_EQ(folder.read("Four"), Shipped("Four"));
}

}  // namespace
}  // namespace velmora::files
