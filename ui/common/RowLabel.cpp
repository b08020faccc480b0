#include "ui/common/RowLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <utility>

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

namespace {

// The glyphs of one row as the painter would shape them for drawText, placed
// with the row's left end at the origin on the baseline; `advance` is set to
// the row's width, blanks at its end included.
QList<QGlyphRun> ShapeRow(const QString& row, const QFont& font, double& advance) {
    QTextLayout layout(row, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    advance = 0;
    if (!line.isValid()) {
        return {};
    }
    advance = line.horizontalAdvance();
    QList<QGlyphRun> runs = line.glyphRuns();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions) {
            p.ry() -= line.ascent();
        }
        run.setPositions(positions);
    }
    return runs;
}

// A row's glyphs and width, as ShapeRow gives them.
struct ShapedRow {
    QList<QGlyphRun> glyphs;
    double advance = 0;
};

// Rows shaped once in the program's life, by font and text, for every label:
// a board step gives its labels new texts, but their rows are star names and
// words from a short list, and shaping them again cost a tenth of a painted
// step. The table is never torn down (it would outlive the fonts at exit);
// past its size it starts afresh.
ShapedRow ShapedRowOf(const QString& row, const QFont& font, const QString& fontKey) {
    constexpr qsizetype kMostRows = 4096;
    static auto* const shaped = new QHash<QString, ShapedRow>;
    const QString key = fontKey + QChar(QChar::LineSeparator) + row;
    const auto found = shaped->constFind(key);
    if (found != shaped->constEnd()) return *found;
    if (shaped->size() >= kMostRows) shaped->clear();
    ShapedRow made;
    made.glyphs = ShapeRow(row, font, made.advance);
    shaped->insert(key, made);
    return made;
}

}  // namespace

RowLabel::RowLabel(QWidget* parent) : QLabel(parent) {}

void RowLabel::setRowHeightTwips(int twips) {
    rowHeightTwips_ = twips;
    update();
}

void RowLabel::setRowScale(double factor) {
    rowScale_ = factor;
    laidOut_.valid = false;
    update();
}

double RowLabel::rowHeightPixels() const {
    if (rowHeightTwips_ > 0) {
        return TwipsToPixelsF(rowHeightTwips_) * rowScale_;
    }
    return laidOut().fontHeight;
}

void RowLabel::setTextWidthTwips(int twips) {
    textWidthTwips_ = twips;
    laidOut_.valid = false;
    update();
}

QRectF RowLabel::textArea() const {
    QRectF area = contentsRect();
    if (textWidthTwips_ > 0) area.setWidth(std::min(area.width(), TwipsToPixelsF(textWidthTwips_) * rowScale_));
    return area;
}

QStringList RowLabel::rows() const { return laidOut().rows; }

const RowLabel::RowsLaidOut& RowLabel::laidOut() const {
    RowsLaidOut& cache = laidOut_;
    const double width = textArea().width();
    if (cache.valid && cache.text == text() && cache.width == width && cache.wrap == wordWrap()) {
        return cache;
    }
    if (!metrics_) {
        metrics_.emplace(font());  // kept until the font changes: making one costs more than measuring with it
    }
    const QFontMetricsF& metrics = *metrics_;
    cache = RowsLaidOut{};
    cache.valid = true;
    cache.text = text();
    cache.width = width;
    cache.wrap = wordWrap();
    cache.fontHeight = metrics.height();
    cache.ascent = metrics.ascent();
    const QStringList lines = SplitLines(cache.text);
    if (!cache.wrap) {
        cache.rows = lines;
    } else {
        for (const QString& line : lines) {
            cache.rows.append(WrapLine(line, metrics, width));
        }
    }
    const QFont& rowFont = font();
    const QString fontKey = rowFont.key();
    for (const QString& row : cache.rows) {
        ShapedRow shaped = ShapedRowOf(row, rowFont, fontKey);
        cache.glyphs.push_back(std::move(shaped.glyphs));
        cache.advances.push_back(shaped.advance);
        qsizetype end = row.size();
        while (end > 0 && row[end - 1].isSpace()) --end;
        cache.inkWidths.push_back(end == row.size() ? shaped.advance : metrics.horizontalAdvance(row.left(end)));
    }
    return cache;
}

