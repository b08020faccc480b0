#include "ui/main/DateJump.h"

#include <QRegularExpression>

#include <algorithm>

#include "ui/session/DateInputs.h"

namespace velmora {

std::optional<QDate> ParseTypedDate(const QString& text) {
    // Four-digit year, then month and day of one or two digits; the second
    // separator must repeat the first.
    static const QRegularExpression form(QStringLiteral(R"(^\s*(\d{4})([-/])(\d{1,2})\2(\d{1,2})\s*$)"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(3).toInt(), match.captured(4).toInt());
    if (!date.isValid()) return std::nullopt;
    return date;
}

void MoveDateInputs(DateInputs& inputs, const DateJump& jump) {
    if (jump.date.isValid()) {
        // The limit is applied to the whole date first: set field by field, a
        // year before the limit would be held there and the month and day then
        // set on top of the limit's year.
        const QDate date = std::clamp(jump.date, inputs.MinDate, inputs.MaxDate);
        inputs.setValue(DateInputs::Year, date.year());
        inputs.setValue(DateInputs::Month, date.month());
        inputs.setValue(DateInputs::Day, date.day());
    }
    if (jump.period) inputs.setValue(DateInputs::Period, *jump.period);
}

}  // namespace velmora
