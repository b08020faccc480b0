#include "ui/common/Fonts.h"

#include <QWidget>

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

Script& FontScript() {
    static Script script = Script::Traditional;
    return script;
}

QStringList TraditionalMing() {
    return {QStringLiteral("新細明體"), QStringLiteral("PMingLiU"), QStringLiteral("AR PL UMing TW"),
            QStringLiteral("Noto Serif CJK TC"), QStringLiteral("Noto Sans CJK TC")};
}

QStringList SimplifiedMing() {
    return {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC")};
}

QStringList TraditionalKai() { return {QStringLiteral("標楷體"), QStringLiteral("DFKai-SB"), QStringLiteral("AR PL UKai TW")}; }

QStringList SimplifiedKai() { return {QStringLiteral("AR PL UKai CN")}; }

// Whether `font` was made from `families`, by the family it leads with.
bool LeadsWith(const QFont& font, const QStringList& families) {
    return !font.families().isEmpty() && font.families().front() == families.front();
}
}  // namespace

QStringList MingFamilies() {
    return FontScript() == Script::Simplified ? SimplifiedMing() + TraditionalMing() : TraditionalMing();
}

QStringList KaiFamilies() {
    QStringList families = FontScript() == Script::Simplified ? SimplifiedKai() + TraditionalKai() : TraditionalKai();
    families.append(MingFamilies());
    return families;
}

void UseFontsFor(Script script) { FontScript() = script; }

void RefontWidgets(QWidget* root) {
    if (root == nullptr) return;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!widget->testAttribute(Qt::WA_SetFont)) continue;
        QFont font = widget->font();
        QStringList families;
        if (LeadsWith(font, TraditionalKai()) || LeadsWith(font, SimplifiedKai())) {
            families = KaiFamilies();
        } else if (LeadsWith(font, TraditionalMing()) || LeadsWith(font, SimplifiedMing())) {
            families = MingFamilies();
        }
        if (families.isEmpty() || font.families() == families) continue;
        font.setFamilies(families);
        widget->setFont(font);
    }
}

int PointsToPixels(double points) { return static_cast<int>(std::lround(points * kPixelsPerPoint)); }

QFont MingFont(double points, bool bold, bool italic) { return MakeFont(MingFamilies(), points, bold, italic); }

QFont KaiFont(double points) { return MakeFont(KaiFamilies(), points, false, false); }

}  // namespace velmora
