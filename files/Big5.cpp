#include "files/Big5.h"

namespace velmora::files {

namespace {

// Code page 950 as Qt names it (through ICU).
constexpr char kCodePage[] = "windows-950";
constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr QChar kReplacement(0xFFFD);

bool IsAscii(unsigned char byte) { return byte < 0x80; }
bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xFE);
}

// Length of the Big5 character at `at`: 1 or 2, or 0 when no character begins there.
qsizetype UnitLength(QByteArrayView bytes, qsizetype at) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    if (IsAscii(byte)) return 1;
    if (IsLeadByte(byte) && at + 1 < bytes.size() &&
        IsTrailByte(static_cast<unsigned char>(bytes[at + 1])))
        return 2;
    return 0;
}

}  // namespace

std::vector<QByteArray> SplitLines(const QByteArray& bytes) {
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const char byte = bytes[at];
        if (byte != kCR && byte != kLF) {
            ++at;
            continue;
        }
        lines.push_back(bytes.mid(start, at - start));
        at += (byte == kCR && at + 1 < bytes.size() && bytes[at + 1] == kLF) ? 2 : 1;
        start = at;
    }
    if (start < bytes.size()) lines.push_back(bytes.mid(start));
    return lines;
}

QByteArray JoinLines(const std::vector<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

qsizetype FirstNonBig5Byte(QByteArrayView bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = UnitLength(bytes, at);
        if (length == 0) return at;
        at += length;
    }
    return -1;
}

Big5Decoder::Big5Decoder() : decoder_(kCodePage, QStringDecoder::Flag::Stateless) {}

// The converter keeps its error flag through resetState(), so a converter that
// has met an error is replaced before it is used again.
void Big5Decoder::renewAfterError() {
    if (decoder_.hasError()) decoder_ = QStringDecoder(kCodePage, QStringDecoder::Flag::Stateless);
}

DecodedLine Big5Decoder::decode(QByteArrayView line) {
    DecodedLine result;
    if (FirstNonBig5Byte(line) < 0) {
        renewAfterError();
        result.text = decoder_.decode(line);
        if (!decoder_.hasError()) return result;
        result.text.clear();
    }
    // Slow path, only for a faulty line: character by character, so the
    // sound part is kept and the first fault is found.
    for (qsizetype at = 0; at < line.size();) {
        const qsizetype length = UnitLength(line, at);
        bool ok = length > 0;
        if (ok) result.text += decodeUnit(line.sliced(at, length), ok);
        if (!ok) {
            result.text += kReplacement;
            if (result.badByte < 0) result.badByte = at;
        }
        at += length > 0 ? length : 1;
    }
    return result;
}

QString Big5Decoder::decodeUnit(QByteArrayView unit, bool& ok) {
    renewAfterError();
    QString text = decoder_.decode(unit);
    ok = !decoder_.hasError();
    return ok ? text : QString();
}

Big5Encoder::Big5Encoder() : encoder_(kCodePage, QStringEncoder::Flag::Stateless) {}

void Big5Encoder::renewAfterError() {
    if (encoder_.hasError()) encoder_ = QStringEncoder(kCodePage, QStringEncoder::Flag::Stateless);
}

std::optional<QByteArray> Big5Encoder::encodeExactly(const QString& text) {
    renewAfterError();
    // encode() returns a lazy value: the error flag is only set once converted.
    QByteArray bytes = encoder_.encode(text);
    if (encoder_.hasError() || FirstNonBig5Byte(bytes) >= 0) return std::nullopt;
    const DecodedLine back = checker_.decode(bytes);
    if (back.badByte >= 0 || back.text != text) return std::nullopt;
    return bytes;
}

EncodedText Big5Encoder::encode(const QString& text) {
    EncodedText result;
    result.bytes = encodeExactly(text);
    if (result.bytes) return result;
    // Find the first character the code page cannot hold.
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        if (!encodeExactly(text.sliced(at, length))) {
            result.badChar = at;
            return result;
        }
        at += length;
    }
    result.badChar = 0;  // each character fits alone but not together: blame the start
    return result;
}

}  // namespace velmora::files
