#include "ui/records/RecordFields.h"

#include "calendar/LunarText.h"
#include "ui/board/ChartFill.h"

namespace velmora {

namespace {
constexpr int kStemLine = 1;
constexpr int kBranchLine = 2;
constexpr int kFebruary = 2;
constexpr int kEarlyRatHour = 0;

// Days by month, January first, of a common year.
constexpr int kCommonYearDays[kMonthsInYear] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}  // namespace

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    if (month < 1 || month > kMonthsInYear) {
        return 0;
    }
    if (month == kFebruary && IsGregorianLeapYear(year)) {
        return kCommonYearDays[month - 1] + 1;
    }
    return kCommonYearDays[month - 1];
}

QStringList NumberEntries(int first, int last) {
    QStringList entries;
    for (int n = first; n <= last; ++n) {
        entries.append(QString::number(n));
    }
    return entries;
}

QStringList BirthPeriodLabels(const HourLabels& hourLabels) {
    QStringList labels;
    for (int period = 1; period <= kBirthPeriods; ++period) {
        labels.append(Utf8Text(hourLabels[static_cast<std::size_t>(period)]));
    }
    return labels;
}

QStringList StoredPeriodLabels() {
    static const QStringList stored = BirthPeriodLabels(MakeHourLabels());
    return stored;
}

QString LunarPreviewText(const CalendarDay& day, const NameList& names) {
    const Pillar& year = day.Pillars.YearPillar;
    QString text = QStringLiteral("陰曆  ") + NameOf(names, kStemLine, year.stem) +
                   NameOf(names, kBranchLine, year.branch) + QStringLiteral("年 ");
    if (day.LeapKind == kLeapKindLeapMonth) {
        text += QStringLiteral("閏");
    }
    text += Utf8Text(LunarMonthText(day.LunarMonth)) + QStringLiteral("月 ") + Utf8Text(LunarDayText(day.LunarDay)) +
            QStringLiteral("日 ");
    return text;
}

CalendarDay ConvertForPreview(int year, int month, int day) {
    CalendarDay preview;
    preview.SolarYear = static_cast<std::int16_t>(year);
    preview.SolarMonth = static_cast<std::int16_t>(month);
    preview.SolarDay = static_cast<std::int16_t>(day);
    preview.ClockHour = kEarlyRatHour;
    CalcCalendar(preview);
    return preview;
}

}  // namespace velmora
