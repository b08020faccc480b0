#include "files/RecordExtras.h"

#include "files/Big5.h"
#include "files/UserFile.h"

namespace velmora::files {

namespace {

bool IsPlainKey(const QByteArray& key) {
    if (key.isEmpty()) return false;
    for (const char c : key) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || c == '=') return false;
    }
    return true;
}

qsizetype IndexOfKey(const QList<QByteArray>& pieces, const QByteArray& key) {
    for (qsizetype i = 0; i < pieces.size(); ++i)
        if (ExtraKey(pieces[i]) == key) return i;
    return -1;
}

}  // namespace

QByteArray ExtraKey(const QByteArray& piece) {
    const qsizetype equals = piece.indexOf('=');
    if (equals <= 0) return {};
    const QByteArray key = piece.left(equals);
    return IsPlainKey(key) ? key : QByteArray{};
}

std::optional<QString> ExtraValue(const BirthRecord& record, const QByteArray& key) {
    const qsizetype index = IndexOfKey(record.extras, key);
    if (index < 0) return std::nullopt;
    const QByteArray& piece = record.extras[index];
    Big5Decoder decoder;
    DecodedLine decoded = decoder.decode(QByteArrayView(piece).sliced(key.size() + 1));
    if (decoded.badByte >= 0) return std::nullopt;
    return decoded.text;
}

std::optional<QString> SetExtra(BirthRecord& record, const QByteArray& key, const std::optional<QString>& value) {
    if (!IsPlainKey(key)) return QStringLiteral("附加欄位名稱「%1」不是 ASCII 字母").arg(QString::fromLatin1(key));
    if (!value) {
        record.extras.removeIf([&](const QByteArray& piece) { return ExtraKey(piece) == key; });
        return std::nullopt;
    }
    if (value->contains(QLatin1Char('\t')) || value->contains(QLatin1Char('\r')) || value->contains(QLatin1Char('\n')))
        return QStringLiteral("附加欄位 %1 含有定位字元或換行").arg(QString::fromLatin1(key));
    Big5Encoder encoder;
    const EncodedText encoded = encoder.encode(*value);
    if (!encoded.bytes) return QStringLiteral("附加欄位 %1 含有 Big5 無法表示的字「%2」")
                                   .arg(QString::fromLatin1(key), value->mid(encoded.badChar, 1));
    const QByteArray piece = key + '=' + *encoded.bytes;
    const qsizetype index = IndexOfKey(record.extras, key);
    if (index < 0) record.extras.append(piece);
    else record.extras[index] = piece;
    return std::nullopt;
}

QList<QByteArray> ExtraKeysWithPrefix(const BirthRecord& record, const QByteArray& prefix) {
    QList<QByteArray> keys;
    for (const QByteArray& piece : record.extras) {
        const QByteArray key = ExtraKey(piece);
        if (!key.isEmpty() && key.startsWith(prefix)) keys.append(key);
    }
    return keys;
}

}  // namespace velmora::files
