#include "ui/common/Fonts.h"

#include <cmath>

namespace velmora {

namespace {
constexpr double kPixelsPerPoint = 96.0 / 72.0;

QFont MakeFont(const QStringList& families, double points, bool bold, bool italic) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(QFont::Serif);
    return font;
}
}  // namespace

QStringList MingFamilies() {
    return {QStringLiteral("新細明體"), QStringLiteral("PMingLiU"), QStringLiteral("AR PL UMing TW"),
            QStringLiteral("Noto Serif CJK TC"), QStringLiteral("Noto Sans CJK TC")};
}

QStringList KaiFamilies() {
    QStringList families{QStringLiteral("標楷體"), QStringLiteral("DFKai-SB"), QStringLiteral("AR PL UKai TW")};
    families.append(MingFamilies());
    return families;
}

int PointsToPixels(double points) { return static_cast<int>(std::lround(points * kPixelsPerPoint)); }

QFont MingFont(double points, bool bold, bool italic) { return MakeFont(MingFamilies(), points, bold, italic); }

QFont KaiFont(double points) { return MakeFont(KaiFamilies(), points, false, false); }

}  // namespace velmora
