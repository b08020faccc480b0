#pragma once
// "跳至日期…": a date typed or picked, moved into the main window's date
// inputs as the spinners would step there, so the limits, the roll-over rules
// and the layer of a charted record apply exactly as they do to a step.

#include <QDate>
#include <QString>

#include <optional>

namespace velmora {

class DateInputs;

struct DateJump {
    QDate date;
    std::optional<int> period;  // 1 early 子 .. 13 late 子; unset keeps the period shown
};

// A Gregorian date typed as "YYYY-MM-DD" or "YYYY/M/D" (month and day of one
// or two digits, one separator throughout, blanks around allowed); nothing
// for any other text or a day the calendar lacks.
std::optional<QDate> ParseTypedDate(const QString& text);

// Sets the year, month and day spinners to `jump.date` in turn, each change
// handled in full before the next, then the period. A date outside the
// inputs' limits (MinDate, MaxDate) ends on the limit, as stepping past it does.
void MoveDateInputs(DateInputs& inputs, const DateJump& jump);

}  // namespace velmora
