#pragma once
// The record window's search box, read two ways: a text written as a search
// by chart (命宮 有 紫微；夫妻 無 主星) keeps the records whose natal chart,
// cast in the record's own school, fulfils it; any other text keeps the
// records whose name holds it, or that a further text matcher lets through
// (the case notes, tags and grades hook in there).

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "chart/ReferenceData.h"
#include "files/UserFile.h"

namespace velmora {

struct Session;
namespace query {
class ChartMatcher;
}  // namespace query

class RecordSearch {
public:
    // Whether record `index` passes a plain (not chart) text.
    using TextMatcher = std::function<bool(int index, const QString& text)>;

    RecordSearch(const Session& session, const std::vector<files::BirthRecord>& records);
    ~RecordSearch();

    // Another way a record may pass a plain text; any one way suffices.
    void addTextMatcher(TextMatcher matcher);
    // Whether record `index` passes the text now in the box.
    bool passes(int index, const QString& text);
    // Why the text, written as a search by chart, does not parse (in
    // Traditional; the box shows it in the shown script); unset otherwise.
    std::optional<QString> problem(const QString& text);

private:
    void readText(const QString& text);
    bool chartPasses(int index);

    const Session& session_;
    const std::vector<files::BirthRecord>& records_;
    std::vector<TextMatcher> textMatchers_;
    std::optional<QString> readText_;               // the text the fields below were read from
    bool asChartQuery_ = false;
    std::optional<QString> problem_;
    std::unique_ptr<query::ChartMatcher> matcher_;
    TransformationTable transformations_;           // Four, read with the text
};

}  // namespace velmora
