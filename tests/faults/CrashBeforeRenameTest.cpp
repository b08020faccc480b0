// A process killed after writing a save's bytes and before renaming them over
// the file, as a crash or power cut would: the file is as it was before, the
// program reads it as before at its next start, and the next save works.

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <functional>

#include "files/FourFile.h"
#include "files/MiaDocument.h"
#include "files/UserFile.h"
#include "tests/ui/UiTestSupport.h"

namespace velmora::testing {
namespace {

using Save = std::function<std::optional<files::FileProblem>(const QString& folder, const files::WriteOptions&)>;
// The file's records as the program reads them at start, for comparison.
using Reading = std::function<QStringList(const QString& folder)>;

QStringList UserRecords(const QString& folder) {
    QStringList rows;
    const files::UserFileRead read = files::ReadUserFile(files::UserFilePath(folder));
    if (!read.diagnostics.ok()) return {QStringLiteral("<unreadable>")};
    for (const files::BirthRecord& record : read.records) {
        const auto fields = record.fields();
        rows.append(QStringList(fields.begin(), fields.end()).join(QLatin1Char('|')));
    }
    return rows;
}

QStringList MiaRows(const QString& folder) {
    const files::MiaDocumentRead read = files::ReadMiaDocument(folder);
    if (!read.diagnostics.ok()) return {QStringLiteral("<unreadable>")};
    QStringList rows(read.document.levelNames.begin(), read.document.levelNames.end());
    for (const files::MiaRow& row : read.document.rows) rows.append(row.text);
    return rows;
}

QStringList FourLines(const QString& folder) {
    const files::FourLines read = files::ReadFourLines(folder);
    if (!read.diagnostics.ok()) return {QStringLiteral("<unreadable>")};
    return QStringList(read.lines.begin(), read.lines.end());
}

struct Row {
    const char* file;
    Save save;  // writes a changed table
    Reading reading;
};

const std::array<Row, 3> kRows = {{
    {"User",
     [](const QString& folder, const files::WriteOptions& options) {
         const files::BirthRecord record{QStringLiteral("新"), QStringLiteral("女"), QStringLiteral("1985"),
                                         QStringLiteral("2"),  QStringLiteral("4"),  QStringLiteral("子"), {}, {}};
         return files::WriteUserFile(files::UserFilePath(folder), {record}, options);
     },
     UserRecords},
    {"Mia",
     [](const QString& folder, const files::WriteOptions& options) {
         files::MiaDocument document = files::ReadMiaDocument(folder).document;
         document.rows.at(0).levels[0] = static_cast<std::int8_t>((document.rows.at(0).levels[0] + 1) % 8);
         return files::WriteMiaDocument(folder, document, options);
     },
     MiaRows},
    {"Four",
     [](const QString& folder, const files::WriteOptions& options) {
         std::array<QString, kTransformationLines> lines;
         lines.fill(QStringLiteral("01020304"));
         return files::WriteFour(folder, lines, options);
     },
     FourLines},
}};

// Runs the save in a child process that kills itself once the bytes are
// written and flushed, before the rename; true when it died that way.
bool SaveKilledBeforeRename(const Save& save, const QString& folder) {
    const pid_t child = fork();
    if (child == 0) {
        files::WriteOptions options;
        options.writeBytes = [](QSaveFile& file, const QByteArray& bytes) {
            const bool written = file.write(bytes) == bytes.size() && file.flush();
            if (written) raise(SIGKILL);
            _exit(1);
            return false;
        };
        save(folder, options);
        _exit(2);  // the save returned: it never reached the write
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CrashBeforeRenameTest : public ::testing::TestWithParam<Row> {};

TEST_P(CrashBeforeRenameTest, TheFileIsAsBeforeAndTheNextStartAndSaveWork) {
    ProgramFolder folder;
    folder.write(QStringLiteral("User"), "\xa5\xd2\t\xa8\x6b\t1990\t5\t3\t\xa4\xc8  (11:00-12:59)\r\n");
    const QString path = folder.filePath(QString::fromLatin1(GetParam().file));
    const QByteArray before = Bytes(path);
    const QStringList readBefore = GetParam().reading(folder.path());

    ASSERT_TRUE(SaveKilledBeforeRename(GetParam().save, folder.path()));
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(GetParam().reading(folder.path()), readBefore);

    // The half-made temporary file the crash left does not stand in the way.
    EXPECT_FALSE(GetParam().save(folder.path(), {}));
    EXPECT_NE(Bytes(path), before);
    EXPECT_NE(GetParam().reading(folder.path()), readBefore);
}

std::string FileName(const ::testing::TestParamInfo<Row>& row) { return row.param.file; }
void PrintTo(const Row& row, std::ostream* out) { *out << row.file; }

INSTANTIATE_TEST_SUITE_P(Files, CrashBeforeRenameTest, ::testing::ValuesIn(kRows), FileName);

}  // namespace
}  // namespace velmora::testing
