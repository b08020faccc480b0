#pragma once
// What went wrong with one of the program's files, in words the user can read.

#include <QString>

#include <optional>
#include <vector>

namespace velmora::files {

struct FileProblem {
    QString fileName;  // the bare name, e.g. "ProperN"
    QString path;      // the full path the program used
    int line = 0;      // 1-based line of the file; 0 when the whole file is meant
    // For the whole file, a phrase the bare name follows ("找不到檔案");
    // for a line, a phrase that follows "第 N 行" ("含有 Big5 以外的位元組").
    QString message;
    QString detail;  // the system's own reason, if any; shown in parentheses

    // E.g. "找不到檔案 Mia：/opt/velmora/Mia" or
    // "檔案 Mia 第 3 行含有 Big5 以外的位元組：/opt/velmora/Mia".
    QString describe() const;
    friend bool operator==(const FileProblem&, const FileProblem&) = default;
};

// The outcome of reading a file: an error means the file could not be used at
// all and the caller's tables were left as they were; warnings name lines that
// were read in part or passed over.
struct Diagnostics {
    std::optional<FileProblem> error;
    std::vector<FileProblem> warnings;

    bool ok() const { return !error.has_value(); }
};

// A whole-file problem and a problem on one line.
FileProblem FileError(const QString& fileName, const QString& path, const QString& message,
                      const QString& detail = {});
FileProblem LineProblem(const QString& fileName, const QString& path, int line,
                        const QString& message);

}  // namespace velmora::files
