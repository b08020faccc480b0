// The six pillars of a birth moment: year (from the lunar new year and from 立春),
// month (by solar-term month, its stem counted from either year), day and hour.

#include <chrono>

#include "calendar/CalendarDay.h"
#include "calendar/CivilDate.h"
#include "calendar/InputRanges.h"
#include "calendar/JieDayTable.h"
#include "calendar/LunarYearRecord.h"
#include "calendar/TableYears.h"

namespace velmora {
namespace {

constexpr int kStemCount = 10;
constexpr int kBranchCount = 12;
constexpr int kCycleLength = 60;  // the sexagenary cycle of stem-branch pairs

// (year - 3) mod 60 is a year's place in the cycle, 1 = 甲子 (1984 - 3 = 1981 = 33 * 60 + 1).
constexpr int kYearCycleOffset = 3;
// Day 0 of the day count, a 甲子 day.
constexpr std::chrono::sys_days kDayCountEpoch = CivilDate(1900, 2, 20);

// Month stems count months from the 寅 month of 1900 (k = 1), whose stem is 5 (戊).
constexpr int kMonthStemYear = 1900;
constexpr int kMonthStemBase = 4;
// Solar-term month k has the branch k + 2: 立春 opens the 寅 (3) month.
constexpr int kMonthBranchOffset = 2;

// Solar-term month indexes of the months around the new year.
constexpr int kSpringMonth = 1;      // opened by 立春 in February
constexpr int kDaXueMonth = 11;      // opened by 大雪 in December
constexpr int kXiaoHanMonth = 12;    // opened by 小寒 in January

// The remainder of `value` divided by `divisor`, in 0..divisor-1 also for a negative value
// (months and days before the 1900 count origins).
constexpr int PositiveRemainder(int value, int divisor) { return (value % divisor + divisor) % divisor; }

Pillar MakePillar(int stem, int branch) {
    return {static_cast<std::int16_t>(stem), static_cast<std::int16_t>(branch)};
}

// The pair at a place of the cycle counted so that 1 = 甲子; a remainder 0 is the last stem or branch.
Pillar CyclePillar(int place) {
    const int stem = place % kStemCount;
    const int branch = place % kBranchCount;
    return MakePillar(stem == 0 ? kStemCount : stem, branch == 0 ? kBranchCount : branch);
}

Pillar YearPillarOf(int year) { return CyclePillar((year - kYearCycleOffset) % kCycleLength); }

// Day of month on which the term opening solar-term month k (1..12) falls, from year's record.
int JieDay(int year, int k) { return DecimalDigit(JieDayTable[TableIndex(year)][static_cast<std::size_t>(k - 1)]); }

// The solar-term month of `birth`, judged from the month the date was given in.
int SolarMonthIndex(int year, int month, std::chrono::sys_days birth) {
    if (month == 1) {
        // 小寒 of January stands in the previous year's record.
        return birth < CivilDate(year, 1, JieDay(year - 1, kXiaoHanMonth)) ? kDaXueMonth : kXiaoHanMonth;
    }
    const int k = month - 1;
    if (birth >= CivilDate(year, month, JieDay(year, k))) return k;
    return k == kSpringMonth ? kXiaoHanMonth : k - 1;
}

Pillar MonthPillarOf(int lunarNewYearYear, int k) {
    int stem = PositiveRemainder((lunarNewYearYear - kMonthStemYear) * kMonthsPerYear + k, kStemCount) + kMonthStemBase;
    if (stem > kStemCount) stem -= kStemCount;
    int branch = k + kMonthBranchOffset;
    if (branch > kBranchCount) branch -= kBranchCount;
    return MakePillar(stem, branch);
}

// Day stems pair off (甲/己, 乙/庚, 丙/辛, 丁/壬, 戊/癸) and each pair opens its 子 hour
// two stems after the one before: at 甲, 丙, 戊, 庚 and 壬.
constexpr int kDayStemPairs = 5;
constexpr int kHourStemStep = 2;

Pillar HourPillarOf(int dayStem, int hourBranch) {
    if (hourBranch < 1 || hourBranch > kBranchCount) return {};  // no hour computed yet
    int dayPair = dayStem % kDayStemPairs;
    if (dayPair == 0) dayPair = kDayStemPairs;
    int stem = hourBranch + kHourStemStep * (dayPair - 1);
    if (stem > kStemCount) stem -= kStemCount;
    return MakePillar(stem, hourBranch);
}

}  // namespace

void CalcPillars(CalendarDay& day) {
    // The tables hold the records of the year before and the year itself only for supported years.
    if (!IsSupportedYear(day.SolarYear) || !MonthAndDayInRange(day.SolarMonth, day.SolarDay)) return;
    const int year = day.SolarYear;
    const int birthDay = day.ClockHour > kLastClockHourOfDay ? day.SolarDay + 1 : day.SolarDay;
    const std::chrono::sys_days birth = CivilDate(year, day.SolarMonth, birthDay);

    // MonthPillar's stem follows the lunar-new-year year, as the date line's year
    // does; SolarMonthPillar's follows the 立春 year, as a 四柱 is written.
    const int lunarNewYearYear = birth < NewYearDate(year) ? year - 1 : year;
    const int springYear = birth < CivilDate(year, 2, JieDay(year, kSpringMonth)) ? year - 1 : year;
    const int k = SolarMonthIndex(year, day.SolarMonth, birth);

    PillarTable& pillars = day.Pillars;
    pillars.YearPillar = YearPillarOf(lunarNewYearYear);
    pillars.SolarYearPillar = YearPillarOf(springYear);
    pillars.MonthPillar = MonthPillarOf(lunarNewYearYear, k);
    pillars.SolarMonthPillar = MonthPillarOf(springYear, k);
    pillars.DayPillar = CyclePillar(PositiveRemainder(DaysBetween(kDayCountEpoch, birth), kCycleLength) + 1);
    pillars.HourPillar = HourPillarOf(pillars.DayPillar.stem, day.HourBranch);
}

}  // namespace velmora
