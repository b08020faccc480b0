// The key=value pieces after User's six fields: read, set and written back,
// with every piece this program does not know kept byte for byte.

#include <gtest/gtest.h>

#include "Fixture.h"
#include "files/RecordExtras.h"
#include "files/UserFile.h"

namespace velmora::files {
namespace {

using testing::Big5;
using testing::ProgramFolder;

const QByteArray kSix = Big5("甲\t女\t1980\t2\t3\t午  (11:00-12:59)");

BirthRecord ReadOne(ProgramFolder& folder, const QByteArray& line) {
    folder.write("User", line + "\r\n");
    UserFileRead read = ReadUserFile(folder.file("User"));
    EXPECT_TRUE(read.diagnostics.ok());
    EXPECT_EQ(read.records.size(), 1u);
    return read.records.at(0);
}

// Each row: the pieces the line holds after the sixth field, an edit, and the
// line the next save writes.
struct ExtrasRow {
    const char* what;
    QByteArray pieces;
    QByteArray key;
    std::optional<QString> value;
    QByteArray written;
};

TEST(RecordExtras, SetKeepsEveryOtherPieceByteForByte) {
    const std::vector<ExtrasRow> rows = {
        {"appended", "", "clock", QStringLiteral("11:20"), "\tclock=11:20"},
        {"set in place", "\tclock=09:00\tplace=" + Big5("北京"), "clock", QStringLiteral("11:20"),
         "\tclock=11:20\tplace=" + Big5("北京")},
        {"Big5 value", "\tnote", "place", QStringLiteral("臺北市"), "\tnote\tplace=" + Big5("臺北市")},
        {"removed", "\tx=\xff\x80\tclock=1\tclock=2\tzone=Asia/Taipei", "clock", std::nullopt,
         "\tx=\xff\x80\tzone=Asia/Taipei"},
        {"unknown kept", "\t=odd\t" + Big5("備註") + "\tfuture=\x81\x40", "basis", QStringLiteral("true"),
         "\t=odd\t" + Big5("備註") + "\tfuture=\x81\x40\tbasis=true"},
    };
    for (const ExtrasRow& row : rows) {
        SCOPED_TRACE(row.what);
        ProgramFolder folder;
        BirthRecord record = ReadOne(folder, kSix + row.pieces);
        ASSERT_FALSE(WriteUserFile(folder.file("User"), {record}));
        EXPECT_EQ(folder.read("User"), kSix + row.pieces + "\r\n") << "untouched, the line stands as read";
        ASSERT_FALSE(SetExtra(record, row.key, row.value));
        EXPECT_EQ(ExtraValue(record, row.key), row.value);
        ASSERT_FALSE(WriteUserFile(folder.file("User"), {record}));
        EXPECT_EQ(folder.read("User"), kSix + row.written + "\r\n");
        EXPECT_EQ(ReadOne(folder, kSix + row.written).fields(), record.fields());
    }
}

TEST(RecordExtras, RefusesWhatTheLineCannotHoldAndLeavesTheRecord) {
    const std::vector<std::pair<QByteArray, QString>> refused = {
        {"", QStringLiteral("x")},          {"a=b", QStringLiteral("x")},
        {"tab\tkey", QStringLiteral("x")},  {"鍵", QStringLiteral("x")},
        {"place", QStringLiteral("a\tb")},  {"place", QStringLiteral("a\nb")},
        {"place", QStringLiteral("😀")},
    };
    for (const auto& [key, value] : refused) {
        BirthRecord record{"甲", "男", "1990", "1", "1", "子  (23:00-00:59)", {"keep=1"}, {}};
        EXPECT_TRUE(SetExtra(record, key, value)) << key.toStdString();
        EXPECT_EQ(record.extras, QList<QByteArray>{"keep=1"});
    }
}

TEST(RecordExtras, ConventionKeysAreListedInLineOrder) {
    BirthRecord record{"甲", "男", "1990", "1", "1", "子  (23:00-00:59)",
                       {"conv.lateZi=sameDay", "profile=x", "conv.xunKong=yearPolarity", "conv."}, {}};
    EXPECT_EQ(ExtraKeysWithPrefix(record, extra_keys::kConventionPrefix),
              (QList<QByteArray>{"conv.lateZi", "conv.xunKong"}));
}

}  // namespace
}  // namespace velmora::files