QList<QRectF> RowLabel::textBoxes() const {
    QList<QRectF> boxes;
    if (text().isEmpty()) return boxes;
    const RowsLaidOut& rows = laidOut();
    const QRectF area = textArea();
    const double rowHeight = rowHeightPixels();
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    double top = area.top();
    for (std::size_t i = 0; i < rows.inkWidths.size(); ++i) {
        if (top >= area.bottom()) break;
        const QString& row = rows.rows[static_cast<qsizetype>(i)];
        const double fullWidth = metrics_->horizontalAdvance(row);
        const double inkWidth = textWidthTwips_ > 0 ? rows.inkWidths[i] : fullWidth;
        const double squeeze = inkWidth > area.width() && inkWidth > 0 ? area.width() / inkWidth : 1.0;
        const auto first = std::find_if_not(row.cbegin(), row.cend(), [](QChar c) { return c.isSpace(); });
        const QString lead(row.cbegin(), first - row.cbegin());
        const QString shown = row.trimmed();
        if (!shown.isEmpty()) {
            double left = area.left();
            if (horizontal & Qt::AlignHCenter) left += (area.width() - fullWidth * squeeze) / 2.0;
            else if (horizontal & Qt::AlignRight) left += area.width() - fullWidth * squeeze;
            left += metrics_->horizontalAdvance(lead) * squeeze;
            boxes.append(QRectF(left, top, metrics_->horizontalAdvance(shown) * squeeze, rowHeight));
        }
        top += rowHeight;
    }
    return boxes;
}

void RowLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        laidOut_.valid = false;
        metrics_.reset();
    }
    QLabel::changeEvent(event);
}

void RowLabel::drawRow(QPainter& painter, std::size_t row, double top, double baselineOffset, bool asText) const {
    const RowsLaidOut& rows = laidOut_;
    const QRectF area = textArea();
    const double textWidth = asText ? metrics_->horizontalAdvance(rows.rows[row]) : rows.advances[row];
    // Within a set text width, blanks ending a row take no room: only a row
    // whose text is too wide is narrowed (the room beyond is others').
    const double inkWidth = textWidthTwips_ > 0 ? std::min(textWidth, rows.inkWidths[row]) : textWidth;
    const double squeeze = inkWidth > area.width() && inkWidth > 0 ? area.width() / inkWidth : 1.0;
    const double drawnWidth = textWidth * squeeze;
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    double left = area.left();
    if (horizontal & Qt::AlignHCenter) {
        left += (area.width() - drawnWidth) / 2.0;
    } else if (horizontal & Qt::AlignRight) {
        left += area.width() - drawnWidth;
    }
    const QTransform kept = painter.transform();
    painter.translate(left, top + baselineOffset);
    painter.scale(squeeze, 1.0);
    if (asText) {
        painter.drawText(QPointF(0, 0), rows.rows[row]);
    } else {
        for (const QGlyphRun& run : rows.glyphs[row]) {
            painter.drawGlyphRun(QPointF(0, 0), run);
        }
    }
    painter.setTransform(kept);
}

void RowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    if (text().isEmpty()) {
        return;
    }
    const RowsLaidOut& rows = laidOut();
    painter.setPen(palette().color(foregroundRole()));
    // Pages and pictures (PDF, print) get the text itself, as they always
    // have; the screen and images get the glyphs shaped once.
    const bool asText = painter.paintEngine()->type() != QPaintEngine::Raster;
    if (asText) {
        painter.setFont(font());
    }
    const QRectF area = textArea();
    const double rowHeight = rowHeightPixels();
    // Centre the font's line in its row; with rows as tall as the font this is the font's own baseline.
    const double baselineOffset = (rowHeight - rows.fontHeight) / 2.0 + rows.ascent;
    double top = area.top();
    for (std::size_t row = 0; row < rows.glyphs.size(); ++row) {
        if (top >= area.bottom()) {
            break;
        }
        drawRow(painter, row, top, baselineOffset, asText);
        top += rowHeight;
    }
}

}  // namespace velmora
