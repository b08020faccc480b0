#pragma once
// The lunar reading of a query's DATE and AT-DATE (velmora-chart --lunar):
// YYYY-MM-DD names a day of the lunar calendar, with "L" after the month for
// the leap month that follows it (2020-04L-15). The day is handed on as the
// Gregorian date it names, so the chart is the one of that Gregorian date.

#include <optional>
#include <string>
#include <string_view>

#include "calendar/LunarWalk.h"
#include "output/Query.h"

namespace velmora::tool {

// The lunar date a field writes, by its form alone; nothing when the form is wrong.
std::optional<LunarDate> ParseLunarDateText(std::string_view text);

// The lunar field `text` as its Gregorian day into `date`; otherwise what is
// wrong with it, as the end of a sentence that begins with the field's name
// ("is not a lunar date: 2021 has no leap month after month 4").
std::optional<std::string> ReadLunarDate(std::string_view text, QueryDate& date);

// "2020-04L-15": the field that ParseLunarDateText reads back.
std::string LunarDateField(const LunarDate& date);

}  // namespace velmora::tool
