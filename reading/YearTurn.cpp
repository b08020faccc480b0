// The day a flowing year turns on.

#include "reading/YearTurn.h"

#include "calendar/JieDayTable.h"
#include "calendar/LunarToSolar.h"
#include "calendar/TableYears.h"

namespace velmora {

namespace {

constexpr int kLichunMonth = 2;  // 立春 always falls in February
constexpr std::size_t kLichunDigit = 0;

}  // namespace

std::optional<std::chrono::sys_days> YearTurnDay(int year, FlowingYearRule rule) {
    if (!IsSupportedYear(year)) return std::nullopt;
    if (rule == FlowingYearRule::lunarNewYear) return SolarDateOfLunar(LunarDate{year, 1, 1, false});
    const int day = JieDayTable[TableIndex(year)][kLichunDigit] - '0';
    return std::chrono::sys_days{std::chrono::year{year} / kLichunMonth / day};
}

}  // namespace velmora
