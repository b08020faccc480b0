#include "files/MiaFormat.h"

#include <algorithm>

namespace velmora::files {

namespace {

int DigitValue(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : -1;
}

int ParseStarNumber(const QString& line) {
    if (line.size() < kStarNumberChars) return 0;
    const int tens = DigitValue(line[0]);
    const int units = DigitValue(line[1]);
    return (tens < 0 || units < 0) ? 0 : tens * 10 + units;
}

}  // namespace

std::array<QString, kLevelCount> ParseLevelNames(const QString& line) {
    std::array<QString, kLevelCount> names{};
    const qsizetype count = std::min<qsizetype>(line.size(), kLevelCount);
    for (qsizetype k = 0; k < count; ++k) {
        if (line[k] != kUnsetLevelName) names[static_cast<std::size_t>(k)] = line[k];
    }
    return names;
}

QString FormatLevelNames(const std::array<QString, kLevelCount>& names) {
    QString line;
    for (const QString& name : names) line += name.isEmpty() ? QString(kUnsetLevelName) : name;
    return line;
}

ParsedStarRow ParseStarRow(const QString& line) {
    ParsedStarRow row;
    row.star = ParseStarNumber(line);
    int missing = 0;
    for (int branch = 1; branch <= kBranchCount; ++branch) {
        const qsizetype at = kStarNumberChars + branch - 1;
        if (at >= line.size()) {
            ++missing;
            continue;
        }
        const int digit = DigitValue(line[at]);
        if (digit >= 0 && digit <= kHighestLevel) {
            row.levels[static_cast<std::size_t>(branch - 1)] = static_cast<std::int8_t>(digit);
        } else {
            row.faults.push_back(
                QStringLiteral("第 %1 個地支的亮度「%2」不是 0 到 7，以 0 計").arg(branch).arg(line[at]));
        }
    }
    if (missing > 0)
        row.faults.push_back(
            QStringLiteral("只有 %1 個亮度數字，缺少的地支以 0 計").arg(kBranchCount - missing));
    if (line.size() > kStarRowChars)
        row.faults.push_back(QStringLiteral("超過 %1 個字，多出的部分已略過").arg(kStarRowChars));
    return row;
}

QString FormatStarRow(int star, const std::array<std::int8_t, kBranchCount>& levels) {
    QString line = QStringLiteral("%1").arg(star, kStarNumberChars, 10, QLatin1Char('0'));
    for (const std::int8_t level : levels) {
        const int digit = (level >= 0 && level <= kHighestLevel) ? level : 0;
        line += QChar(QLatin1Char('0').unicode() + digit);
    }
    return line;
}

QString NoStarMessage(const QString& line) {
    return QStringLiteral("星曜編號「%1」不是 01 到 %2，此行已略過")
        .arg(line.left(kStarNumberChars))
        .arg(kHighestStarRow);
}

}  // namespace velmora::files
