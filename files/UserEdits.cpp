#include "files/UserEdits.h"

#include <QFileInfo>

#include <algorithm>
#include <variant>

#include "files/FileLock.h"
#include "files/ReferencePath.h"

namespace velmora::files {

namespace {

// The record `before` names: by the line it was read from, or, for a record
// never written, by what it holds.
bool Names(const BirthRecord& candidate, const BirthRecord& before) {
    if (before.stored) return candidate.stored && candidate.stored->bytes == before.stored->bytes;
    return !candidate.stored && candidate.fields() == before.fields() && candidate.extras == before.extras;
}

// Writes the records and gives the file as written, each record with its line.
UserSave WriteAndReread(const QString& path, const std::vector<BirthRecord>& records, const WriteOptions& options) {
    UserSave saved;
    auto bytes = EncodeUserFile(path, records);
    if (auto* problem = std::get_if<FileProblem>(&bytes)) {
        saved.problem = std::move(*problem);
        return saved;
    }
    const QByteArray& written = std::get<QByteArray>(bytes);
    if ((saved.problem = SaveBytes(path, kUserFile, written, options))) return saved;
    saved.records = ParseUserFile(written, path).records;
    saved.stamp = StampOf(written, QFileInfo(path).lastModified());
    return saved;
}

// The file changed since it was read: the edits go on top of what it holds now.
UserSave SaveOnTop(const QString& path, const StampedBytes& now, const std::vector<UserEdit>& edits,
                   const WriteOptions& options) {
    UserFileRead read = ParseUserFile(now.bytes, path);
    std::vector<UserEdit> lost = ApplyUserEdits(read.records, edits);
    UserSave saved;
    if (lost.size() == edits.size()) {  // nothing to write: keep the file as the other left it
        saved = UserSave{std::nullopt, true, {}, std::move(read.records), now.stamp};
    } else {
        saved = WriteAndReread(path, read.records, options);
        saved.changedElsewhere = true;
    }
    saved.lost = std::move(lost);
    return saved;
}

}  // namespace

std::vector<UserEdit> ApplyUserEdits(std::vector<BirthRecord>& records, const std::vector<UserEdit>& edits) {
    std::vector<UserEdit> lost;
    for (const UserEdit& edit : edits) {
        if (edit.kind == UserEdit::Kind::Add) {
            records.push_back(edit.after);
            records.back().stored.reset();
            continue;
        }
        const auto found = std::find_if(records.begin(), records.end(),
                                        [&](const BirthRecord& record) { return Names(record, edit.before); });
        if (found == records.end()) {
            lost.push_back(edit);
        } else if (edit.kind == UserEdit::Kind::Delete) {
            records.erase(found);
        } else {
            // The line it was read from stays with it: unchanged fields write it back as it stood.
            auto line = std::move(found->stored);
            *found = edit.after;
            found->stored = std::move(line);
        }
    }
    return lost;
}

UserForEditing ReadUserForEditing(const QString& path) {
    StampedBytes file = ReadStamped(path, kUserFile);
    UserForEditing result;
    result.stamp = file.stamp;
    if (file.problem) {
        result.read.diagnostics.error = std::move(file.problem);
    } else if (file.stamp.exists) {
        result.read = ParseUserFile(file.bytes, path);
    }
    return result;
}

UserSave SaveUserEdits(const QString& path, const FileStamp& read, const std::vector<BirthRecord>& list,
                       const std::vector<UserEdit>& edits, const WriteOptions& options) {
    UserSave saved;
    const auto problem = WithFileLock(path, kUserFile, options.lockWait, [&]() -> std::optional<FileProblem> {
        const DiskLook look = LookAgain(path, kUserFile, read);
        if (look.now.problem) return look.now.problem;  // there but unreadable: never saved over
        // Unchanged, or gone (then written afresh from the list, so nothing the window shows is lost).
        saved = look.state == DiskState::Changed ? SaveOnTop(path, look.now, edits, options)
                                                 : WriteAndReread(path, list, options);
        return saved.problem;
    });
    if (problem) saved = UserSave{problem, false, {}, {}, read};
    return saved;
}

}  // namespace velmora::files
