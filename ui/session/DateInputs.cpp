#include "ui/session/DateInputs.h"

#include <algorithm>

namespace velmora {

namespace {

// Bounds and first values of the four spinners. Columns: lower bound, upper
// bound, initial value. Month 0 and 13 and day 0 and DayLimit lie one step
// outside the calendar, so that stepping past either end can roll over.
struct SpinnerRange {
    int lower;
    int upper;
    int initial;
};
constexpr std::array<SpinnerRange, DateInputs::kPartCount> kRanges{{
    {kFirstSupportedYear, kLastSupportedYear, 1901},  // year
    {0, 13, 1},          // month
    {0, 32, 1},          // day; the upper bound follows DayLimit
    {1, 13, 1},          // birth period
}};

constexpr int kFirstMonth = 1;
constexpr int kLastMonth = 12;
constexpr int kPeriodCount = 13;

std::size_t At(int part) { return static_cast<std::size_t>(part); }

}  // namespace

int LeadingNumber(const QString& text) {
    int number = 0;
    const QString trimmed = text.trimmed();
    for (QChar c : trimmed) {
        if (!c.isDigit() || c.digitValue() < 0) {
            break;
        }
        number = number * 10 + c.digitValue();
        if (number > 99999) {
            break;  // far past every bound; the spinner keeps it within its range
        }
    }
    return number;
}

int PeriodOfHour(int hour) { return (hour + 1) / 2 + 1; }

DateInputs::DateInputs(const HourLabels& periodLabels) : periodLabels_(periodLabels) {
    for (int part = 0; part < kPartCount; ++part) {
        values_[At(part)] = kRanges[At(part)].initial;
        labels_[At(part)] = textOf(part, values_[At(part)]);
    }
    dayLimit_ = kRanges[Day].upper;
}

int DateInputs::minimum(int part) const { return kRanges[At(part)].lower; }

int DateInputs::maximum(int part) const { return part == Day ? dayLimit_ : kRanges[At(part)].upper; }

int DateInputs::shownPart(int part) const { return LeadingNumber(labels_[At(part)]); }

QDate DateInputs::shownDate() const { return QDate(shownPart(Year), shownPart(Month), shownPart(Day)); }

QString DateInputs::textOf(int part, int value) const {
    if (part == Period) {
        return value >= 1 && value <= kPeriodCount ? QString::fromStdString(periodLabels_[At(value)]) : QString();
    }
    return QString::number(value);
}

void DateInputs::notifyDisplay() {
    if (displayChanged) {
        displayChanged();
    }
}

void DateInputs::setValue(int part, int value) {
    const int kept = std::clamp(value, minimum(part), maximum(part));
    if (kept == values_[At(part)]) {
        return;
    }
    values_[At(part)] = kept;
    notifyDisplay();
    handleChange(part);
}

void DateInputs::moveThroughLabels(const QDate& date, std::optional<int> period) {
    const QDate lowest = MinDate;
    MinDate = FirstDate();
    setLabel(Day, QStringLiteral("1"));
    setLabel(Year, QString::number(date.year()));
    setLabel(Month, QString::number(date.month()));
    setLabel(Day, QString::number(date.day()));
    if (period) setValue(Period, *period);
    MinDate = lowest;
}

void DateInputs::setLabel(int part, const QString& text) {
    labels_[At(part)] = text;
    notifyDisplay();
    if (part != Period) {
        setValue(part, LeadingNumber(text));  // the label mirror
    }
}

void DateInputs::handleChange(int part) {
    updateDayLimit(part);
    const QDate candidate = candidateDate();
    if (candidate > MaxDate) {
        setDate(MaxDate);
    } else if (candidate < MinDate) {
        setDate(MinDate);
    } else {
        rollOver(part);
    }
    setLabel(part, textOf(part, values_[At(part)]));
    if (changeHandled) {
        changeHandled(part);
    }
}

// DayLimit follows the selected month; for month 0 or 13 it keeps its value.
// A day beyond the new month's last day becomes that last day, handled as a
// change of the day, so the shown date never names a day the month lacks.
void DateInputs::updateDayLimit(int part) {
    const int month = values_[Month];
    if (month < kFirstMonth || month > kLastMonth) {
        return;
    }
    const int limit = QDate(values_[Year], month, 1).daysInMonth() + 1;
    if (limit != dayLimit_) {
        dayLimit_ = limit;
        notifyDisplay();
    }
    if (part != Day && values_[Day] >= dayLimit_) {
        setValue(Day, dayLimit_ - 1);
    }
}

// The date the spinners name, with month 0 as December of the year before,
// month 13 as January of the year after, day 0 as the last day of the month
// before, and days past the month's end running into the next month.
QDate DateInputs::candidateDate() const {
    int year = values_[Year];
    int month = values_[Month];
    if (month < kFirstMonth) {
        month = kLastMonth;
        --year;
    } else if (month > kLastMonth) {
        month = kFirstMonth;
        ++year;
    }
    return QDate(year, month, 1).addDays(values_[Day] - 1);
}

// Month and day steps past either end move the shown date by one month or
// one day. Adding a month keeps the day where the month has it and otherwise
// gives the month's last day. The limits were applied before, so a roll never
// leaves the supported range.
void DateInputs::rollOver(int part) {
    if (part == Month) {
        if (values_[Month] > kLastMonth) {
            setDate(shownDate().addMonths(1));
        }
        if (values_[Month] < kFirstMonth) {
            setDate(shownDate().addMonths(-1));
        }
    } else if (part == Day) {
        if (values_[Day] == dayLimit_) {
            setDate(shownDate().addDays(1));
        }
        if (values_[Day] == 0) {
            setDate(shownDate().addDays(-1));
        }
    }
}

void DateInputs::setDate(const QDate& date) {
    if (!date.isValid()) {
        return;
    }
    setValue(Year, date.year());
    setValue(Month, date.month());
    setValue(Day, date.day());
}

}  // namespace velmora
