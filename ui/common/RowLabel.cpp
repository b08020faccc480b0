#include "ui/common/RowLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

#include "ui/common/Twips.h"

namespace velmora {

namespace {

constexpr QChar kIdeographicSpace(0x3000);

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == kIdeographicSpace; }

// Greedy wrap at blanks: a row ends after the last blank that still fits; a
// word wider than the label keeps a row of its own. Blanks stay with the word
// before them, so the text of the rows joined is the line unchanged.
QStringList WrapLine(const QString& line, const QFontMetricsF& metrics, double width) {
    QStringList rows;
    QString row;
    QString word;
    auto flushWord = [&] {
        if (!row.isEmpty() && metrics.horizontalAdvance((row + word).trimmed()) > width) {
            rows.append(row);
            row.clear();
        }
        row += word;
        word.clear();
    };
    for (int i = 0; i < line.size(); ++i) {
        word += line[i];
        const bool wordEnds = IsBlank(line[i]) && (i + 1 == line.size() || !IsBlank(line[i + 1]));
        if (wordEnds) {
            flushWord();
        }
    }
    if (!word.isEmpty()) {
        flushWord();
    }
    if (!row.isEmpty() || rows.isEmpty()) {
        rows.append(row);
    }
    return rows;
}

}  // namespace

QStringList SplitLines(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

RowLabel::RowLabel(QWidget* parent) : QLabel(parent) {}

void RowLabel::setRowHeightTwips(int twips) {
    rowHeightTwips_ = twips;
    update();
}

double RowLabel::rowHeightPixels() const {
    if (rowHeightTwips_ > 0) {
        return TwipsToPixelsF(rowHeightTwips_);
    }
    return QFontMetricsF(font()).height();
}

QStringList RowLabel::rows() const {
    const QStringList lines = SplitLines(text());
    if (!wordWrap()) {
        return lines;
    }
    const QFontMetricsF metrics(font());
    QStringList rows;
    for (const QString& line : lines) {
        rows.append(WrapLine(line, metrics, contentsRect().width()));
    }
    return rows;
}

void RowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    if (text().isEmpty()) {
        return;
    }
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetricsF metrics(font());
    const QRectF area = contentsRect();
    const double rowHeight = rowHeightPixels();
    // Centre the font's line in its row; with rows as tall as the font this is the font's own baseline.
    const double baselineOffset = (rowHeight - metrics.height()) / 2.0 + metrics.ascent();
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    double top = area.top();
    for (const QString& row : rows()) {
        if (top >= area.bottom()) {
            break;
        }
        const QString shown = row;
        const double textWidth = metrics.horizontalAdvance(shown);
        const double squeeze = textWidth > area.width() && textWidth > 0 ? area.width() / textWidth : 1.0;
        const double drawnWidth = textWidth * squeeze;
        double left = area.left();
        if (horizontal & Qt::AlignHCenter) {
            left += (area.width() - drawnWidth) / 2.0;
        } else if (horizontal & Qt::AlignRight) {
            left += area.width() - drawnWidth;
        }
        painter.save();
        painter.translate(left, top + baselineOffset);
        painter.scale(squeeze, 1.0);
        painter.drawText(QPointF(0, 0), shown);
        painter.restore();
        top += rowHeight;
    }
}

}  // namespace velmora
