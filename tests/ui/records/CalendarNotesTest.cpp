// The lunar calendar's notice on a day its tables cannot settle, and its note
// before 1912: the record window shows them as the day is picked, the board's
// centre once the record is charted, both in the script shown.

#include <QLabel>

#include "calendar/LunarText.h"
#include "tests/ui/records/RecordWindowFixture.h"
#include "ui/board/CalendarNotes.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/common/RowLabel.h"
#include "ui/common/ShownScript.h"

namespace velmora::testing {
namespace {

struct NotesRow {
    int year, month, day;
    Script script;
    bool notice;  // the uncertain-day notice shown
    bool note;    // the Qing almanac note shown
};

// Columns: the birth day, the script, notice, note. The first span in doubt
// runs 2057-09-28 .. 2057-10-27.
constexpr NotesRow kNotesRows[] = {
    {2057, 9, 27, Script::Traditional, false, false},  {2057, 9, 28, Script::Traditional, true, false},
    {2057, 10, 27, Script::Simplified, true, false},   {2057, 10, 28, Script::Simplified, false, false},
    {1911, 12, 31, Script::Traditional, false, true},  {1911, 12, 31, Script::Simplified, false, true},
    {1912, 1, 1, Script::Traditional, false, false},
};

QString Shown(std::string_view text, Script script) {
    const QString traditional = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return script == Script::Simplified ? SimplifiedText(traditional) : traditional;
}

// A label's text where it shows, else empty; the board breaks the notice into rows.
QString ShownText(const QLabel& label) {
    return label.isVisibleTo(label.parentWidget()) ? label.text().remove(QLatin1Char('\n')) : QString();
}

TEST_F(RecordWindowTest, TheCalendarNoticeAndNoteFollowThePickedDayToTheBoard) {
    for (const NotesRow& row : kNotesRows) {
        SCOPED_TRACE(QStringLiteral("%1-%2-%3").arg(row.year).arg(row.month).arg(row.day).toStdString());
        start({QStringLiteral("丙\t男\t%1\t%2\t%3\t").arg(row.year).arg(row.month).arg(row.day) + kHorse});
        form1->scriptCommand().setScript(row.script);
        const QString notice = row.notice ? Shown(kUncertainDayNotice, row.script) : QString();
        const QString note = row.note ? Shown(kQingAlmanacNote, row.script) : QString();
        pickBirth(row.year, row.month, row.day, 6);
        EXPECT_EQ(ShownText(*find<QLabel>(QStringLiteral("CalendarNotice"))), notice);
        EXPECT_EQ(ShownText(*find<QLabel>(QStringLiteral("CalendarNote"))), note);
        // Laid out again for the notes, the list stays below the search box (its
        // header showing) and above the notes.
        const QRect list = find<QTreeWidget>(QStringLiteral("ListView1"))->geometry();
        EXPECT_GT(list.top(), box()->geometry().bottom());
        for (const char* label : {"CalendarNotice", "CalendarNote"}) {
            if (auto* shown = find<QLabel>(QLatin1String(label)); shown->isVisibleTo(form2)) {
                EXPECT_GT(shown->geometry().top(), list.bottom()) << label;
            }
        }
        clickRow(0);
        press(4);
        settle();
        ASSERT_EQ(form2, nullptr);
        EXPECT_EQ(ShownText(form1->calendarNotes().notice()), notice);
        EXPECT_EQ(ShownText(form1->calendarNotes().note()), note);
    }
}

}  // namespace
}  // namespace velmora::testing
