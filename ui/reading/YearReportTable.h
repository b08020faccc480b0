#pragma once
// The year-by-year report of the charted person as the 流年報告 window shows
// it and writes it: the rows of a span (reading/YearRows, as velmora-chart
// --years computes them), their cells as the window's columns, and the two
// files — the command line's CSV and a PDF table on A4 portrait pages.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

#include "output/ChartRun.h"
#include "output/YearReport.h"

namespace velmora {

struct Session;
class ShownScript;

enum class YearColumn {
    Year,          // year and its stem-branch
    Age,           // nominal age
    Decade,        // 大限: stem-branch, natal palace, ages
    Minor,         // 小限 palace
    Annual,        // 流年 palace with the natal and decade palaces it falls on
    DecadeFour,    // the decade stem's 祿 權 科 忌 and where they land
    AnnualFour,    // the year stem's
    JiClash,       // where each 化忌 strikes
    Patterns,      // the year layer's patterns
};
inline constexpr int kYearColumns = 9;

// The charted natal chart and the rows of fromYear..toYear (empty when the
// span lies outside the calendar's years).
struct YearReport {
    tool::ChartResult natal;
    std::vector<YearRow> rows;
};
YearReport ComputeSessionYearReport(const Session& session, int fromYear, int toYear);

// The span shown when none is typed: the birth's lunar year to age 100, cut
// at the calendar's last year.
tool::YearSpan LifeSpan(const Session& session);

// The column headers, Traditional.
QStringList YearColumnHeaders();
// One row's cells, Traditional, and the twelve year palaces' overlay for its tooltip.
std::array<QString, kYearColumns> YearRowCells(const YearRow& row, const tool::ChartResult& natal,
                                              const tool::YearReportWords& words);
QString YearPalacesTip(const YearRow& row, const tool::YearReportWords& words);

// The command line's --csv output for the rows (header first), in `script`,
// with the names as shown in it.
QByteArray YearReportCsv(const YearReport& report, const NameList& shownNames, const ShownScript& script);

// A PDF of `cells` under `headers`: A4 portrait pages, `title` on top of the
// first, the header row repeated on each page; empty when it cannot be made.
QByteArray YearReportPdf(const QString& title, const QStringList& headers, const std::vector<QStringList>& cells);

}  // namespace velmora
