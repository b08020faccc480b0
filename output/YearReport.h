#pragma once
// velmora-chart --years FROM-TO: the year-by-year report of one birth, as
// JSON (one object a year), a paragraph of text a year, or CSV lines.

#include <array>
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

// "FROM-TO", two years of four digits within 1800..2200, FROM not after TO;
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

// The words of a report's rows, looked up once for all its rows: the name
// list, and the palaces in the three namings by their first character, 本 for
// the natal chart, 大 for the decade, 年 for the year (本官, 大財, 年命).
class YearReportWords {
public:
    enum Naming { Natal, Decade, Year };
    explicit YearReportWords(const NameList& names);
    const NameList& names() const { return names_; }
    // Palace 1..12 in `naming`; "" for any other number.
    const std::string& palace(Naming naming, int palace) const;

private:
    const NameList& names_;
    std::array<std::array<std::string, kBranches + 1>, 3> palaces_{};
};

// One row as a paragraph of Chinese text ending in a blank line.
void AppendYearRowText(const YearRow& row, const ChartResult& natal, const YearReportWords& words, std::string& out);

// The CSV line's fields of one row, unquoted, in the header's order.
std::vector<std::string> YearRowFields(const YearRow& row, const ChartResult& natal, const YearReportWords& words);
// The twelve year palaces from 年命 on with the natal and decade palaces each
// falls on: "年命 子（本福、大兄）；年兄 亥（…）；…".
std::string YearPalacesText(const YearRow& row, const YearReportWords& words);

// The CSV header line and one row's line, each ending in CR LF as spreadsheets
// expect; words as in the text, fields quoted where they hold a comma.
void AppendYearCsvHeader(std::string& out);
void AppendYearRowCsv(const YearRow& row, const ChartResult& natal, const YearReportWords& words, std::string& out);

}  // namespace velmora::tool
