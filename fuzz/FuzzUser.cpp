// User as any bytes: read as the record window reads it, saved back unchanged
// (which must give the very bytes of its non-empty lines), and saved with
// every record's fields as edited ones, which must read back the same or be
// refused before anything is written. A name the window accepts must be one
// the file can hold.

#include "files/Big5.h"
#include "files/ReferencePath.h"
#include "files/UserFile.h"
#include "fuzz/FuzzSupport.h"
#include "ui/records/RecordChecks.h"

using namespace velmora;

namespace {

const QString kSaved = QStringLiteral("User.saved");

std::vector<files::BirthRecord> Edited(const std::vector<files::BirthRecord>& records) {
    std::vector<files::BirthRecord> edited = records;
    for (files::BirthRecord& record : edited) record.stored.reset();
    return edited;
}

void CheckUnchangedSave(const fuzz::ProgramFolder& folder, const files::UserFileRead& read) {
    std::vector<QByteArray> lines;
    for (const files::BirthRecord& record : read.records) {
        if (!record.stored) fuzz::Fail("a record read without its line");
        lines.push_back(record.stored->bytes);
    }
    if (auto problem = files::WriteUserFile(folder.filePath(kSaved), read.records))
        fuzz::Fail("records saved unchanged were refused: " + problem->describe().toStdString());
    if (folder.read(kSaved) != files::JoinLines(lines)) fuzz::Fail("an unchanged save changed a line");
}

void CheckEditedSave(const fuzz::ProgramFolder& folder, const files::UserFileRead& read, const QByteArray& before) {
    const std::vector<files::BirthRecord> edited = Edited(read.records);
    if (files::WriteUserFile(folder.filePath(kSaved), edited)) {
        if (folder.read(kSaved) != before) fuzz::Fail("a refused save changed the file");
        return;
    }
    const files::UserFileRead back = files::ReadUserFile(folder.filePath(kSaved));
    if (!back.diagnostics.ok() || back.records.size() != edited.size()) fuzz::Fail("edited records read back apart");
    for (std::size_t i = 0; i < edited.size(); ++i)
        if (back.records[i].fields() != edited[i].fields()) fuzz::Fail("an edited record reads back differently");
}

// The record window refuses a name by NameProblem; one it lets through must save.
void CheckNames(const fuzz::ProgramFolder& folder, const files::UserFileRead& read) {
    for (const files::BirthRecord& record : read.records) {
        if (NameProblem(record.name)) continue;
        const files::BirthRecord fresh{record.name, QStringLiteral("男"), QStringLiteral("1984"), QStringLiteral("2"),
                                       QStringLiteral("2"), QStringLiteral("午"), {}, {}};
        if (auto problem = files::WriteUserFile(folder.filePath(kSaved), {fresh}))
            fuzz::Fail("a name the record window accepts cannot be saved: " + problem->describe().toStdString());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ProgramFolder& folder = fuzz::Folder();
    folder.write(files::kUserFile, fuzz::Bytes(data, size));
    const files::UserFileRead read = files::ReadUserFile(files::UserFilePath(folder.path()));
    if (!read.diagnostics.ok()) fuzz::Fail("a User that is there was not read");
    for (const files::FileProblem& warning : read.diagnostics.warnings) (void)warning.describe();
    CheckUnchangedSave(folder, read);
    CheckEditedSave(folder, read, folder.read(kSaved));
    CheckNames(folder, read);
    return 0;
}
