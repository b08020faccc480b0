// Both year tables against an astronomical reference (tests/calendar/reference,
// written by make_reference.mjs from astronomy-engine): every lunar month opens on
// the reference day and every month-opening solar term turns the month pillar on
// its reference day, through the real conversion. Where the tables differ, the
// reference names the month or term ("#kept", the calendar as issued then) or the day
// lies in a month the calendar flags as uncertain, and then by one day at most.

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "calendar/CalendarDay.h"
#include "calendar/CivilDate.h"
#include "calendar/JieDayTable.h"
#include "calendar/TableYears.h"
#include "tests/ReferenceCsv.h"
#include "tests/calendar/CalendarTestSupport.h"

namespace velmora {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr int kNoon = 12;
const std::string kReferenceDir = VELMORA_CALENDAR_REFERENCE_DIR;

sys_days ParseDay(const std::string& text) {  // "YYYY-MM-DD"
    return CivilDate(std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2)));
}

bool InSupportedRange(sys_days day) {
    return day >= CivilDate(kFirstSupportedYear, 1, 1) && day <= CivilDate(kLastSupportedYear, 12, 31);
}

bool IsUncertain(sys_days day) {
    const year_month_day date{day};
    return IsUncertainDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
}

// A reference day the tables may miss by one: it or the day before lies in an uncertain span.
bool MayMoveByADay(sys_days day) { return IsUncertain(day) || IsUncertain(day - std::chrono::days{1}); }

CalendarDay CalculateOn(sys_days day) {
    const year_month_day date{day};
    return test::Calculate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())), kNoon);
}

TEST(CalendarReference, EveryLunarMonthOpensOnItsReferenceDay) {
    // Columns: lunar year, month, leap flag, first civil day (UTC+8), new-moon instant.
    const test::ReferenceList reference = test::ReadReference(kReferenceDir + "/lunar_months.csv", 3);
    ASSERT_GT(reference.rows.size(), 2400u) << "lunar_months.csv missing or short";
    sys_days previousFirst{};
    for (const test::CsvRow& row : reference.rows) {
        const std::string key = row[0] + "," + row[1] + "," + row[2];
        const bool kept = reference.kept.contains(key);
        if (kept && reference.kept.at(key)[0] == "none") {  // a month the issued calendar did not have
            previousFirst = sys_days{};
            continue;
        }
        const sys_days first = ParseDay(kept ? reference.kept.at(key)[0] : row[3]);
        const bool leap = row[2] == "1";
        const bool uncertain = !kept && MayMoveByADay(first);
        if (InSupportedRange(first)) {
            const CalendarDay day = CalculateOn(first);
            const bool opens = day.LunarYear == std::stoi(row[0]) && day.LunarMonth == std::stoi(row[1]) &&
                               day.LunarDay == 1 && day.LeapKind == (leap ? kLeapKindLeapMonth : kLeapKindOrdinaryMonth);
            const CalendarDay after = CalculateOn(first + std::chrono::days{1});
            const bool opensADayOff = day.LunarDay <= 2 || (after.LunarDay == 1 && after.LunarMonth == std::stoi(row[1]));
            EXPECT_TRUE(opens || (uncertain && opensADayOff))
                << "lunar " << row[0] << " month " << row[1] << (leap ? " (leap)" : "") << " opens on " << row[3]
                << (kept ? " (kept)" : "") << ", the tables give " << day.LunarYear << "-" << day.LunarMonth << "-"
                << day.LunarDay << " there";
        }
        if (InSupportedRange(first - std::chrono::days{1}) && previousFirst != sys_days{} && !uncertain &&
            !MayMoveByADay(previousFirst)) {
            EXPECT_EQ(CalculateOn(first - std::chrono::days{1}).LunarDay, DaysBetween(previousFirst, first))
                << "the month before lunar " << row[0] << " month " << row[1] << (leap ? " (leap)" : "");
        }
        previousFirst = first;
    }
}

TEST(CalendarReference, EverySolarTermFallsOnItsReferenceDay) {
    // Columns: term year, term 1 (立春) .. 12 (小寒 of the next January), civil day (UTC+8), instant.
    const test::ReferenceList reference = test::ReadReference(kReferenceDir + "/solar_terms.csv", 2);
    ASSERT_EQ(reference.rows.size(), kTableYearCount * kJieDayRecordLength) << "solar_terms.csv missing or short";
    for (const test::CsvRow& row : reference.rows) {
        const int year = std::stoi(row[0]);
        const int term = std::stoi(row[1]);
        const sys_days day = ParseDay(row[2]);
        const sys_days issued = reference.kept.contains(row[0] + "," + row[1])
                                    ? ParseDay(reference.kept.at(row[0] + "," + row[1])[0]) : day;
        if (issued != day || MayMoveByADay(day)) continue;  // checked as the issued day or left in doubt
        const int tableDay = JieDayTable[TableIndex(year)][static_cast<std::size_t>(term - 1)] - '0';
        EXPECT_EQ(tableDay, int(unsigned(year_month_day{day}.day())))
            << year << " term " << term << ": the table's day against the reference " << row[2];
        // The month pillar turns to branch term + 2 (寅 for 立春) on the term's day and not before.
        const int branch = (term + 1) % 12 + 1;
        if (InSupportedRange(day)) {
            EXPECT_EQ(CalculateOn(day).Pillars.MonthPillar.branch, branch) << "month pillar on " << row[2];
        }
        if (InSupportedRange(day - std::chrono::days{1})) {
            EXPECT_EQ(CalculateOn(day - std::chrono::days{1}).Pillars.MonthPillar.branch, (branch + 10) % 12 + 1)
                << "month pillar the day before " << row[2];
        }
    }
}

// The 四柱 of the days whose 立春 year and lunar-new-year year differ (four_pillars.csv,
// written by make_four_pillars.mjs from lunar-javascript); on every other day the two
// years and the two month pillars agree.
TEST(CalendarReference, FourPillarsReadAsOneOnEveryDayTheTwoYearsDiffer) {
    // Columns: day, lunar-new-year year, year from 立春, month, day, hour (午), as stem-branch names.
    const test::ReferenceList reference = test::ReadReference(kReferenceDir + "/four_pillars.csv");
    ASSERT_GT(reference.rows.size(), 1400u) << "four_pillars.csv missing or short";
    std::map<sys_days, test::CsvRow> differing;
    for (const test::CsvRow& row : reference.rows) differing[ParseDay(row[0])] = row;
    for (sys_days day = CivilDate(1901, 1, 1); day <= CivilDate(2099, 12, 31); day += std::chrono::days{1}) {
        const PillarTable p = CalculateOn(day).Pillars;
        const auto found = differing.find(day);
        if (found == differing.end()) {
            EXPECT_TRUE(p.YearPillar == p.SolarYearPillar && p.MonthPillar == p.SolarMonthPillar)
                << "the two years differ on day " << int(year_month_day{day}.year()) << "-"
                << unsigned(year_month_day{day}.month()) << "-" << unsigned(year_month_day{day}.day());
            continue;
        }
        const test::CsvRow& row = found->second;
        const PillarTable expected{test::PillarOf(row[1]), p.MonthPillar, test::PillarOf(row[4]),
                                   test::PillarOf(row[5]), test::PillarOf(row[2]), test::PillarOf(row[3])};
        EXPECT_EQ(p, expected) << row[0];
    }
}

}  // namespace
}  // namespace velmora
