#include "output/OverlayRun.h"

#include <array>
#include <vector>

namespace velmora::tool {

namespace {

constexpr std::string_view kSecondBirth = "the second birth: ";
constexpr int kBirthFields = 3;  // DATE PERIOD GENDER
constexpr char kSeparator = '/';

// The message built in one string: gcc 12 at -O2 mistakes a temporary
// std::string + literal moved into the variant for an out-of-bounds copy.
std::string SecondBirthProblem(std::string_view problem) {
    std::string message(kSecondBirth);
    message.append(problem);
    return message;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

reading::Quartet QuartetOf(const StarQuartet& stars) { return {stars[0], stars[1], stars[2], stars[3]}; }

}  // namespace

ParsedQuery ParseSecondBirth(std::span<const std::string_view> fields, DateCalendar calendar) {
    if (fields.size() != kBirthFields) return SecondBirthProblem("needs DATE PERIOD GENDER");
    ParsedQuery parsed = ParseQueryFields(fields, calendar);
    if (auto* problem = std::get_if<std::string>(&parsed)) return SecondBirthProblem(*problem);
    return parsed;
}

ParsedQuery ParseSecondBirthLine(std::string_view text, DateCalendar calendar) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) fields.push_back(text.substr(start, i - start));
    }
    return ParseSecondBirth(fields, calendar);
}

BatchLineParts SplitAtSecondBirth(std::string_view line) {
    const std::size_t at = line.find(kSeparator);
    if (at == std::string_view::npos) return {line, std::nullopt};
    return {line.substr(0, at), line.substr(at + 1)};
}

std::optional<std::string> ComputeOverlay(const Query& with, const Conventions& conventions,
                                          const ReferenceTables& tables, ChartResult& result) {
    // The second chart is kept per thread: a batch casts one for every line.
    thread_local ChartResult second;
    if (auto problem = ComputeQuery(with, tables, second, conventions)) return SecondBirthProblem(*problem);
    result.reading.overlay = reading::OverlayCharts({&result.chart, QuartetOf(result.transformations)},
                                                    {&second.chart, QuartetOf(second.transformations)});
    return std::nullopt;
}

std::optional<std::string> ReadChart(const ReadingOptions& reading, const std::optional<Query>& with,
                                     const Conventions& conventions, const ReferenceTables& tables,
                                     ChartResult& result) {
    if (reading.any()) ComputeReading(reading, result);
    if (!with) return std::nullopt;
    return ComputeOverlay(*with, conventions, tables, result);
}

}  // namespace velmora::tool
