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

}  // namespace

bool oldx(const BirthInput& birth, const ChartState& chart, const CalendarDay& shown, std::int16_t& nominalAge) {
    const int birthPlace = CyclePlace(chart, birth.YearStem, birth.YearBranch);
    const Pillar& shownYear = shown.Pillars.YearPillar;
    const int shownPlace = CyclePlace(chart, shownYear.stem, shownYear.branch);
    if (birthPlace == 0 || shownPlace == 0) return false;

    // The year pillars give the age within one sixty-year cycle (60 for the year
    // before the birth); every full cycle the lunar years have run past is added,
    // so the age always equals the count of lunar years since the birth's.
    int age = shownPlace - birthPlace + 1;
    if (age < 1) age += kSixty;
    const int lunarYearsCounted = shown.LunarYear - birth.LunarYear + 1;
    if (lunarYearsCounted > kSixty) age += kSixty * ((lunarYearsCounted - 1) / kSixty);

    if (age > std::numeric_limits<std::int16_t>::max()) return false;
    nominalAge = static_cast<std::int16_t>(age);
    return true;
}

}  // namespace velmora
