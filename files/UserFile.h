#pragma once
// The birth records of User: one person a line, six fields joined by TAB.

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <variant>
#include <vector>

#include "files/FileProblem.h"
#include "files/SafeSave.h"

namespace velmora::files {

inline constexpr int kUserFields = 6;

struct BirthRecord {
    QString name;
    QString gender;  // "男" or "女"
    QString year;    // "1800".."2200"
    QString month;   // "1".."12"
    QString day;     // "1".."31"
    QString hour;    // one of the twelve period labels
    // The pieces after the sixth field as raw bytes, in line order: `key=value`
    // pieces (files/RecordExtras.h reads and sets them) and any piece this
    // program does not know, which is written back byte for byte.
    QList<QByteArray> extras;

    // The line a record was read from, with the fields and pieces read from
    // it. While they are unchanged the record is written back as these very
    // bytes, so a short line or bytes that are not Big5 survive a save as they
    // stood; once anything changes, the six fields and the pieces are written.
    struct StoredLine {
        QByteArray bytes;
        std::array<QString, kUserFields> fields;
        QList<QByteArray> extras;
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
// The same for the file's bytes already read (`path` names it in messages).
UserFileRead ParseUserFile(const QByteArray& bytes, const QString& path);

// Rewrites the whole file from the list, in list order, CR LF ends; no records
// give an empty file. A field holding TAB, CR or LF, or text Big5 cannot hold,
// is refused with its record's line before anything is written.
// The file's bytes for the list, or the problem refusing it (as WriteUserFile).
std::variant<QByteArray, FileProblem> EncodeUserFile(const QString& path, const std::vector<BirthRecord>& records);

std::optional<FileProblem> WriteUserFile(const QString& path, const std::vector<BirthRecord>& records,
                                         const WriteOptions& options = {});

}  // namespace velmora::files
