#include "ui/reading/YearReportTable.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "reading/YearPatterns.h"
#include "script/CachedConverter.h"
#include "ui/common/Fonts.h"
#include "ui/common/ShownScript.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

constexpr int kLifeYears = 100;  // the span shown by default: ages 1 to 100

// The fields of a CSV line (YearRowFields), by position.
enum Field {
    FYear = 0, FPillar = 2, FAge = 3, FDecadeBranch = 4, FDecadeStem = 5, FDecadePalace = 6, FDecadeAges = 7,
    FDecadeMarkStem = 8, FDecadeLu = 9, FDecadeJiClash = 13, FMinorBranch = 14, FMinorPalace = 15,
    FAnnualBranch = 16, FAnnualPalace = 17, FAnnualDecadePalace = 18, FAnnualMarkStem = 19, FAnnualLu = 20,
    FAnnualJiClash = 24, FPatterns = 26,
};

// Columns: header, share of the PDF page's width.
struct ColumnText {
    const char* header;
    int share;
};
constexpr std::array<ColumnText, kYearColumns> kColumns{{
    {"年份", 8}, {"虛歲", 4}, {"大限", 11}, {"小限", 7}, {"流年", 10},
    {"大限四化", 22}, {"流年四化", 22}, {"化忌沖", 18}, {"流年格局", 8},
}};

constexpr int kPdfResolution = 300;
constexpr double kPdfMarginMillimetres = 10;
constexpr double kPdfTitlePoints = 12;
constexpr double kPdfCellPoints = 6.5;
constexpr int kCellPadding = 8;  // dots at the PDF's resolution

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// The four transformations of a layer, one a line under its stem.
QString Four(const std::vector<std::string>& f, int stemField, int firstField) {
    QString text = Q(f[static_cast<std::size_t>(stemField)]) + QStringLiteral("干");
    for (int k = 0; k < kYearRowTransformations; ++k) text += QLatin1Char('\n') + Q(f[static_cast<std::size_t>(firstField + k)]);
    return text;
}

}  // namespace

YearReport ComputeSessionYearReport(const Session& s, int fromYear, int toYear) {
    YearReport report;
    report.natal.conventions = s.conventions;
    report.natal.birthDay = s.birthDay;
    report.natal.birth = s.birth;
    report.natal.chart = s.chart;
    report.natal.bureauNumber = s.BureauNumber;
    const YearReportInput input{s.birth, s.chart, s.BureauNumber, s.conventions, s.transformations,
                                reading::YearPatternFinder(s.chart)};
    report.rows = ComputeYearRows(input, fromYear, toYear);
    return report;
}

tool::YearSpan LifeSpan(const Session& s) {
    const int from = std::max<int>(s.birth.LunarYear, FirstReportYear());
    return {from, std::min(from + kLifeYears - 1, LastReportYear())};
}

QStringList YearColumnHeaders() {
    QStringList headers;
    for (const ColumnText& column : kColumns) headers << QString::fromUtf8(column.header);
    return headers;
}

std::array<QString, kYearColumns> YearRowCells(const YearRow& row, const tool::ChartResult& natal,
                                              const tool::YearReportWords& words) {
    const std::vector<std::string> f = tool::YearRowFields(row, natal, words);
    const auto at = [&f](int field) { return Q(f[static_cast<std::size_t>(field)]); };
    return {
        at(FYear) + QLatin1Char(' ') + at(FPillar),
        at(FAge),
        at(FDecadeStem) + at(FDecadeBranch) + QLatin1Char(' ') + at(FDecadePalace) + QLatin1Char('\n') +
            at(FDecadeAges) + QStringLiteral(" 歲"),
        at(FMinorBranch) + QLatin1Char(' ') + at(FMinorPalace),
        at(FAnnualBranch) + QStringLiteral("（") + at(FAnnualPalace) + QStringLiteral("、") +
            at(FAnnualDecadePalace) + QStringLiteral("）"),
        Four(f, FDecadeMarkStem, FDecadeLu),
        Four(f, FAnnualMarkStem, FAnnualLu),
        QStringLiteral("大限 ") + at(FDecadeJiClash) + QStringLiteral("\n流年 ") + at(FAnnualJiClash),
        at(FPatterns).replace(QStringLiteral("、"), QStringLiteral("\n")),
    };
}

