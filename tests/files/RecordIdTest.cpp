// The id piece: given once, then kept through every edit the record window
// makes and through a save on top of another window's change.

#include <gtest/gtest.h>

#include <functional>

#include "Fixture.h"
#include "files/RecordExtras.h"
#include "files/RecordId.h"
#include "files/UserEdits.h"

namespace velmora::files {
namespace {

using testing::Big5;
using testing::ProgramFolder;

TEST(RecordId, IsGivenOnceAndAnIdThatIsNoUuidIsReplaced) {
    BirthRecord record{"甲", "男", "1990", "1", "1", "子  (23:00-00:59)", {}, {}};
    EXPECT_FALSE(RecordId(record));
    EXPECT_TRUE(GiveRecordId(record));
    const std::optional<QString> given = RecordId(record);
    ASSERT_TRUE(given);
    EXPECT_FALSE(GiveRecordId(record));
    EXPECT_EQ(RecordId(record), given);
    SetExtra(record, extra_keys::kId, "not-a-uuid");
    EXPECT_FALSE(RecordId(record));
    EXPECT_TRUE(GiveRecordId(record));
    EXPECT_NE(RecordId(record), given);
    EXPECT_EQ(record.extras.size(), 1);  // replaced in place, never a second id piece
}

// An edit as the record window makes it (the entered fields over the record
// as it stood, its pieces carried), saved with or without another window's
// change in between; the id must come back from the file unchanged.
TEST(RecordId, IsKeptThroughEveryEditAndASaveOnTopOfAnotherChange) {
    const QByteArray line = Big5("王小明\t男\t1975\t3\t8\t辰  (07:00-08:59)\tid=6f1c2a9e-0d2b-4c55-9a41-3b8f0f6e7a10\r\n");
    const QString id = "6f1c2a9e-0d2b-4c55-9a41-3b8f0f6e7a10";
    // what, the change to the record, another window appends a line first
    const std::vector<std::tuple<const char*, std::function<void(BirthRecord&)>, bool>> rows = {
        {"name", [](BirthRecord& r) { r.name = "王大明"; }, false},
        {"date and period", [](BirthRecord& r) { r.day = "9", r.hour = "巳  (09:00-10:59)"; }, false},
        {"clock piece", [](BirthRecord& r) { SetExtra(r, extra_keys::kClock, "08:15"); }, false},
        {"name, on top", [](BirthRecord& r) { r.name = "王大明"; }, true},
        {"pieces, on top", [](BirthRecord& r) { SetExtra(r, extra_keys::kPlace, "臺北"); }, true},
    };
    for (const auto& [what, change, elsewhere] : rows) {
        SCOPED_TRACE(what);
        ProgramFolder folder;
        folder.write("User", line);
        const UserForEditing read = ReadUserForEditing(folder.file("User"));
        std::vector<BirthRecord> list = read.read.records;
        BirthRecord after = list[0];
        change(after);
        GiveRecordId(after);  // as the window does before saving
        const UserEdit edit{UserEdit::Kind::Change, list[0], after};
        list[0] = after;
        if (elsewhere) folder.write("User", line + Big5("李美\t女\t2001\t12\t31\t子  (23:00-00:59)\r\n"));
        const UserSave saved = SaveUserEdits(folder.file("User"), read.stamp, list, {edit});
        ASSERT_FALSE(saved.problem);
        EXPECT_EQ(saved.changedElsewhere, elsewhere);
        const UserFileRead again = ReadUserFile(folder.file("User"));
        ASSERT_EQ(again.records.size(), elsewhere ? 2u : 1u);
        EXPECT_EQ(RecordId(again.records[0]), id);
        EXPECT_EQ(again.records[0].name, after.name);
    }
}

}  // namespace
}  // namespace velmora::files
