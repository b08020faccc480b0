#pragma once
// The birth data a record of the record window holds, as its combos offer it:
// the years, the months, the days of a month and the twelve birth periods,
// and the lunar preview line of a picked day.

#include <QString>
#include <QStringList>

#include "calendar/CalendarDay.h"
#include "calendar/TableYears.h"
#include "chart/ReferenceData.h"

namespace velmora {

// The years the year combo offers, in order.
inline constexpr int kFirstRecordYear = kFirstSupportedYear;
inline constexpr int kLastRecordYear = kLastSupportedYear;
inline constexpr int kMonthsInYear = 12;
inline constexpr int kBirthPeriods = 12;  // 子 .. 亥; the late 子 is not offered

// Gregorian: divisible by 4 and not by 100, or divisible by 400.
bool IsGregorianLeapYear(int year);

// Days of `month` (1..12) in `year`; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// "1" .. "n" as the month and day combos list them.
QStringList NumberEntries(int first, int last);

// The twelve birth-period labels offered for a record: the first twelve of
// the main window's thirteen (early 子 .. 亥).
QStringList BirthPeriodLabels(const HourLabels& hourLabels);
// The twelve period labels as User holds them, whatever script is shown.
QStringList StoredPeriodLabels();

// The preview of a converted day: "陰曆  " year pillar "年 ", "閏" for a leap
// month, the month and "月 ", the day and "日 ", e.g. "陰曆  庚午年 閏五月 初一日 ".
QString LunarPreviewText(const CalendarDay& day, const NameList& names);

// The lunar day of a Gregorian day converted on its own, at the early 子
// period, so that no late-子 shift carries it to the next day.
CalendarDay ConvertForPreview(int year, int month, int day);

}  // namespace velmora
