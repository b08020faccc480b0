// 時辰未定…: each small board shows the chart the main window draws when that
// board is chosen (life palace, bureau, the major stars of every palace), and
// its shaded palaces are exactly those whose major stars differ from the
// previous period's board.

#include <QtTest/QTest>

#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PeriodBoard.h"
#include "ui/reading/UnknownHourDialog.h"

namespace velmora::testing {
namespace {

constexpr int kMajorStars = 14;

// Columns: date, male.
struct DateRow {
    QDate date;
    bool male;
};

class UnknownHourTest : public MainWindowTest {
protected:
    // The major stars of branch index b in the main window's chart.
    QStringList majorStarsOn(int b) const {
        QStringList stars;
        for (int star = 1; star <= kMajorStars; ++star)
            if (form->session().chart.StarTable[static_cast<std::size_t>(star)].branch == b + 1)
                stars << NameOf(form->session().names, 5, star);
        return stars;
    }
};

TEST_F(UnknownHourTest, EveryBoardIsTheChartItCharts) {
    start();
    const std::vector<DateRow> rows = {{QDate(1984, 6, 15), true}, {QDate(2023, 3, 22), false},
                                       {QDate(1901, 1, 31), true}, {QDate(2099, 12, 31), false}};
    for (const DateRow& row : rows) {
        ChartByDate(*form, row.date, 7, row.male);
        for (int period = 1; period <= UnknownHourDialog::kPeriods; ++period) {
            SCOPED_TRACE(row.date.toString(Qt::ISODate).toStdString() + " period " + std::to_string(period));
            auto* dialog = new UnknownHourDialog(*form);
            dialog->show();
            const PeriodBoardContent content = dialog->board(period)->content();
            for (std::size_t b = 0; period > 1 && b < 12; ++b) {
                const QStringList& before = dialog->board(period - 1)->content().majorStars[b];
                EXPECT_EQ(content.differs[b], content.majorStars[b] != before);
            }
            QTest::keyClick(dialog->board(period), Qt::Key_Space);
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(form->dateInputs().value(DateInputs::Period), period);
            EXPECT_EQ(form->session().chart.PalaceTable[1].branch, content.lifeIndex + 1);
            EXPECT_EQ(NameOf(form->session().names, 4, form->session().chart.BureauIndex), content.bureau);
            for (int b = 0; b < 12; ++b) EXPECT_EQ(majorStarsOn(b), content.majorStars[static_cast<std::size_t>(b)]);
            delete dialog;
        }
    }
}

}  // namespace
}  // namespace velmora::testing
