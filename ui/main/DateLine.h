#pragma once
// The lunar date line under the board: the lunar date and period of the shown
// date, then its four pillars.

#include <QString>

#include "calendar/CalendarDay.h"
#include "chart/ReferenceData.h"
#include "ui/common/ShownScript.h"

namespace velmora {

// E.g. "陰曆  甲子年 正月 初一日 午時   四柱  甲子-丁丑-丙寅-甲午"; "閏" stands
// before the month of a leap month. Stems and branches are named from the
// name list.
QString DateLineText(const CalendarDay& day, const NameList& names,
                     const ShownScript& shown = TraditionalScript());

}  // namespace velmora
