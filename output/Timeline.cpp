#include "output/Timeline.h"

#include <algorithm>
#include <chrono>

#include "calendar/TableYears.h"
#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"

namespace velmora::tool {

namespace {

constexpr int kDecadeYears = 10;
constexpr int kMidYearMonth = 7;           // inside the lunar year named by the Gregorian year
constexpr int kLastNewYearMonth = 2;       // new year never falls after February
constexpr int kMonthWalkDays = 400;        // from 1 January past the next new year

CalendarDay DayOf(const SolarDate& date) {
    CalendarDay day;
    day.SolarYear = static_cast<std::int16_t>(date.year);
    day.SolarMonth = static_cast<std::int16_t>(date.month);
    day.SolarDay = static_cast<std::int16_t>(date.day);
    day.ClockHour = 12;
    CalcCalendar(day);
    return day;
}

int Reduce(int branch) { return ((branch - 1) % kBranches + kBranches) % kBranches + 1; }

}  // namespace

std::vector<DecadeEntry> Decades(const BirthInput& birth, const ChartState& chart) {
    const std::array<int, 13> starts = MajorLimitStartAges(birth, chart);
    std::vector<DecadeEntry> decades;
    for (int palace = 1; palace <= kBranches; ++palace) {
        const PalaceRow& row = chart.PalaceTable[palace];
        if (row.branch < 1 || row.branch > kBranches) continue;
        const int first = starts[row.branch];
        decades.push_back({palace, Pillar{row.stem, row.branch}, first, first + kDecadeYears - 1,
                           birth.LunarYear + first - 1, birth.LunarYear + first + kDecadeYears - 2});
    }
    std::sort(decades.begin(), decades.end(),
              [](const DecadeEntry& a, const DecadeEntry& b) { return a.firstAge < b.firstAge; });
    return decades;
}

int DecadeOfAge(const std::vector<DecadeEntry>& decades, int age) {
    for (std::size_t i = 0; i < decades.size(); ++i)
        if (decades[i].firstAge <= age && age <= decades[i].lastAge) return static_cast<int>(i);
    return -1;
}

std::vector<YearEntry> YearsOf(const DecadeEntry& decade, const BirthInput& birth) {
    std::vector<YearEntry> years;
    for (int age = decade.firstAge; age <= decade.lastAge; ++age) {
        const int year = birth.LunarYear + age - 1;
        if (year > kLastSupportedYear) break;  // the calendar's tables end there
        const CalendarDay day = DayOf({year, kMidYearMonth, 1});
        years.push_back({year, day.Pillars.YearPillar, age, day.Pillars.YearPillar.branch});
    }
    return years;
}

std::vector<MonthEntry> MonthsOf(int year, const BirthInput& birth, const ChartState& chart, int bureauNumber) {
    using namespace std::chrono;
    std::vector<MonthEntry> months;
    const sys_days start{std::chrono::year{year} / January / 1};
    for (int offset = 0; offset < kMonthWalkDays; ++offset) {
        const year_month_day ymd{start + days{offset}};
        const SolarDate date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                             static_cast<int>(static_cast<unsigned>(ymd.day()))};
        if (date.year > year && date.month > kLastNewYearMonth) break;
        CalendarDay day;
        ConvertLunarDate(static_cast<std::int16_t>(date.year), static_cast<std::int16_t>(date.month),
                         static_cast<std::int16_t>(date.day), day);
        if (day.LunarYear != year || day.LunarDay != 1) continue;
        const CalendarDay full = DayOf(date);
        std::int16_t age = 0;
        oldx(birth, chart, full, age);
        const LayerView view = ComputeLayer(static_cast<int>(Layer::Month), birth, chart, full, age,
                                            static_cast<std::int16_t>(bureauNumber));
        months.push_back({day.LunarMonth, day.LeapKind == kLeapKindLeapMonth, date, view.FocusBranch.value_or(0)});
    }
    return months;
}

int LayerPalaceOn(int branch, int lifeBranch, const ChartState& chart) {
    const int natalLife = chart.PalaceTable[1].branch;
    for (int palace = 1; palace <= kBranches; ++palace)
        if (Reduce(chart.PalaceTable[palace].branch - natalLife + lifeBranch) == branch) return palace;
    return 0;
}

std::string ShortPalaceName(const NameList& names, int palace) {
    const std::string& name = PalaceName(names, palace);
    std::size_t length = 1;
    while (length < name.size() && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) ++length;
    return name.substr(0, std::min(length, name.size()));
}

}  // namespace velmora::tool
