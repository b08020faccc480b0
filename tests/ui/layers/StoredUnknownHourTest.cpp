// 時辰未定… over a stored person: the thirteen boards are their birth day's
// (not the shown date's), the board of their own period is the chart on the
// main board, and choosing a board leaves the record's chart as it is.

#include <QtTest/QTest>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/board/PeriodBoard.h"
#include "ui/reading/UnknownHourDialog.h"

namespace velmora::testing {
namespace {

// Columns: birth, hour (0 子 .. 11 亥), male, the dialog's period of that hour.
struct StoredRow {
    QDate birth;
    int hour;
    bool male;
    int period;
};
constexpr int kEarlyZi = 1;
const StoredRow kStoredRows[] = {
    {QDate(1984, 6, 15), 6, true, 7},
    {QDate(1901, 2, 19), 0, false, kEarlyZi},
    {QDate(2023, 12, 31), 11, true, 12},
};

TEST_F(LayersTest, TheHourGridOfAStoredPersonIsTheirBirthDays) {
    for (const StoredRow& row : kStoredRows) {
        chart({row.birth, row.hour, row.male});
        clickLayer(3);  // the shown date is today's, far from the birth
        const int life = form->session().chart.PalaceTable[1].branch;
        UnknownHourDialog dialog(*form);
        EXPECT_EQ(dialog.board(row.period)->content().lifeIndex + 1, life) << row.birth.toString().toStdString();
        dialog.show();
        QTest::keyClick(dialog.board(row.period == 7 ? 8 : 7), Qt::Key_Space);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(form->session().chart.PalaceTable[1].branch, life);
    }
}

}  // namespace
}  // namespace velmora::testing
