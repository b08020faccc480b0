#pragma once
// Two lines low in the board's centre about the lunar calendar of the date
// charted: a red notice when the tables cannot settle its lunar date or month
// pillar (a new moon or a 節 within minutes of midnight), and a small grey
// note that before 1912 the lunar dates are the Qing almanac's.

#include <QString>

#include "calendar/CalendarDay.h"

namespace velmora {

class PalaceBoard;
class RowLabel;
class ShownScript;

// The notice in two rows, broken after its first clause; empty on a settled day.
QString UncertainDayNotice(const CalendarDay& day, const ShownScript& shown);
// The note on a date before 1912; empty from 1912 on.
QString QingAlmanacNote(const CalendarDay& day, const ShownScript& shown);

class CalendarNotes {
public:
    // Creates both labels on `board`, empty; they count as the centre's text,
    // so focus lines and arrows keep off them.
    explicit CalendarNotes(PalaceBoard& board);

    void show(const CalendarDay& day, const ShownScript& shown);
    void clear();

    const RowLabel& notice() const { return *notice_; }
    const RowLabel& note() const { return *note_; }

private:
    RowLabel* notice_ = nullptr;
    RowLabel* note_ = nullptr;
};

}  // namespace velmora
