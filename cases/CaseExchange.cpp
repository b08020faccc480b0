#include "cases/CaseExchange.h"

#include <QHash>

#include "cases/CaseLinks.h"
#include "files/Big5.h"
#include "files/RecordExtras.h"
#include "files/RecordId.h"

namespace velmora::cases {

namespace {

QStringList PiecesAsText(const files::BirthRecord& record) {
    QStringList pieces;
    files::Big5Decoder decoder;
    for (const QByteArray& piece : record.extras) {
        const files::DecodedLine decoded = decoder.decode(piece);
        if (decoded.badByte < 0) pieces.append(decoded.text);  // bytes that are not Big5 stay in User only
    }
    return pieces;
}

}  // namespace

QString ExchangePerson::id() const {
    for (const QString& piece : pieces)
        if (piece.startsWith(QLatin1String(files::extra_keys::kId) + QLatin1Char('=')))
            return piece.mid(static_cast<qsizetype>(sizeof(files::extra_keys::kId)));
    return entry ? entry->id : QString();
}

People GatherPeople(const std::vector<files::BirthRecord>& records, const std::vector<CaseEntry>& cases) {
    const CaseLinks links = LinkCases(records, cases);
    QHash<QString, const CaseEntry*> byId;
    for (const CaseEntry& entry : cases) byId.insert(entry.id, &entry);
    QHash<int, QString> restored;
    for (const CaseLinks::Restored& link : links.restored) restored.insert(link.record, link.id);
    People people;
    for (std::size_t i = 0; i < records.size(); ++i) {
        ExchangePerson person{KeyOf(records[i]), PiecesAsText(records[i]), true, std::nullopt};
        const QString id = files::RecordId(records[i]).value_or(restored.value(static_cast<int>(i)));
        if (const CaseEntry* entry = byId.value(id)) person.entry = *entry;
        people.push_back(std::move(person));
    }
    for (const QString& id : links.unlinked) {
        const CaseEntry* entry = byId.value(id);
        people.push_back({entry->person, {}, false, *entry});
    }
    return people;
}

std::variant<files::BirthRecord, QString> RecordOf(const ExchangePerson& person) {
    const PersonKey& p = person.person;
    files::BirthRecord record{p.name, p.gender, p.year, p.month, p.day, p.hour, {}, {}};
    files::Big5Encoder encoder;
    for (const QString& piece : person.pieces) {
        if (piece.contains(QLatin1Char('\t')) || piece.contains(QLatin1Char('\n')) || piece.contains(QLatin1Char('\r')))
            return QStringLiteral("附加欄位「%1」含有定位字元或換行").arg(piece);
        const files::EncodedText encoded = encoder.encode(piece);
        if (!encoded.bytes) return QStringLiteral("附加欄位「%1」含有 Big5 無法表示的字").arg(piece);
        record.extras.append(*encoded.bytes);
    }
    return record;
}

QString CsvField(const QString& text) {
    static const QString kSpecial = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (const QChar c : text) quote = quote || kSpecial.contains(c);
    if (!quote) return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

std::vector<QStringList> ParseCsvRows(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool anything = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != QLatin1Char('"')) field += c;
            else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) field += text[++i];
            else quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = anything = true;
        } else if (c == QLatin1Char(',')) {
            row.append(field), field.clear(), anything = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            if (anything || !field.isEmpty()) row.append(field), rows.push_back(row);
            row.clear(), field.clear(), anything = false;
        } else {
            field += c;
        }
    }
    if (anything || !field.isEmpty()) row.append(field), rows.push_back(row);
    return rows;
}

}  // namespace velmora::cases
