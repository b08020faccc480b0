#pragma once
// The main window's part when a record is charted: the natal chart of the
// birth now in CalendarDay and BirthInput, marked as a record's chart, on the
// natal layer, with today's date and period in the date inputs.

namespace velmora {

class Form1;
namespace files {
struct BirthRecord;
}

// The school the record carries (profile=, conv.KEY=VALUE) onto the session,
// or the setting's when it carries none or no record is given; the record is
// kept as the charted one, so that "流派…" can set its school.
void ChartInRecordSchool(Form1& form1, const files::BirthRecord* record);

// Runs user, sets RecordLoaded, selects the natal layer, puts the present date
// and period into the date inputs as start-up does, and runs df_date.
void ChartRecordOnMainWindow(Form1& form1);

}  // namespace velmora
