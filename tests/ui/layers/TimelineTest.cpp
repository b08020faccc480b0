// The 運限 window over a charted record: after every one of many random date
// steps, layer switches and chosen entries, the chosen decade holds the
// nominal age, the chosen year is of that age, the chosen month is the shown
// lunar month, and on the decade, year and month layers the chosen entry
// points at the board's focus palace.

#include <QAction>
#include <QListWidget>

#include <random>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/reading/TimelineView.h"

namespace velmora::testing {
namespace {

constexpr int kRandomSteps = 100;
constexpr int kDecadeLayer = 1;
constexpr int kYearLayer = 3;
constexpr int kMonthLayer = 4;

class TimelineTest : public LayersTest {
protected:
    TimelineView& timeline() { return form->timelineView(); }

    void expectFollowsTheBoard() {
        const Session& s = form->session();
        const int decade = timeline().chosen(TimelineView::DecadeColumn);
        ASSERT_GE(decade, 0) << "age " << s.NominalAge;
        const tool::DecadeEntry& d = timeline().decades()[static_cast<std::size_t>(decade)];
        EXPECT_LE(d.firstAge, s.NominalAge);
        EXPECT_GE(d.lastAge, s.NominalAge);
        const int year = timeline().chosen(TimelineView::YearColumn);
        ASSERT_GE(year, 0);
        const tool::YearEntry& y = timeline().years()[static_cast<std::size_t>(year)];
        EXPECT_EQ(y.age, s.NominalAge);
        EXPECT_EQ(y.year, s.calendar.LunarYear);
        const int month = timeline().chosen(TimelineView::MonthColumn);
        ASSERT_GE(month, 0);
        const tool::MonthEntry& m = timeline().months()[static_cast<std::size_t>(month)];
        EXPECT_EQ(m.month, s.calendar.LunarMonth);
        EXPECT_EQ(m.leap, s.calendar.LeapKind == kLeapKindLeapMonth);
        // The branch the chosen entry of the shown layer points at.
        const int pointed = s.LayerIndex == kDecadeLayer ? d.pillar.branch
                            : s.LayerIndex == kYearLayer ? y.branch
                            : s.LayerIndex == kMonthLayer ? m.branch
                                                          : s.FocusBranch;
        EXPECT_EQ(pointed, s.FocusBranch) << "layer " << s.LayerIndex;
    }
};

TEST_F(TimelineTest, TheChosenEntriesFollowEveryStep) {
    chart({QDate(1961, 3, 9), 4, false});
    ASSERT_TRUE(ShowDate(*form, QDate(2001, 8, 20)));
    timeline().toggleAction()->setChecked(true);
    std::mt19937 random(2017);
    for (int n = 0; n < kRandomSteps; ++n) {
        const int action = std::uniform_int_distribution(0, 3)(random);
        if (n == kRandomSteps / 2) {
            // Another record charted while the window is open: its lists replace the first's.
            chart({QDate(1975, 11, 2), 9, true});
            ASSERT_TRUE(ShowDate(*form, QDate(2010, 1, 15)));
        } else if (action == 0) {
            const int part = std::uniform_int_distribution(0, 2)(random);  // year, month, day spinner
            step(part, std::uniform_int_distribution(0, 1)(random) == 0 ? -1 : 1);
        } else if (action == 1) {
            clickLayer(std::uniform_int_distribution(0, 6)(random));
        } else {
            const auto column = static_cast<TimelineView::Column>(std::uniform_int_distribution(0, 2)(random));
            QListWidget* entries = timeline().list(column);
            ASSERT_GT(entries->count(), 0);
            const int row = std::uniform_int_distribution(0, entries->count() - 1)(random);
            entries->setFocus();
            entries->setCurrentRow(row);
            emit entries->itemActivated(entries->item(row));  // Enter on the row
            const int layers[] = {kDecadeLayer, kYearLayer, kMonthLayer};
            EXPECT_EQ(form->session().LayerIndex, layers[column]);
        }
        SCOPED_TRACE("step " + std::to_string(n) + " at " + shownDate().toStdString());
        expectFollowsTheBoard();
    }
}

}  // namespace
}  // namespace velmora::testing
