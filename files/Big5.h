#pragma once
// Big5 (code page 950) text as the program's files hold it: lines of bytes,
// decoded and encoded one line at a time so a fault can be named by its line.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>
#include <vector>

namespace velmora::files {

// Splits at CR LF, a lone CR or a lone LF. The line ends are not part of the
// lines; a last line without an end still counts; an empty file has no lines.
// Big5 trail bytes never take the values of CR or LF, so bytes split safely.
std::vector<QByteArray> SplitLines(const QByteArray& bytes);

// The lines, each ended by CR LF.
QByteArray JoinLines(const std::vector<QByteArray>& lines);

// Index of the first byte that does not begin a Big5 character (an ASCII byte,
// or a lead byte 81..FE followed by a trail byte 40..7E or A1..FE); -1 if none.
// The code page's converter passes some stray single bytes (80, FF) as
// characters, so the structure is checked apart from the converter.
qsizetype FirstNonBig5Byte(QByteArrayView bytes);

struct DecodedLine {
    QString text;              // bytes that are not Big5 become U+FFFD
    qsizetype badByte = -1;    // index of the first such byte; -1 when clean
};

class Big5Decoder {
public:
    Big5Decoder();
    DecodedLine decode(QByteArrayView line);

private:
    QString decodeUnit(QByteArrayView unit, bool& ok);
    void renewAfterError();
    QStringDecoder decoder_;
};

struct EncodedText {
    std::optional<QByteArray> bytes;  // empty when Big5 cannot hold the text
    qsizetype badChar = -1;           // index (in QChars) of the first character it cannot hold
};

class Big5Encoder {
public:
    Big5Encoder();
    // Encodes and checks the result: the converter's error flag, the byte
    // structure, and that decoding gives the same text back.
    EncodedText encode(const QString& text);

private:
    std::optional<QByteArray> encodeExactly(const QString& text);
    void renewAfterError();
    QStringEncoder encoder_;
    Big5Decoder checker_;
};

}  // namespace velmora::files
