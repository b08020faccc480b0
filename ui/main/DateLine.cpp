#include "ui/main/DateLine.h"

#include "calendar/LunarText.h"
#include "ui/board/ChartFill.h"

namespace velmora {

namespace {
constexpr int kStemLine = 1;
constexpr int kBranchLine = 2;
constexpr int kLeapMonth = 2;

QString PillarText(const NameList& names, const Pillar& pillar) {
    return NameOf(names, kStemLine, pillar.stem) + NameOf(names, kBranchLine, pillar.branch);
}
}  // namespace

QString DateLineText(const CalendarDay& day, const NameList& names, const ShownScript& shown) {
    const PillarTable& pillars = day.Pillars;
    QString line = shown.text(QStringLiteral("陰曆  ")) + PillarText(names, pillars.YearPillar) + shown.text(QStringLiteral("年 "));
    if (day.LeapKind == kLeapMonth) {
        line += shown.text(QStringLiteral("閏"));
    }
    line += shown.text(Utf8Text(LunarMonthText(day.LunarMonth))) + shown.text(QStringLiteral("月 ")) + shown.text(Utf8Text(LunarDayText(day.LunarDay))) +
            shown.text(QStringLiteral("日 ")) + NameOf(names, kBranchLine, day.HourBranch) + shown.text(QStringLiteral("時"));
    line += shown.text(QStringLiteral("   四柱  ")) + PillarText(names, pillars.YearPillar) + QLatin1Char('-') +
            PillarText(names, pillars.MonthPillar) + QLatin1Char('-') + PillarText(names, pillars.DayPillar) +
            QLatin1Char('-') + PillarText(names, pillars.HourPillar);
    return line;
}

}  // namespace velmora
