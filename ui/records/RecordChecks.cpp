#include "ui/records/RecordChecks.h"

#include <variant>

#include "files/Big5.h"
#include "files/LineFile.h"

namespace velmora {

namespace {
// The parts' words, by combo: year, month, day, period.
const std::array<QString, kBirthParts> kPartWords = {QStringLiteral("年份"), QStringLiteral("月份"),
                                                     QStringLiteral("日期"), QStringLiteral("時辰")};
const QString kListSeparator = QStringLiteral("、");
}  // namespace

QStringList BirthPartProblems(const BirthPartStates& parts) {
    QStringList problems;
    QStringList unpicked;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const BirthPartState& part = parts[i];
        if (part.picked) {
            continue;
        }
        if (!part.storedText) {
            unpicked.append(kPartWords[i]);
        } else if (part.storedText->isEmpty()) {
            problems.append(QStringLiteral("這筆資料沒有%1").arg(kPartWords[i]));
        } else {
            problems.append(QStringLiteral("這筆資料的%1「%2」無法使用").arg(kPartWords[i], *part.storedText));
        }
    }
    if (!unpicked.isEmpty()) {
        problems.prepend(QStringLiteral("沒有選擇") + unpicked.join(kListSeparator));
    }
    return problems;
}

std::optional<QString> NameProblem(const QString& name) {
    if (name.contains(QLatin1Char('\t')) || name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n'))) {
        return QStringLiteral("姓名含有定位字元或換行字元");
    }
    files::Big5Encoder encoder;
    const auto encoded = files::EncodeText(encoder, name);
    if (const auto* phrase = std::get_if<QString>(&encoded)) {
        return QStringLiteral("姓名") + *phrase;
    }
    return std::nullopt;
}

QString TraditionalNameOffer(const QString& typed, const QString& traditional) {
    return QStringLiteral("姓名「%1」有 Big5 無法儲存的字。按【確定】改用繁體字「%2」，按【取消】不改。").arg(typed, traditional);
}

QString RefusalText(const QStringList& problems, const QString& button) {
    return problems.join(QStringLiteral("；")) + QStringLiteral("。請補正後再按【%1】。").arg(button);
}

}  // namespace velmora
