#pragma once
// The birth moment turned into the chart's date and period, step by step.

#include "moment/BirthMoment.h"

#include <optional>

namespace velmora::moment {

// Every reading of the typed clock time with all its steps. An unknown zone,
// a longitude beyond ±180°, or a chart date outside 1800-01-01..2200-12-31
// gives an error instead. Before 1900, where most zones have no recorded history,
// a zone's clock reads as local mean time at the longitude.
MomentResult ConvertMoment(const MomentInput& input);

// The offset from UTC that ConvertMoment gives the clock when it reads it as local
// mean time (a date before 1900 in a zone whose clock changed by 1950): the
// longitude x 240 s, rounded to the second. Unset when it reads the zone's own
// offsets or a fixed offset, so the windows can say which it did.
std::optional<int> LocalMeanTimeOffset(const MomentInput& input);

// The period of a basis time given as seconds into its day: 13 from 23:00,
// otherwise (hour + 1) div 2 + 1.
int PeriodOfSecondsOfDay(double secondsOfDay);

// True when the basis time lies within five minutes of the start of a period
// (each odd hour, and midnight, where late 子 gives way to early 子).
bool NearPeriodBoundary(double secondsOfDay);

}  // namespace velmora::moment
