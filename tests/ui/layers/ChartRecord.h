#pragma once
// Charting a birth record on a started main window the way the record
// window's confirm button does, and moving the shown date, for the layer tests.

#include <QDate>
#include <QString>

#include "ui/main/Form1.h"

namespace velmora::testing {

struct Record {
    QDate birth;
    int hour = 0;       // 0 子 .. 11 亥: the record's birth period
    bool male = true;
    QString name = QStringLiteral("王小明");
};

// Clears the chart input and result, fills the gender, name and birth moment,
// runs the calendar and user, marks the record as charted, selects the natal
// layer and puts the window's present date and period into the date inputs.
void ChartRecord(Form1& form, const Record& record);

// Moves the date inputs to `date` and `period` (1 early 子 .. 13 late 子)
// through their labels, as the user's steps would end. The lower date limit
// is lifted while moving so no passing date is clamped to it. False when the
// inputs did not end on `date`.
bool ShowDate(Form1& form, const QDate& date, int period = 7);

}  // namespace velmora::testing
