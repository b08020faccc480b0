#include "ui/chartio/ChartExport.h"

#include <QSaveFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

#include "output/ChartWords.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/chartio/ChartHost.h"
#include "ui/session/DateInputs.h"
#include "ui/session/Session.h"
#include "ui/board/PalaceBoard.h"

namespace velmora {

namespace {

constexpr double kCaptionPoints = 9.75;
const QColor kCaptionColour(0, 0, 192);        // as the window's date line
constexpr int kCaptionIndentTwips = 100;
// The PNG writer's quality, which sets its compression: at 80 it compresses
// less hard than by default, in half the time for some 5% more bytes.
constexpr int kPngQuality = 80;
constexpr int kPdfResolution = 1200;           // dots per inch of the PDF's coordinates
constexpr double kPageMarginMillimetres = 10;
const QString kFileTitleWord = QStringLiteral("命盤");

QString IsoDate(int year, int month, int day) {
    return QStringLiteral("%1-%2-%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

QString BirthDate(const Session& session) {
    return IsoDate(session.birth.SolarYear, session.birth.SolarMonth, session.birth.SolarDay);
}

QString LayerWord(int layer) {
    const std::string_view name = tool::LayerName(layer);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

bool RecordCharted(ChartHost& form) { return form.recordsMode() && form.session().RecordLoaded == 1; }

QString WriteProblem(const QString& path) { return QStringLiteral("無法寫入檔案：") + path; }

// Paints onto a page of `device` (a PDF writer or a printer) inside its
// margins. The chart is recorded as a picture first: widgets rendered straight
// onto a printer are rasterised by the toolkit, while a recorded picture
// replays as text and lines, so print and PDF stay vector. A picture replays
// scaled from its own resolution to the device's, so it is recorded at the
// page's size in its own units.
std::optional<QString> PaintOnPage(ChartHost& form, QPagedPaintDevice& device, const QString& path) {
    QPicture picture;
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double toPicture = static_cast<double>(picture.logicalDpiX()) / device.logicalDpiX();
    {
        QPainter recorder(&picture);
        PaintChart(form, recorder, QRectF(QPointF(0, 0), QSizeF(page.size()) * toPicture));
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return WriteProblem(path);
    }
    painter.drawPicture(0, 0, picture);
    if (!painter.end()) {
        return WriteProblem(path);
    }
    return std::nullopt;
}

// Writes `path` through a temporary file that replaces it only when `write`
// succeeded and the file was completed: a failed export leaves no partial file
// and keeps a file it was to replace.
std::optional<QString> SaveWhole(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return WriteProblem(path);
    }
    if (!write(file)) {
        file.cancelWriting();
    }
    if (!file.commit()) {
        return WriteProblem(path);
    }
    return std::nullopt;
}

}  // namespace

QString ChartCaption(ChartHost& form) {
    const DateInputs& inputs = form.dateInputs();
    QString caption;
    if (RecordCharted(form)) {
        caption = LayerWord(form.session().LayerIndex) + QStringLiteral("　");
    }
    caption += QStringLiteral("陽曆  %1 年 %2 月 %3 日   ")
                   .arg(inputs.shownPart(DateInputs::Year))
                   .arg(inputs.shownPart(DateInputs::Month))
                   .arg(inputs.shownPart(DateInputs::Day));
    // The date line is shown in the script already; the words before it are put in it here.
    return form.session().script->text(caption) + form.dateLineText();
}

QSize ChartPictureSize(ChartHost& form) {
    const QSize board = form.board().designSize();  // the same picture at any zoom
    return {board.width(), board.height() + TwipsToPixels(kCaptionTwips)};
}

void PaintChart(ChartHost& form, QPainter& painter, const QRectF& target) {
    const QSizeF size(ChartPictureSize(form));
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.save();
    painter.translate(target.center() - QPointF(size.width() * scale, size.height() * scale) / 2.0);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    PalaceBoard& board = form.board();
    board.renderTo(painter, QRectF(QPointF(0, 0), QSizeF(board.designSize())));
    const double indent = TwipsToPixelsF(PalaceBoard::kMarginTwips + kCaptionIndentTwips);
    const QRectF captionRow(indent, board.designSize().height(), size.width() - 2 * indent, TwipsToPixelsF(kCaptionTwips));
    painter.setFont(MingFont(kCaptionPoints));
    painter.setPen(kCaptionColour);
    painter.drawText(captionRow, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, ChartCaption(form));
    painter.restore();
}

QString ChartFileStem(const Session& session) {
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    QString stem = session.PersonName.trimmed();
    if (stem.isEmpty()) {
        stem = BirthDate(session);
    }
    stem.replace(unsafe, QStringLiteral("_"));
    return stem + QLatin1Char(' ') + session.script->text(kFileTitleWord);
}

QString ChartDocumentTitle(ChartHost& form) {
    const Session& session = form.session();
    QString title = session.PersonName.trimmed();
    if (!title.isEmpty()) {
        title += QLatin1Char(' ');
    }
    title += BirthDate(session) + QLatin1Char(' ') + session.script->text(kFileTitleWord);
    if (RecordCharted(form) && session.LayerIndex > 0) {
        const QDate shown = form.dateInputs().shownDate();
        title += QStringLiteral("（") + LayerWord(session.LayerIndex) + QLatin1Char(' ') +
                 IsoDate(shown.year(), shown.month(), shown.day()) + QStringLiteral("）");
    }
    return title;
}

QImage ChartImage(ChartHost& form, double density) {
    const QSize logical = ChartPictureSize(form);
    QImage image(logical * density, QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintChart(form, painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    return image;
}

std::optional<QString> WriteChartPng(ChartHost& form, const QString& path, double density) {
    return SaveWhole(path, [&form, density](QIODevice& file) {
        return ChartImage(form, density).save(&file, "PNG", kPngQuality);
    });
}

std::optional<QString> WriteChartPdf(ChartHost& form, const QString& path) {
    return SaveWhole(path, [&form, &path](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(ChartDocumentTitle(form));
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                                   kPageMarginMillimetres, kPageMarginMillimetres),
                                         QPageLayout::Millimeter));
        return !PaintOnPage(form, writer, path);
    });
}

std::optional<QString> PrintChart(ChartHost& form, QPrinter& printer) {
    if (printer.docName().isEmpty()) {
        printer.setDocName(ChartDocumentTitle(form));
    }
    return PaintOnPage(form, printer, printer.outputFileName().isEmpty() ? printer.printerName()
                                                                        : printer.outputFileName());
}

}  // namespace velmora
