#pragma once
// The numbers the conversion works with, named once.

#include <QDate>

namespace velmora::moment {

inline constexpr int kSecondsPerMinute = 60;
inline constexpr int kSecondsPerHour = 3600;
inline constexpr int kSecondsPerDaySpan = 86400;
// Mean solar time moves 4 minutes per degree of longitude.
inline constexpr double kSecondsPerDegreeOfLongitude = 240.0;
// A two-hour period; periods start on each odd hour.
inline constexpr int kPeriodSeconds = 2 * kSecondsPerHour;
// A basis time this close to a period boundary is flagged.
inline constexpr int kNearBoundarySeconds = 5 * kSecondsPerMinute;
// Offsets from UTC the world has used lie within this span.
inline constexpr int kLargestOffsetSeconds = 15 * kSecondsPerHour;
inline constexpr double kLargestLongitude = 180.0;
inline constexpr int kLatePeriod = 13;      // late 子, 23:00..23:59
inline constexpr int kLatePeriodHour = 23;

// The calendar's range; a chart date outside it is refused.
inline QDate FirstChartDate() { return QDate(1800, 1, 1); }
inline QDate LastChartDate() { return QDate(2200, 12, 31); }
// The time-zone database (and so QTimeZone) holds most zones' history only from about
// 1900; before that a zone's clock is taken to keep local mean time at the place
// (a fixed zone such as Etc/UTC keeps its offset).
inline QDate FirstZoneHistoryDate() { return QDate(1900, 1, 1); }

}  // namespace velmora::moment
