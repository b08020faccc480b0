// Records with birth moments in User: loaded and saved byte for byte, and the
// moment written as pieces after the six fields reads back as it was stored.

#include <gtest/gtest.h>

#include "moment/StoredMoment.h"
#include "tests/files/Fixture.h"

namespace velmora::moment {
namespace {

using files::testing::Big5;
using files::testing::ProgramFolder;

// Each row: the six fields, the moment they hold, and the pieces it is
// written as (unknown pieces before and after kept where they stand).
struct StoredRow {
    const char* six;
    StoredMoment moment;
    QByteArray pieces;
};

TEST(StoredMoment, RecordsWithMomentsLoadAndSaveByteForByte) {
    const std::vector<StoredRow> rows = {
        {"甲\t男\t1988\t7\t15\t巳  (09:00-10:59)",
         {QDate(1988, 7, 15), QTime(11, 20), QStringLiteral("北京"), 116.39723, "Asia/Shanghai", {},
          Basis::TrueSolar, {}},
         "\tclock=11:20\tplace=" + Big5("北京") +
             "\tlongitude=116.39723\tzone=Asia/Shanghai\tbasis=true"},
        {"乙\t女\t2010\t12\t24\t亥  (21:00-22:59)",
         {QDate(2010, 12, 25), QTime(1, 20), QStringLiteral("喀什"), 75.98951, "Asia/Shanghai", {},
          Basis::MeanSolar, {}},
         "\tclock=2010-12-25 01:20\tplace=" + Big5("喀什") +
             "\tlongitude=75.98951\tzone=Asia/Shanghai\tbasis=mean"},
        {"丙\t男\t1974\t9\t30\t亥  (21:00-22:59)",
         {QDate(1974, 9, 30), QTime(23, 30), {}, 121.53185, {}, 32400, Basis::Standard, 1},
         "\tclock=23:30\tlongitude=121.53185\tutcOffset=32400\tbasis=standard\treading=1"},
    };
    const QByteArray unknown = "\tfuture=\x81\x40";
    for (const StoredRow& row : rows) {
        SCOPED_TRACE(row.six);
        ProgramFolder folder;
        const QByteArray line = Big5(row.six) + unknown + row.pieces + "\r\n";
        folder.write("User", line);
        files::UserFileRead read = files::ReadUserFile(folder.file("User"));
        ASSERT_EQ(read.records.size(), 1u);
        EXPECT_EQ(ReadStoredMoment(read.records[0]), row.moment);
        ASSERT_FALSE(files::WriteUserFile(folder.file("User"), read.records));
        EXPECT_EQ(folder.read("User"), line) << "the line stands as read";

        ASSERT_FALSE(StoreMoment(read.records[0], std::nullopt));
        ASSERT_FALSE(StoreMoment(read.records[0], row.moment));
        ASSERT_FALSE(files::WriteUserFile(folder.file("User"), read.records));
        EXPECT_EQ(folder.read("User"), line) << "stored anew, the same bytes";
    }
}

}  // namespace
}  // namespace velmora::moment
