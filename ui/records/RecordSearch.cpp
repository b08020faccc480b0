#include "ui/records/RecordSearch.h"

#include "chart/NatalChart.h"
#include "files/FourFile.h"
#include "files/ReferencePath.h"
#include "output/ChartRun.h"
#include "query/ChartMatcher.h"
#include "query/QueryParser.h"
#include "script/ScriptedNames.h"
#include "ui/records/RecordFields.h"
#include "ui/records/RecordListView.h"
#include "ui/schools/SchoolSettings.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

// The school a record is charted in when it is picked: its own, or the setting's.
Conventions SchoolOf(const files::BirthRecord& record, const Session& session) {
    if (const std::optional<SchoolChoice> own = SchoolOfRecord(record)) return own->conventions;
    return SchoolFromSettings(*session.settings).conventions;
}

// The natal chart of a record as "確定" casts it; false for a record whose
// fields name no day or period the calendar can chart.
bool ChartOf(const files::BirthRecord& record, const Session& session, ChartState& chart, BirthInput& birth) {
    const int periodIndex = static_cast<int>(StoredPeriodLabels().indexOf(record.hour));
    const tool::QueryDate date{record.year.toInt(), record.month.toInt(), record.day.toInt()};
    if (periodIndex < 0 || DaysInMonth(date.year, date.month) < date.day || date.day < 1) return false;
    CalendarDay day;
    if (!tool::CalendarOf(date, periodIndex + 1, day)) return false;
    birth.Gender = static_cast<std::int16_t>(record.gender == QStringLiteral("男") ? tool::kMale : tool::kFemale);
    ComputeNatalChart(day, birth, chart, SchoolOf(record, session));
    return true;
}

}  // namespace

RecordSearch::RecordSearch(const Session& session, const std::vector<files::BirthRecord>& records)
    : session_(session), records_(records) {}

RecordSearch::~RecordSearch() = default;

void RecordSearch::addTextMatcher(TextMatcher matcher) { textMatchers_.push_back(std::move(matcher)); }

bool RecordSearch::passes(int index, const QString& text) {
    readText(text);
    if (index < 0 || static_cast<std::size_t>(index) >= records_.size()) return false;
    if (asChartQuery_) return matcher_ != nullptr && chartPasses(index);
    if (NameMatchesFilter(records_[static_cast<std::size_t>(index)].name, text)) return true;
    for (const TextMatcher& matcher : textMatchers_)
        if (matcher(index, text)) return true;
    return false;
}

std::optional<QString> RecordSearch::problem(const QString& text) {
    readText(text);
    return problem_;
}

// Parses a new text once, however many rows ask about it. The words are
// made anew with it, so a name list read again since is followed.
void RecordSearch::readText(const QString& text) {
    if (readText_ == text) return;
    readText_ = text;
    problem_.reset();
    matcher_.reset();
    // Read as the board reads it before each chart: an edit saved in its editor counts.
    if (!files::ReadFour(session_.folders().readFolder(files::kFourFile), transformations_).ok())
        transformations_ = TransformationTable{};
    const query::QueryWords words(session_.namesAsRead,
                                  [](std::string_view word) { return TextIn(Script::Simplified, word); });
    const std::string utf8 = text.toStdString();
    asChartQuery_ = query::LooksLikeChartQuery(utf8, words);
    if (!asChartQuery_) return;
    query::ParsedChartQuery parsed = query::ParseChartQuery(utf8, words);
    if (const auto* wrong = std::get_if<query::QueryProblem>(&parsed)) problem_ = QString::fromStdString(wrong->message());
    else matcher_ = std::make_unique<query::ChartMatcher>(std::move(std::get<query::ChartQuery>(parsed)));
}

// Charted each time it is asked: a record edited since is charted as it now is.
bool RecordSearch::chartPasses(int index) {
    ChartState chart;
    BirthInput birth;
    if (!ChartOf(records_[static_cast<std::size_t>(index)], session_, chart, birth)) return false;
    const tool::StarQuartet t = tool::TransformationsOf(transformations_, birth.YearStem);
    return matcher_->matches(chart, {t[0], t[1], t[2], t[3]});
}

}  // namespace velmora
