#include "tools/RecordQuery.h"

#include <optional>

#include "files/RecordExtras.h"
#include "query/ChartMatcher.h"

namespace velmora::tool {

namespace {

constexpr int kRecordPeriods = 12;  // a record's periods: early 子 .. 亥 (the late 子 is never stored)

// The record's own school; a piece naming no switch or value is passed over.
Conventions SchoolOf(const files::BirthRecord& record) {
    const std::optional<QString> profile = files::ExtraValue(record, files::extra_keys::kProfile);
    if (!profile) return {};
    const ConventionProfile* named = ProfileNamed(profile->toStdString());
    Conventions conventions = named != nullptr ? named->conventions : Conventions{};
    const QByteArray prefix(files::extra_keys::kConventionPrefix);
    for (const QByteArray& key : files::ExtraKeysWithPrefix(record, prefix)) {
        const std::optional<QString> value = files::ExtraValue(record, key);
        if (!value) continue;
        Conventions next = conventions;
        const std::string piece = key.mid(prefix.size()).toStdString() + "=" + value->toStdString();
        if (!SetConventionPiece(next, piece)) conventions = next;
    }
    return conventions;
}

// The birth as velmora-chart is asked for it; unset for fields it cannot chart.
std::optional<Query> BirthOf(const files::BirthRecord& record) {
    static const HourLabels kLabels = MakeHourLabels();
    int period = 0;
    for (int p = 1; p <= kRecordPeriods; ++p)
        if (record.hour == QString::fromStdString(kLabels[static_cast<std::size_t>(p)])) period = p;
    bool yearRead = false, monthRead = false, dayRead = false;
    const QueryDate date{record.year.toInt(&yearRead), record.month.toInt(&monthRead), record.day.toInt(&dayRead)};
    if (period == 0 || !yearRead || !monthRead || !dayRead) return std::nullopt;
    return Query{date, period, record.gender == QStringLiteral("男") ? kMale : kFemale, std::nullopt};
}

}  // namespace

std::vector<int> RecordsMatching(const std::vector<files::BirthRecord>& records, const query::ChartQuery& query,
                                 const ReferenceTables& tables) {
    query::ChartMatcher matcher(query);
    std::vector<int> kept;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::optional<Query> birth = BirthOf(records[i]);
        ChartResult result;
        if (!birth || ComputeQuery(*birth, tables, result, SchoolOf(records[i]))) continue;
        const StarQuartet& t = result.transformations;
        if (matcher.matches(result.chart, {t[0], t[1], t[2], t[3]})) kept.push_back(static_cast<int>(i));
    }
    return kept;
}

}  // namespace velmora::tool
