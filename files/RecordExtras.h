#pragma once
// What User holds about a person beyond the six fields: TAB-separated
// `key=value` pieces after the sixth field (keys ASCII, values Big5). Readers
// that know only six fields pass them over, so older programs still chart the
// line. Pieces this program does not know are kept byte for byte.

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace velmora::files {

struct BirthRecord;

// Every key this program writes, defined here once.
namespace extra_keys {
// The birth moment as the person knows it; the six fields hold its result.
inline constexpr char kClock[] = "clock";          // "HH:MM", or "YYYY-MM-DD HH:MM" off the chart's date
inline constexpr char kPlace[] = "place";          // a place name from the places list
inline constexpr char kLongitude[] = "longitude";  // degrees, east positive, e.g. "116.39723"
inline constexpr char kZone[] = "zone";            // an IANA zone, e.g. "Asia/Shanghai"
inline constexpr char kUtcOffset[] = "utcOffset";  // a fixed offset in seconds instead of the zone
inline constexpr char kBasis[] = "basis";          // clock | standard | mean | true
inline constexpr char kReading[] = "reading";      // 1 or 2, for a repeated clock time
// The school the person's chart is cast in; each switch that differs from
// the profile follows as `conv.KEY=VALUE`.
inline constexpr char kProfile[] = "profile";
inline constexpr char kConventionPrefix[] = "conv.";
}  // namespace extra_keys

// The key of a raw piece: the bytes before its first '=' (empty when none).
QByteArray ExtraKey(const QByteArray& piece);

// The value of `key` (the first piece with that key), decoded from Big5;
// unset when the record has no such piece or its value is not Big5.
std::optional<QString> ExtraValue(const BirthRecord& record, const QByteArray& key);

// Sets `key` to `value` in place (or at the end when new); an unset value
// removes every piece with that key. Refuses a key that is not plain ASCII
// or holds '=', TAB, CR or LF, and a value holding TAB, CR or LF or text Big5
// cannot hold: the phrase says why, and the record is unchanged.
std::optional<QString> SetExtra(BirthRecord& record, const QByteArray& key,
                                const std::optional<QString>& value);

// The keys of the record's pieces that start with `prefix`, in line order.
QList<QByteArray> ExtraKeysWithPrefix(const BirthRecord& record, const QByteArray& prefix);

}  // namespace velmora::files
