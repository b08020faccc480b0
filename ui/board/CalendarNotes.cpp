#include "ui/board/CalendarNotes.h"

#include <QColor>
#include <QPalette>

#include "calendar/LunarText.h"
#include "ui/board/BoardGeometry.h"
#include "ui/board/PalaceBoard.h"
#include "ui/common/Fonts.h"
#include "ui/common/RowLabel.h"
#include "ui/common/ShownScript.h"

namespace velmora {
namespace {

// Below the age (Label6_1, to 2775) and clear of the bottom edge of the centre
// (3870 high), in the centre's own twips from its top-left corner.
constexpr int kNotesLeftTwips = 100;
constexpr int kNotesWidthTwips = 5655;
constexpr int kRowTwips = 255;
constexpr int kNoticeTopTwips = 2880;
constexpr int kNoteTopTwips = kNoticeTopTwips + 2 * kRowTwips + 30;
constexpr double kNoticePoints = 9.75;
constexpr double kNotePoints = 9;

RowLabel* NoteLabel(PalaceBoard& board, const char* name, double points, const QColor& colour, int top, int rows) {
    auto* label = new RowLabel(&board);
    label->setObjectName(QLatin1String(name));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setFont(MingFont(points));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setRowHeightTwips(kRowTwips);
    board.placeInTwips(label, board::kBoardLeft + board::kBoxWidth + kNotesLeftTwips,
                       board::kBoardTop + board::kBoxHeight + top, kNotesWidthTwips, rows * kRowTwips);
    board.addCentreText(label);
    return label;
}

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QString UncertainDayNotice(const CalendarDay& day, const ShownScript& shown) {
    if (!IsUncertainCalendarDay(day)) return {};
    QString text = shown.text(Utf8(kUncertainDayNotice));
    // Two rows of the centre's width: the break follows the clause that names the cause.
    const qsizetype comma = text.indexOf(QStringLiteral("，"));
    if (comma >= 0) text.insert(comma + 1, QLatin1Char('\n'));
    return text;
}

QString QingAlmanacNote(const CalendarDay& day, const ShownScript& shown) {
    return FollowsQingAlmanac(day.SolarYear) ? shown.text(Utf8(kQingAlmanacNote)) : QString();
}

CalendarNotes::CalendarNotes(PalaceBoard& board)
    : notice_(NoteLabel(board, "CalendarNotice", kNoticePoints, QColor(255, 0, 0), kNoticeTopTwips, 2)),
      note_(NoteLabel(board, "CalendarNote", kNotePoints, QColor(128, 128, 128), kNoteTopTwips, 1)) {}

void CalendarNotes::show(const CalendarDay& day, const ShownScript& shown) {
    notice_->setText(UncertainDayNotice(day, shown));
    note_->setText(QingAlmanacNote(day, shown));
}

void CalendarNotes::clear() {
    notice_->clear();
    note_->clear();
}

}  // namespace velmora
