#pragma once
// The birth records of User: one person a line, six fields joined by TAB.

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "files/FileProblem.h"
#include "files/SafeSave.h"

namespace velmora::files {

inline constexpr int kUserFields = 6;

struct BirthRecord {
    QString name;
    QString gender;  // "男" or "女"
    QString year;    // "1902".."2099"
    QString month;   // "1".."12"
    QString day;     // "1".."31"
    QString hour;    // one of the twelve period labels

    // The line a record was read from, with the fields read from it. While the
    // fields are unchanged the record is written back as these very bytes, so
    // a line with fewer or more fields, or bytes that are not Big5, survives a
    // save as it stood; once any field changes, the six fields are written.
    struct StoredLine {
        QByteArray bytes;
        std::array<QString, kUserFields> fields;
    };
    std::optional<StoredLine> stored;

    std::array<QString, kUserFields> fields() const { return {name, gender, year, month, day, hour}; }
};

struct UserFileRead {
    std::vector<BirthRecord> records;  // in file order; empty lines are not records
    // A missing file is no error (no records yet). An error means the file is
    // there but could not be read: the caller must not save over it.
    Diagnostics diagnostics;
};

QString UserFilePath(const QString& programFolder);

UserFileRead ReadUserFile(const QString& path);

// Rewrites the whole file from the list, in list order, CR LF ends; no records
// give an empty file. A field holding TAB, CR or LF, or text Big5 cannot hold,
// is refused with its record's line before anything is written.
std::optional<FileProblem> WriteUserFile(const QString& path, const std::vector<BirthRecord>& records,
                                         const WriteOptions& options = {});

}  // namespace velmora::files
