#include "ui/main/DateLine.h"

#include "calendar/LunarText.h"
#include "ui/main/ChartFill.h"

namespace velmora {

namespace {
constexpr int kStemLine = 1;
constexpr int kBranchLine = 2;
constexpr int kLeapMonth = 2;

QString PillarText(const NameList& names, const Pillar& pillar) {
    return NameOf(names, kStemLine, pillar.stem) + NameOf(names, kBranchLine, pillar.branch);
}
}  // namespace

QString DateLineText(const CalendarDay& day, const NameList& names) {
    const PillarTable& pillars = day.Pillars;
    QString line = QStringLiteral("陰曆  ") + PillarText(names, pillars.YearPillar) + QStringLiteral("年 ");
    if (day.LeapKind == kLeapMonth) {
        line += QStringLiteral("閏");
    }
    line += Utf8Text(LunarMonthText(day.LunarMonth)) + QStringLiteral("月 ") + Utf8Text(LunarDayText(day.LunarDay)) +
            QStringLiteral("日 ") + NameOf(names, kBranchLine, day.HourBranch) + QStringLiteral("時");
    line += QStringLiteral("   四柱  ") + PillarText(names, pillars.YearPillar) + QLatin1Char('-') +
            PillarText(names, pillars.MonthPillar) + QLatin1Char('-') + PillarText(names, pillars.DayPillar) +
            QLatin1Char('-') + PillarText(names, pillars.HourPillar);
    return line;
}

}  // namespace velmora
