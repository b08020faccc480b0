#pragma once
// The chart as a picture for export and paper: the palace board with its
// labels, lines and marks and the centre summary, and under it one caption
// line with the shown date (and, for a charted record, the layer). The same
// painting goes to a PNG image, a PDF page and a printer; PDF and print keep
// text and lines as vectors.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace velmora {

class ChartHost;
struct Session;

// The caption row under the board, in twips.
inline constexpr int kCaptionTwips = 420;

// The caption: "<layer>　" for a charted record, then "陽曆 Y 年 M 月 D 日"
// of the shown date and the window's lunar date line.
QString ChartCaption(ChartHost& form);

// The picture's size in logical pixels: the board and the caption row.
QSize ChartPictureSize(ChartHost& form);

// Paints the picture into `target`, centred and scaled to fit it whole.
void PaintChart(ChartHost& form, QPainter& painter, const QRectF& target);

// "<name or birth date> 命盤": the person's name, else the chart's birth date
// as YYYY-MM-DD; characters that cannot stand in a file name become "_".
QString ChartFileStem(const Session& session);
// The document title: the name (when there is one), the birth date and "命盤",
// then the layer and shown date for a charted record on a time layer.
QString ChartDocumentTitle(ChartHost& form);

// The picture at `density` device pixels per logical pixel.
QImage ChartImage(ChartHost& form, double density);

// Each writes the picture and gives a message when the output could not be
// written (nothing is left claiming to be the chart).
std::optional<QString> WriteChartPng(ChartHost& form, const QString& path, double density);
// One A4 landscape page, the picture centred within 10 mm margins, titled.
std::optional<QString> WriteChartPdf(ChartHost& form, const QString& path);
// Paints on `printer`, already set up (orientation, output) by the caller.
std::optional<QString> PrintChart(ChartHost& form, QPrinter& printer);

}  // namespace velmora
