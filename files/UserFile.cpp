#include "files/UserFile.h"

#include <QFileInfo>

#include <variant>

#include "files/Big5.h"
#include "files/LineFile.h"
#include "files/RecordExtras.h"
#include "files/ReferencePath.h"

namespace velmora::files {

namespace {

constexpr char kFieldSeparator = '\t';

// The field names as the record list heads its columns.
const std::array<QString, kUserFields> kFieldLabels = {
    QStringLiteral("姓名"), QStringLiteral("性別"), QStringLiteral("西元"),
    QStringLiteral("月"),   QStringLiteral("日"),   QStringLiteral("時")};

// Big5 trail bytes never take the value of TAB, so the raw bytes split as
// safely as the text; the pieces after the sixth are kept as raw bytes.
BirthRecord RecordFromLine(const QByteArray& bytes, const QString& text, qsizetype& pieceCount) {
    const QStringList pieces = text.split(QLatin1Char(kFieldSeparator));
    pieceCount = pieces.size();
    std::array<QString, kUserFields> fields{};
    for (int i = 0; i < kUserFields && i < pieces.size(); ++i) fields[static_cast<std::size_t>(i)] = pieces[i];
    const QList<QByteArray> rawPieces = bytes.split(kFieldSeparator);
    const QList<QByteArray> extras = rawPieces.size() > kUserFields ? rawPieces.mid(kUserFields) : QList<QByteArray>{};
    BirthRecord record{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], extras, {}};
    record.stored = BirthRecord::StoredLine{bytes, fields, extras};
    return record;
}

// Pieces after the sixth that are `key=value` are this program's own; any
// other is named, since an older hand may have put a note there.
void WarnOfPieces(const BirthRecord& record, qsizetype pieceCount, const QString& path, int line,
                  Diagnostics& diagnostics) {
    if (pieceCount < kUserFields) {
        diagnostics.warnings.push_back(LineProblem(
            kUserFile, path, line, QStringLiteral("只有 %1 個欄位，照原樣保留").arg(pieceCount)));
        return;
    }
    for (const QByteArray& piece : record.extras) {
        if (!ExtraKey(piece).isEmpty()) continue;
        diagnostics.warnings.push_back(LineProblem(
            kUserFile, path, line,
            QStringLiteral("有 %1 個欄位，第 7 個以後不使用，照原樣保留").arg(pieceCount)));
        return;
    }
}

// The record's line as bytes, or why it cannot be written.
std::variant<QByteArray, FileProblem> RecordLine(Big5Encoder& encoder, const BirthRecord& record,
                                                 const QString& path, int line) {
    const auto fields = record.fields();
    if (record.stored && record.stored->fields == fields && record.stored->extras == record.extras)
        return record.stored->bytes;
    QByteArray bytes;
    for (int i = 0; i < kUserFields; ++i) {
        const QString& field = fields[static_cast<std::size_t>(i)];
        const QString& label = kFieldLabels[static_cast<std::size_t>(i)];
        if (field.contains(QLatin1Char(kFieldSeparator)))
            return LineProblem(kUserFile, path, line, QStringLiteral("的%1含有定位字元").arg(label));
        auto encoded = EncodeText(encoder, field);
        if (auto* phrase = std::get_if<QString>(&encoded))
            return LineProblem(kUserFile, path, line, QStringLiteral("的%1").arg(label) + *phrase);
        if (i > 0) bytes += kFieldSeparator;
        bytes += std::get<QByteArray>(encoded);
    }
    for (const QByteArray& piece : record.extras) {
        if (piece.contains(kFieldSeparator) || piece.contains('\r') || piece.contains('\n'))
            return LineProblem(kUserFile, path, line, QStringLiteral("的附加欄位含有定位字元或換行"));
        bytes += kFieldSeparator;
        bytes += piece;
    }
    return bytes;
}

}  // namespace

QString UserFilePath(const QString& programFolder) { return ReferencePath(programFolder, kUserFile); }

UserFileRead ReadUserFile(const QString& path) {
    if (!QFileInfo::exists(path)) return {};
    QByteArray bytes;
    if (auto problem = ReadFileBytes(path, kUserFile, bytes)) {
        UserFileRead result;
        result.diagnostics.error = std::move(problem);
        return result;
    }
    return ParseUserFile(bytes, path);
}

UserFileRead ParseUserFile(const QByteArray& bytes, const QString& path) {
    UserFileRead result;
    TextLines file = DecodeBig5Lines(bytes, path, kUserFile);
    result.diagnostics = std::move(file.diagnostics);
    if (!result.diagnostics.ok()) return result;
    for (std::size_t i = 0; i < file.raw.size(); ++i) {
        if (file.raw[i].isEmpty()) continue;
        qsizetype pieceCount = 0;
        result.records.push_back(RecordFromLine(file.raw[i], file.lines[i], pieceCount));
        WarnOfPieces(result.records.back(), pieceCount, path, static_cast<int>(i) + 1, result.diagnostics);
    }
    return result;
}

std::variant<QByteArray, FileProblem> EncodeUserFile(const QString& path, const std::vector<BirthRecord>& records) {
    Big5Encoder encoder;
    std::vector<QByteArray> lines;
    lines.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        auto line = RecordLine(encoder, records[i], path, static_cast<int>(i) + 1);
        if (auto* problem = std::get_if<FileProblem>(&line)) return std::move(*problem);
        lines.push_back(std::get<QByteArray>(std::move(line)));
    }
    return JoinLines(lines);
}

std::optional<FileProblem> WriteUserFile(const QString& path, const std::vector<BirthRecord>& records,
                                         const WriteOptions& options) {
    auto bytes = EncodeUserFile(path, records);
    if (auto* problem = std::get_if<FileProblem>(&bytes)) return std::move(*problem);
    return SaveBytes(path, kUserFile, std::get<QByteArray>(bytes), options);
}

}  // namespace velmora::files
