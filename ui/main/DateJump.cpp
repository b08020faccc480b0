#include "ui/main/DateJump.h"

#include <QRegularExpression>

#include "ui/main/DateInputs.h"

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
        inputs.setValue(DateInputs::Year, jump.date.year());
        inputs.setValue(DateInputs::Month, jump.date.month());
        inputs.setValue(DateInputs::Day, jump.date.day());
    }
    if (jump.period) inputs.setValue(DateInputs::Period, *jump.period);
}

}  // namespace velmora
