#pragma once
// velmora-chart --years FROM-TO: the year-by-year report of one birth, as
// JSON (one object a year), a paragraph of text a year, or CSV lines.

#include <optional>
#include <string>
#include <vector>

#include "output/ChartRun.h"
#include "reading/YearRows.h"

namespace velmora::tool {

struct YearSpan {
    int from = 0;
    int to = 0;
    friend bool operator==(const YearSpan&, const YearSpan&) = default;
};

// "FROM-TO", two years of four digits within 1901..2099, FROM not after TO;
// nothing otherwise.
std::optional<YearSpan> ParseYearSpan(std::string_view text);

// The natal chart of `birth` (its shown moment is ignored) into `natal`, and the
// rows of `span` into `rows`. A span starting before the birth's lunar year is
// refused with a message.
std::optional<std::string> ComputeYearReport(Query birth, YearSpan span, const ReferenceTables& tables,
                                             const Conventions& conventions, ChartResult& natal,
                                             std::vector<YearRow>& rows);

// One row as a JSON object (no line end).
void AppendYearRowJson(const YearRow& row, std::string& out);

// One row as a paragraph of Chinese text ending in a blank line.
void AppendYearRowText(const YearRow& row, const ChartResult& natal, const NameList& names, std::string& out);

// The CSV header line and one row's line, each ending in CR LF as spreadsheets
// expect; words from the name list, fields quoted where they hold a comma.
void AppendYearCsvHeader(std::string& out);
void AppendYearRowCsv(const YearRow& row, const ChartResult& natal, const NameList& names, std::string& out);

}  // namespace velmora::tool
