#pragma once
// Whole Big5 files as lines of text, read and written in one piece.

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

#include "files/Big5.h"
#include "files/FileProblem.h"
#include "files/SafeSave.h"

namespace velmora::files {

struct TextLines {
    std::vector<QByteArray> raw;  // each line's bytes as found, without its end
    std::vector<QString> lines;   // the same lines decoded
    Diagnostics diagnostics;      // error: missing or unreadable; warnings: lines not Big5
};

// The whole file's bytes, or why they cannot be had (missing, a folder, unreadable).
std::optional<FileProblem> ReadFileBytes(const QString& path, const QString& fileName, QByteArray& bytes);

// Reads the file at `path` (bare name `fileName` for messages). A line holding
// bytes that are not Big5 is decoded with U+FFFD in their place and reported.
TextLines ReadBig5File(const QString& path, const QString& fileName);

// The same for bytes already in memory (a file's whole content).
TextLines DecodeBig5Lines(const QByteArray& bytes, const QString& path, const QString& fileName);

// A text as Big5 bytes, or why it cannot be one line of a file, as a phrase
// ("含有換行字元", "含有 Big5 無法儲存的字「…」(U+…)").
std::variant<QByteArray, QString> EncodeText(Big5Encoder& encoder, const QString& text);

// One line of text as Big5 bytes, or the problem that refuses it: a line end
// inside the text, or a character the code page cannot hold. `lineNumber` is
// the line's place in the file, for the message.
std::variant<QByteArray, FileProblem> EncodeLine(Big5Encoder& encoder, const QString& text,
                                                 const QString& path, const QString& fileName,
                                                 int lineNumber);

// Writes the lines with CR LF ends. Every line is checked before anything is
// written; the first that cannot be written is returned and the file is untouched.
std::optional<FileProblem> WriteBig5File(const QString& path, const QString& fileName,
                                         const std::vector<QString>& lines,
                                         const WriteOptions& options = {});

}  // namespace velmora::files
