// Palace selection: a click on a palace of a chart frames it and shows its
// stem's transformations and its focus lines; a second click, a layer button
// or a date step returns to the layer's own view; nothing before a chart.

#include <QLabel>
#include <QtTest/QTest>

#include "chart/NatalChart.h"
#include "tests/ui/layers/LayersFixture.h"
#include "ui/common/RowLabel.h"
#include "ui/common/Twips.h"
#include "ui/board/PalaceBoard.h"

namespace velmora::testing {
namespace {

using board::PalaceSet;

class PalaceSelectionTest : public LayersTest {
protected:
    void click(PalaceSet set, int b) {
        QTest::mouseClick(form->board().palaceLabel(set, b), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    }
    const PalaceRow& palaceOn(int branch) const {
        for (int k = 1; k <= 12; ++k) {
            if (form->session().chart.PalaceTable[static_cast<std::size_t>(k)].branch == branch) {
                return form->session().chart.PalaceTable[static_cast<std::size_t>(k)];
            }
        }
        throw std::logic_error("no palace on the branch");
    }
    // The board shows the palace of branch index b selected.
    void expectSelected(int b) const {
        QWidget* frame = form->board().highlight();
        EXPECT_FALSE(frame->isHidden());
        const board::Point corner = board::BoxCorner(b);
        EXPECT_EQ(frame->mapTo(form, QPoint(0, 0)), TwipPoint(corner.x, corner.y));
        EXPECT_EQ(frame->size(), TwipRect(corner.x, corner.y, board::kBoxWidth, board::kBoxHeight).size());
        EXPECT_EQ(form->selectedPalaceShown(), b);
        EXPECT_EQ(form->session().FocusBranch, b + 1);
        EXPECT_EQ(form->board().line4(), board::FocusSegments(b + 1));
        expectMarksOfStem(palaceOn(b + 1).stem);
    }
    // The board shows the layer's own view: the year stem and branch of the shown date (流年).
    void expectFlowingYearView() const {
        EXPECT_TRUE(form->board().highlight()->isHidden());
        EXPECT_EQ(form->selectedPalaceShown(), -1);
        const Pillar& year = form->session().calendar.Pillars.YearPillar;
        EXPECT_EQ(form->session().FocusBranch, year.branch);
        expectMarksOfStem(year.stem);
    }
};

TEST_F(PalaceSelectionTest, NothingHappensBeforeAChart) {
    start();
    click(PalaceSet::Lab04, 3);
    EXPECT_EQ(form->session().SelectedPalace, 3);
    EXPECT_TRUE(form->board().highlight()->isHidden());
    EXPECT_EQ(form->selectedPalaceShown(), -1);
    EXPECT_FALSE(form->board().focusShown());
    for (int k = 0; k < kMarks; ++k) {
        EXPECT_TRUE(form->board().mark(k)->isHidden());
    }
}

TEST_F(PalaceSelectionTest, EveryPalaceShowsItsStemAndASecondClickRestores) {
    chart({QDate(1984, 6, 15), 6, true});
    clickLayer(3);
    ASSERT_TRUE(ShowDate(*form, QDate(2025, 5, 14)));
    for (int b = 0; b < 12; ++b) {
        // Any label of the palace selects it: its name, its stars, its age range.
        const PalaceSet set = b % 3 == 0 ? PalaceSet::LAB01 : (b % 3 == 1 ? PalaceSet::Lab04 : PalaceSet::Lab09);
        click(set, b);
        expectSelected(b);
        click(PalaceSet::LAB03, b);
        expectFlowingYearView();
    }
    // A click on another palace moves the selection.
    click(PalaceSet::Lab04, 2);
    click(PalaceSet::Lab04, 7);
    expectSelected(7);
}

TEST_F(PalaceSelectionTest, LayerButtonsAndDateStepsRestoreTheLayer) {
    chart({QDate(1984, 6, 15), 6, true});
    ASSERT_TRUE(ShowDate(*form, QDate(2025, 5, 14)));
    clickLayer(3);
    click(PalaceSet::Lab04, 4);
    expectSelected(4);
    clickLayer(3);
    expectFlowingYearView();

    click(PalaceSet::Lab04, 4);
    step(2, 1);
    expectFlowingYearView();

    // On the natal layer a date step returns the marks to the birth year's stem.
    clickLayer(0);
    click(PalaceSet::Lab04, 9);
    expectSelected(9);
    form->dateInputs().setValue(DateInputs::Period, 3);
    EXPECT_TRUE(form->board().highlight()->isHidden());
    EXPECT_EQ(form->session().FocusBranch, form->session().chart.PalaceTable[1].branch);
    expectMarksOfStem(form->session().birth.YearStem);
}

TEST_F(PalaceSelectionTest, WorksOnAChartByDate) {
    start(QDateTime(QDate(1984, 2, 2), QTime(12, 0)));
    ChartByDate(*form, QDate(1984, 2, 2), 7);
    click(PalaceSet::LAB01, 0);
    expectSelected(0);
    clickLayer(3);  // back to the natal view: a chart by date shows no layer
    EXPECT_TRUE(form->board().highlight()->isHidden());
    EXPECT_EQ(form->session().FocusBranch, form->session().chart.PalaceTable[1].branch);
    expectMarksOfStem(form->session().birth.YearStem);
    click(PalaceSet::LAB01, 5);
    expectSelected(5);
    step(2, 1);  // a new chart by date
    EXPECT_TRUE(form->board().highlight()->isHidden());
    EXPECT_EQ(form->selectedPalaceShown(), -1);
}

// The empty Lab07 of a palace lies over the next box; a click there belongs to
// the palace whose box it is.
TEST_F(PalaceSelectionTest, ClickInABoxSelectsThatBoxsPalace) {
    chart({QDate(1984, 6, 15), 6, true});
    for (int b : {0, 1, 4}) {  // 子 and 丑 lie under the Lab07 of 丑 and 寅; 辰 under none
        RowLabel* stars = form->board().palaceLabel(PalaceSet::Lab04, b);
        const board::LabelStyle& lab07 = board::PalaceSetStyle(PalaceSet::Lab07);
        // A point on the star list at the height of the neighbour's Lab07.
        const QPoint point(stars->width() / 2, TwipsToPixels(lab07.y - 300 + 60));
        QWidget* target = form->board().childAt(stars->mapTo(&form->board(), point));
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&form->board(),
                                                                                stars->mapTo(&form->board(), point)));
        EXPECT_EQ(form->session().SelectedPalace, b);
        expectSelected(b);
        click(PalaceSet::Lab04, b);
    }
}

}  // namespace
}  // namespace velmora::testing
