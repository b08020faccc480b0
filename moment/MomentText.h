#pragma once
// The conversion in words: the step line the record window shows, the
// centre text's note and the ISO texts of the command line's JSON.

#include <QString>

#include <optional>

#include "moment/BirthMoment.h"

namespace velmora::moment {

// A wall time (seconds since 1970-01-01 00:00 read as a clock), to the second.
QString WallTimeText(double wall);                  // "09:59:41"
QString WallIsoText(double wall);                   // "1988-07-15T09:59:41"
QString UtcIsoText(qint64 utcSeconds);              // "1988-07-15T02:20:00Z"
QString UtcOffsetText(int offsetSeconds);           // "UTC+9", "UTC+5:30", "UTC-4", "UTC+7:45:36"
// A fixed offset as typed in place of a zone: "UTC+08:00", "UTC-04:00".
QString FixedOffsetText(int offsetSeconds);
// "UTC+08:00", "+08:00", "-4", "+05:30" or plain seconds "28800"; unset when
// the text is none of these or lies beyond the offsets the world has used.
std::optional<int> ParseFixedOffset(QStringView text);
// 子時 … 亥時; 13 is 晚子時.
QString PeriodText(int period);

// "1988-07-15 11:20 北京（夏令時 UTC+9）→ 標準時 10:20 → 平太陽時 10:05:35 →
// 真太陽時 09:59:41 → 巳時"; the chart's date is named when it is not the clock's,
// and the step the basis picks is the one the period is read from.
QString StepLine(const MomentInput& input, const QString& placeName, const MomentSteps& steps);

// "1900 年前無時區史料，以當地平太陽時（經度 116.4°E，UTC+7:45:36）計": the
// longitude and offset the conversion used when it read the clock as local mean
// time; empty when it read the zone's offsets or a fixed one.
QString LocalMeanTimeNote(const MomentInput& input);

// The note a result needs: the readings of a repeated or skipped time, a
// basis time near a period boundary. Empty when there is nothing to say.
QString ResultNote(const MomentResult& result);

}  // namespace velmora::moment
