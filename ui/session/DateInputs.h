#pragma once
// The main window's date and period inputs as plain values: four spinners
// (year, month, day, birth period) with their bounds, the four labels that
// mirror them, and the roll-over of the date at a month's or year's end.
//
// As in the window, setting a spinner to a different value runs that
// spinner's change handling at once, nested inside whatever set it, and a
// label write runs the label mirror. The roll-over rules rely on this: a
// month step past December sets the year, month and day spinners in turn, and
// each of those settings is handled in full before the outer handling goes on.
// The labels hold the date last shown; the shown date is always a real date.

#include <QDate>
#include <QString>

#include <array>
#include <functional>
#include <optional>

#include "calendar/TableYears.h"
#include "chart/ReferenceData.h"

namespace velmora {

class DateInputs {
public:
    enum Part { Year = 0, Month = 1, Day = 2, Period = 3 };
    static constexpr int kPartCount = 4;

    // Bounds of the date; MinDate moves to the birth date of a charted record.
    static QDate FirstDate() { return {kFirstSupportedYear, 1, 1}; }
    static QDate LastDate() { return {kLastSupportedYear, 12, 31}; }

    explicit DateInputs(const HourLabels& periodLabels);

    int value(int part) const { return values_[static_cast<std::size_t>(part)]; }
    int minimum(int part) const;
    int maximum(int part) const;
    const QString& labelText(int part) const { return labels_[static_cast<std::size_t>(part)]; }
    // One more than the last day of the selected month: stepping the day onto it rolls on.
    int DayLimit() const { return dayLimit_; }

    // The date the labels show (year, month and day labels read as numbers).
    int shownPart(int part) const;
    QDate shownDate() const;

    // A spinner set to `value`, kept within its bounds. When the value changes,
    // its change handling runs before this returns.
    void setValue(int part, int value);
    // A label caption written; for year, month and day the mirror sets the spinner.
    void setLabel(int part, const QString& text);

    // The labels moved to `date` (and the period to `period`, when given) as
    // the user's steps would end: the day first set to 1 so no passing month
    // is too short, the lower limit lifted on the way so no passing date is
    // pulled up to a birth. Each change is handled in full.
    void moveThroughLabels(const QDate& date, std::optional<int> period = std::nullopt);

    QDate MinDate = FirstDate();
    QDate MaxDate = LastDate();

    // Runs at the end of every handled change, nested ones included: the
    // window's date line, age and chart recomputation.
    std::function<void(int part)> changeHandled;
    // Runs whenever a value, a bound or a label changed, for the widgets to follow.
    std::function<void()> displayChanged;

private:
    void handleChange(int part);
    void updateDayLimit(int part);
    void rollOver(int part);
    void setDate(const QDate& date);
    QDate candidateDate() const;
    QString textOf(int part, int value) const;
    void notifyDisplay();

    const HourLabels& periodLabels_;
    std::array<int, kPartCount> values_{};
    std::array<QString, kPartCount> labels_{};
    int dayLimit_ = 0;
};

// The leading decimal number of a text, 0 when it has none ("12 月" reads 12).
int LeadingNumber(const QString& text);

// The birth period (1 early 子 .. 12 亥, 13 late 子) of a clock hour 0..23.
int PeriodOfHour(int hour);

}  // namespace velmora
