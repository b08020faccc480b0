#include "files/LineFile.h"

#include <QFile>
#include <QFileInfo>

namespace velmora::files {

namespace {

const QString kNotFound = QStringLiteral("找不到檔案");
const QString kCannotRead = QStringLiteral("無法讀取檔案");

QString DescribeCharacter(const QString& text, qsizetype at) {
    const char32_t code = text.at(at).isHighSurrogate() && at + 1 < text.size()
        ? QChar::surrogateToUcs4(text.at(at), text.at(at + 1))
        : text.at(at).unicode();
    const QString shown = QChar::isPrint(code) ? QString::fromUcs4(&code, 1) : QString();
    const QString hex = QString::number(static_cast<uint>(code), 16).toUpper();
    return QStringLiteral("「%1」(U+%2)").arg(shown, hex.rightJustified(4, QLatin1Char('0')));
}

}  // namespace

std::optional<FileProblem> ReadFileBytes(const QString& path, const QString& fileName, QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.exists()) return FileError(fileName, path, kNotFound);
    if (info.isDir()) return FileError(fileName, path, kCannotRead, QStringLiteral("這是資料夾"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return FileError(fileName, path, kCannotRead, file.errorString());
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileError(fileName, path, kCannotRead, file.errorString());
    return std::nullopt;
}

TextLines ReadBig5File(const QString& path, const QString& fileName) {
    QByteArray bytes;
    if (auto problem = ReadFileBytes(path, fileName, bytes)) {
        TextLines result;
        result.diagnostics.error = std::move(problem);
        return result;
    }
    return DecodeBig5Lines(bytes, path, fileName);
}

TextLines DecodeBig5Lines(const QByteArray& bytes, const QString& path, const QString& fileName) {
    TextLines result;
    result.raw = SplitLines(bytes);
    result.lines.reserve(result.raw.size());
    Big5Decoder decoder;
    for (std::size_t i = 0; i < result.raw.size(); ++i) {
        DecodedLine decoded = decoder.decode(result.raw[i]);
        if (decoded.badByte >= 0) {
            const int line = static_cast<int>(i) + 1;
            result.diagnostics.warnings.push_back(LineProblem(
                fileName, path, line,
                QStringLiteral("第 %1 個位元組起含有 Big5 以外的位元組").arg(decoded.badByte + 1)));
        }
        result.lines.push_back(std::move(decoded.text));
    }
    return result;
}

std::variant<QByteArray, QString> EncodeText(Big5Encoder& encoder, const QString& text) {
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return QStringLiteral("含有換行字元");
    EncodedText encoded = encoder.encode(text);
    if (!encoded.bytes)
        return QStringLiteral("含有 Big5 無法儲存的字%1").arg(DescribeCharacter(text, encoded.badChar));
    return *std::move(encoded.bytes);
}

std::variant<QByteArray, FileProblem> EncodeLine(Big5Encoder& encoder, const QString& text,
                                                 const QString& path, const QString& fileName,
                                                 int lineNumber) {
    auto encoded = EncodeText(encoder, text);
    if (auto* phrase = std::get_if<QString>(&encoded))
        return LineProblem(fileName, path, lineNumber, *phrase);
    return std::get<QByteArray>(std::move(encoded));
}

std::optional<FileProblem> WriteBig5File(const QString& path, const QString& fileName,
                                         const std::vector<QString>& lines,
                                         const WriteOptions& options) {
    Big5Encoder encoder;
    std::vector<QByteArray> encoded;
    encoded.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto line = EncodeLine(encoder, lines[i], path, fileName, static_cast<int>(i) + 1);
        if (auto* problem = std::get_if<FileProblem>(&line)) return std::move(*problem);
        encoded.push_back(std::get<QByteArray>(std::move(line)));
    }
    return SaveBytes(path, fileName, JoinLines(encoded), options);
}

}  // namespace velmora::files
