#pragma once
// A label that draws its text in rows of a fixed height. The chart's labels
// are laid out in twips: a star list puts one star on each 200-twip row and
// other marks are placed by that row, so the rows must not follow the font's
// own line height. A row too wide for the label is narrowed to fit rather than
// clipped; with word wrapping on, text wraps at blanks first.

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLabel>
#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

namespace velmora {

class RowLabel : public QLabel {
    Q_OBJECT
public:
    explicit RowLabel(QWidget* parent = nullptr);

    // Height of one text row in twips; 0 uses the font's line height.
    void setRowHeightTwips(int twips);
    int rowHeightTwips() const { return rowHeightTwips_; }
    // Rows drawn `factor` times their height in twips (a zoomed window).
    void setRowScale(double factor);
    // Text kept within this width from the label's left edge, in twips
    // (scaled as the rows are); 0: the label's whole width. Room right of it
    // stays free for what is placed beside the text.
    void setTextWidthTwips(int twips);
    int textWidthTwips() const { return textWidthTwips_; }
    // The row height in logical pixels, as drawn.
    double rowHeightPixels() const;

    // The rows as drawn: the text split at its line breaks and, with word
    // wrapping on, wrapped at blanks to the label's width.
    QStringList rows() const;
    // Where the drawn rows' text stands, in the label's own pixels: each
    // non-blank row's band, as wide as its text without the blanks at its
    // ends. Rows below the label's bottom are not drawn and not given.
    QList<QRectF> textBoxes() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The rows of the present text measured and shaped once: a board step
    // repaints every label, and measuring and shaping text again each time
    // cost more than drawing it. Kept until the text, font, width or
    // wrapping changes.
    struct RowsLaidOut {
        bool valid = false;
        QString text;
        double width = 0;
        bool wrap = false;
        double fontHeight = 0;
        double ascent = 0;
        QStringList rows;
        std::vector<double> advances;           // each row's natural width
        std::vector<double> inkWidths;          // the same without the blanks at the row's end
        std::vector<QList<QGlyphRun>> glyphs;   // each row's glyphs, from the row's left end on the baseline
    };
    const RowsLaidOut& laidOut() const;
    QRectF textArea() const;
    void drawRow(QPainter& painter, std::size_t row, double top, double baselineOffset, bool asText) const;

    int rowHeightTwips_ = 0;
    int textWidthTwips_ = 0;
    double rowScale_ = 1.0;
    mutable RowsLaidOut laidOut_;
    mutable std::optional<QFontMetricsF> metrics_;
};

// The text's lines, split at CR LF, a lone CR or a lone LF.
QStringList SplitLines(const QString& text);

}  // namespace velmora
