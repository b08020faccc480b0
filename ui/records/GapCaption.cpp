#include "ui/records/GapCaption.h"

#include <QPainter>
#include <QRegularExpression>

#include "ui/common/Twips.h"

namespace velmora {

GapCaption::GapCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void GapCaption::setWordLefts(std::vector<int> twips) {
    wordLefts_ = std::move(twips);
    update();
}

QStringList GapCaption::words() const {
    static const QRegularExpression kGap(QStringLiteral(" {2,}"));
    return text().trimmed().split(kGap, Qt::SkipEmptyParts);
}

void GapCaption::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QStringList pieces = words();
    double left = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (static_cast<std::size_t>(i) < wordLefts_.size()) {
            left = TwipsToPixelsF(wordLefts_[static_cast<std::size_t>(i)]);
        }
        const double width = fontMetrics().horizontalAdvance(pieces[i]);
        painter.drawText(QRectF(left, 0, width + 1, height()), Qt::AlignLeft | Qt::AlignVCenter, pieces[i]);
        left += width + fontMetrics().horizontalAdvance(QLatin1Char(' '));
    }
}

}  // namespace velmora
