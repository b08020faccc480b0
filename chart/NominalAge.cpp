// oldx: the nominal age (虛歲) at the shown date, 1 in the birth's lunar year.

#include <limits>

#include "chart/DigitTables.h"
#include "chart/TimeLayers.h"

namespace velmora {

namespace {

constexpr int kSixty = 60;

// Place 1..60 of a stem-branch pair in the sixty-cycle; 0 for a pair outside
// the tables or of unlike parity (no chart or no calendar computed yet).
int CyclePlace(const ChartState& chart, int stem, int branch) {
    if (stem < 1 || stem > kStems || branch < 1 || branch > kBranches) return 0;
    return chart.SexagenaryTable[stem][branch];
}

// Lunar years since the birth's, plus one once the lunar birthday (month and
// day, leap months not told apart) has come that year: 1 on the day of birth.
int AgeFromBirthday(const BirthInput& birth, const CalendarDay& shown) {
    const bool birthdayReached = shown.LunarMonth > birth.LunarMonth ||
                                 (shown.LunarMonth == birth.LunarMonth && shown.LunarDay >= birth.LunarDay);
    const int age = shown.LunarYear - birth.LunarYear + (birthdayReached ? 1 : 0);
    return age < 1 ? 1 : age;  // a shown date before the birth counts as the first year
}

// The year the birth pillar names, as a number: the lunar year, or the one
// before or after it when the pillar is counted from 立春 and 立春 falls on the
// other side of the lunar new year.
int BirthPillarYear(const BirthInput& birth, const ChartState& chart, const Conventions& conventions) {
    if (conventions.yearPillar() != YearPillarRule::lichun) return birth.LunarYear;
    constexpr int kCycleEpochYear = 1864;  // a 甲子 year
    const int lunarPlace = PositiveMod(birth.LunarYear - kCycleEpochYear, kSixty) + 1;
    const int pillarPlace = CyclePlace(chart, birth.YearStem, birth.YearBranch);
    constexpr int kHalfCycle = kSixty / 2;
    return birth.LunarYear + PositiveMod(pillarPlace - lunarPlace + kHalfCycle, kSixty) - kHalfCycle;
}

}  // namespace

bool oldx(const BirthInput& birth, const ChartState& chart, const CalendarDay& shown, std::int16_t& nominalAge,
          const Conventions& conventions) {
    const int birthPlace = CyclePlace(chart, birth.YearStem, birth.YearBranch);
    const Pillar& shownYear = shown.Pillars.YearPillar;
    const int shownPlace = CyclePlace(chart, shownYear.stem, shownYear.branch);
    if (birthPlace == 0 || shownPlace == 0) return false;
    if (conventions.ageCount() == AgeCountRule::birthday) {
        nominalAge = static_cast<std::int16_t>(AgeFromBirthday(birth, shown));
        return true;
    }

    // The year pillars give the age within one sixty-year cycle (60 for the year
    // before the birth); every full cycle the lunar years have run past is added,
    // so the age always equals the count of lunar years since the birth's.
    int age = shownPlace - birthPlace + 1;
    if (age < 1) age += kSixty;
    const int lunarYearsCounted = shown.LunarYear - BirthPillarYear(birth, chart, conventions) + 1;
    if (lunarYearsCounted > kSixty) age += kSixty * ((lunarYearsCounted - 1) / kSixty);

    if (age > std::numeric_limits<std::int16_t>::max()) return false;
    nominalAge = static_cast<std::int16_t>(age);
    return true;
}

}  // namespace velmora
