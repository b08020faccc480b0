#include "moment/PlaceSearch.h"

#include <QStringList>

namespace velmora::moment {
namespace {

// How well a place's names match the typed text; lower is better.
enum Match { kExact, kPrefix, kInside, kNone };

// Case and accents folded away (Ürümqi, São Paulo are found as typed on a
// plain keyboard), and 臺 read as 台.
QString Fold(const QString& text) {
    const QString decomposed = text.trimmed().toCaseFolded().normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) folded += c;
    }
    folded.replace(QChar(0x81FA), QChar(0x53F0));  // 臺 → 台
    return folded.normalized(QString::NormalizationForm_C);
}

Match MatchOf(const std::array<QString, 3>& names, const QString& text) {
    Match best = kNone;
    for (const QString& name : names) {
        if (name.isEmpty()) continue;
        if (name == text) return kExact;
        if (name.startsWith(text)) best = std::min(best, kPrefix);
        else if (best == kNone && name.contains(text)) best = kInside;
    }
    return best;
}

}  // namespace

PlaceSearch::PlaceSearch(std::vector<files::Place> places) : places_(std::move(places)) {
    folded_.reserve(places_.size());
    for (const files::Place& place : places_) {
        folded_.push_back({Fold(place.traditional), Fold(place.simplified), Fold(place.english)});
    }
}

std::vector<const files::Place*> PlaceSearch::find(const QString& text, std::size_t limit) const {
    const QString folded = Fold(text);
    std::array<std::vector<const files::Place*>, kNone> groups;
    if (folded.isEmpty()) return {};
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const Match match = MatchOf(folded_[i], folded);
        if (match != kNone && groups[match].size() < limit) groups[match].push_back(&places_[i]);
    }
    std::vector<const files::Place*> found;
    for (const auto& group : groups) {
        for (const files::Place* place : group) {
            if (found.size() == limit) return found;
            found.push_back(place);
        }
    }
    return found;
}

PlaceSearch::Resolved PlaceSearch::resolve(const QString& name) const {
    const QString folded = Fold(name);
    std::vector<const files::Place*> exact;
    std::vector<const files::Place*> any;
    for (std::size_t i = 0; i < places_.size() && !folded.isEmpty(); ++i) {
        const Match match = MatchOf(folded_[i], folded);
        if (match == kExact) exact.push_back(&places_[i]);
        if (match != kNone) any.push_back(&places_[i]);
    }
    const std::vector<const files::Place*>& candidates = exact.empty() ? any : exact;
    if (candidates.size() == 1) return {candidates.front(), candidates};
    return {nullptr, candidates};
}

QString PlaceLabel(const files::Place& place) {
    QStringList where;
    if (!place.region.isEmpty() && place.region != place.name()) where << place.region;
    where << place.country;
    QString label = QStringLiteral("%1（%2）").arg(place.name(), where.join(QStringLiteral("，")));
    if (!place.traditional.isEmpty() && !place.english.isEmpty()) label += QLatin1Char(' ') + place.english;
    if (place.approximate) label += QStringLiteral("（約略：府城位置）");
    return label;
}

}  // namespace velmora::moment