QString YearPalacesTip(const YearRow& row, const tool::YearReportWords& words) {
    return Q(tool::YearPalacesText(row, words)).replace(QStringLiteral("；"), QStringLiteral("\n"));
}

QByteArray YearReportCsv(const YearReport& report, const NameList& shownNames, const ShownScript& script) {
    std::string csv;
    tool::AppendYearCsvHeader(csv);
    const tool::YearReportWords words(shownNames);
    for (const YearRow& row : report.rows) tool::AppendYearRowCsv(row, report.natal, words, csv);
    if (!script.simplified()) return QByteArray::fromStdString(csv);
    CachedConverter converter;  // as the command line converts its output, a word at a time
    return QByteArray::fromStdString(converter.convert(csv));
}

namespace {

// Lays a table out on the pages of a PDF: the title on the first, the header
// row on top of each, a row moved whole to the next page when it does not fit.
class PdfTable {
public:
    PdfTable(QPdfWriter& writer, QPainter& painter, const QStringList& headers)
        : writer_(writer), painter_(painter), headers_(headers) {
        width_ = writer.width();
        height_ = writer.height();
        int shares = 0;
        for (const ColumnText& column : kColumns) shares += column.share;
        int x = 0;
        for (const ColumnText& column : kColumns) {
            lefts_.push_back(x);
            x += width_ * column.share / shares;
        }
        lefts_.push_back(width_);
    }

    void title(const QString& text) {
        painter_.setFont(MingFont(kPdfTitlePoints, true));
        const QRect box = painter_.boundingRect(QRect(0, 0, width_, height_), Qt::TextWordWrap, text);
        painter_.drawText(box, Qt::TextWordWrap, text);
        top_ = box.bottom() + 2 * kCellPadding;
        row(headers_, true);
    }

    void row(const QStringList& cells, bool header = false) {
        painter_.setFont(MingFont(kPdfCellPoints, header));
        const int needed = rowHeight(cells);
        if (!header && top_ + needed > height_) {
            writer_.newPage();
            top_ = 0;
            row(headers_, true);
            painter_.setFont(MingFont(kPdfCellPoints));
        }
        for (int c = 0; c < kYearColumns && c < cells.size(); ++c) {
            const QRect cell(lefts_[c], top_, lefts_[c + 1] - lefts_[c], needed);
            painter_.drawRect(cell);
            painter_.drawText(cell.adjusted(kCellPadding, kCellPadding, -kCellPadding, -kCellPadding),
                              Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, cells[c]);
        }
        top_ += needed;
    }

private:
    int rowHeight(const QStringList& cells) const {
        int tallest = 0;
        for (int c = 0; c < kYearColumns && c < cells.size(); ++c) {
            const QRect room(0, 0, lefts_[c + 1] - lefts_[c] - 2 * kCellPadding, height_);
            tallest = std::max(tallest, painter_.boundingRect(room, Qt::TextWordWrap, cells[c]).height());
        }
        return tallest + 2 * kCellPadding;
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    QStringList headers_;
    std::vector<int> lefts_;
    int width_ = 0;
    int height_ = 0;
    int top_ = 0;
};

}  // namespace

QByteArray YearReportPdf(const QString& title, const QStringList& headers, const std::vector<QStringList>& cells) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Velmora"));
        const QMarginsF margins(kPdfMarginMillimetres, kPdfMarginMillimetres, kPdfMarginMillimetres,
                                kPdfMarginMillimetres);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins,
                                         QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        PdfTable table(writer, painter, headers);
        table.title(title);
        for (const QStringList& row : cells) table.row(row);
        if (!painter.end()) return {};
    }
    return bytes;
}

}  // namespace velmora
