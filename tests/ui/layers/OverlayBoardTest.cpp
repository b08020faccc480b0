// 對照 on the board, for known pairs (velmora-chart --with gives the same):
// the other chart's palace names stand on the branches its palaces hold, its
// four marks in the palaces of their stars, the palaces' accessible names say
// both; the dialog picks a stored person; 對照互換 puts the other chart on
// the board and back; 結束對照 takes everything off.

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>
#include <QLineEdit>
#include <QComboBox>
#include <QtTest/QTest>

#include "files/UserFile.h"
#include "tests/ui/layers/LayersFixture.h"
#include "ui/board/BoardLabels.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartExport.h"
#include "ui/common/RowLabel.h"
#include "ui/main/OverlayDialog.h"
#include "ui/main/WindowZoom.h"
#include "ui/records/RecordFields.h"
#include "ui/reading/OverlayView.h"

namespace velmora::testing {
namespace {

constexpr int kPalaceLine = 3;  // name-list line of the palace names
constexpr int kBranchCount = 12;

struct Mark {
    const char* star;
    int branch;  // in the board's chart
};

// Columns: the board's record, the other birth (date, hour 0 子 .. 11 亥,
// male), the other chart's 命宮 branch, its four marks (祿 權 科 忌).
struct PairRow {
    Record board;
    QDate other;
    int otherHour;
    bool otherMale;
    int otherLife;
    std::array<Mark, 4> marks;
};

const PairRow kPairs[] = {
    {{QDate(1984, 6, 15), 6, true}, QDate(1990, 3, 5), 2, false, 2,
     {{{"太陽", 7}, {"武曲", 6}, {"太陰", 9}, {"天同", 5}}}},
    // The same birth twice: every palace over itself, the marks on the board's own.
    {{QDate(1984, 2, 2), 6, true}, QDate(1984, 2, 2), 6, true, 9,
     {{{"廉貞", 4}, {"破軍", 4}, {"武曲", 8}, {"太陽", 9}}}},
    {{QDate(1972, 11, 8), 11, false}, QDate(2001, 7, 30), 0, true, 8,
     {{{"巨門", 6}, {"太陽", 12}, {"文曲", 4}, {"文昌", 12}}}},
};

PairPerson Person(const QString& name, const QDate& date, int hour, bool male) {
    PairPerson person;
    person.name = name;
    person.gender = male ? 1 : 0;
    person.birthDay.SolarYear = static_cast<std::int16_t>(date.year());
    person.birthDay.SolarMonth = static_cast<std::int16_t>(date.month());
    person.birthDay.SolarDay = static_cast<std::int16_t>(date.day());
    person.birthDay.ClockHour = static_cast<std::int16_t>(2 * hour);
    CalcCalendar(person.birthDay);
    return person;
}

// Some pixel of `image` within `area` is not white.
bool InkWithin(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != QColor(Qt::white).rgb()) return true;
    return false;
}

class OverlayBoardTest : public LayersTest {
protected:
    OverlayView& view() const { return *form->findChild<OverlayView*>(); }
    // The palace (branch index) a shown overlay label stands in, by its centre.
    int boxOf(const QLabel* label) const {
        const std::array<int, 4> r = form->board().twipRectOf(label);
        for (int b = 0; b < kBranchCount; ++b) {
            const board::Point c = board::BoxCorner(b);
            const QRect box(c.x, c.y, board::kBoxWidth, board::kBoxHeight);
            if (box.contains(QRect(r[0], r[1], r[2], r[3]))) return b;
        }
        return -1;
    }
    // The text of the overlay label in palace b starting with `prefix`; empty for none.
    QString labelIn(int b, const QString& prefix) const {
        for (const QLabel* label : view().labels().shown())
            if (boxOf(label) == b && label->text().startsWith(prefix)) return label->text();
        return {};
    }
    QString palaceName(int palace) const { return NameOf(form->session().names, kPalaceLine, palace); }
    QString spoken(int b) const {
        return form->board().palaceLabel(board::PalaceSet::LAB01, b)->accessibleName();
    }
};

class OverlayPairs : public OverlayBoardTest, public ::testing::WithParamInterface<PairRow> {};

TEST_P(OverlayPairs, TheOtherChartsNamesAndMarksStandOnTheirBranches) {
    const PairRow& row = GetParam();
    chart(row.board);
    view().layOver(Person(QStringLiteral("李小華"), row.other, row.otherHour, row.otherMale));
    for (int palace = 1; palace <= kBranchCount; ++palace) {
        const int b = ((row.otherLife - palace) % kBranchCount + kBranchCount) % kBranchCount;
        const QString tag = QStringLiteral("乙") + palaceName(palace);
        EXPECT_EQ(labelIn(b, QStringLiteral("乙")), tag) << palace;
        EXPECT_TRUE(spoken(b).contains(QStringLiteral("對照 ") + tag)) << spoken(b).toStdString();
    }
    for (std::size_t k = 0; k < row.marks.size(); ++k) {
        const QString star = QString::fromUtf8(row.marks[k].star);
        const QString mark = labelIn(row.marks[k].branch - 1, star + QStringLiteral("乙"));
        EXPECT_TRUE(mark.contains(board::MarkCaption(static_cast<int>(k)))) << row.marks[k].star;
        EXPECT_TRUE(spoken(row.marks[k].branch - 1).contains(QStringLiteral("乙化") + board::MarkCaption(static_cast<int>(k)) +
                                                               QLatin1Char(' ') + star));
    }
    EXPECT_EQ(view().centreLine()->text(), QStringLiteral("對照：王小明 × 乙 李小華"));
}

INSTANTIATE_TEST_SUITE_P(KnownPairs, OverlayPairs, ::testing::ValuesIn(kPairs));

TEST_F(OverlayBoardTest, SwapPutsTheOtherChartOnTheBoardAndBackAndEndTakesItAllOff) {
    const PairRow& row = kPairs[0];
    chart(row.board);
    const CalendarDay first = form->session().birthDay;
    view().layOver(Person(QStringLiteral("李小華"), row.other, row.otherHour, row.otherMale));
    view().swapAction()->trigger();
    EXPECT_TRUE(view().swapAction()->isChecked());
    EXPECT_EQ(form->session().PersonName, QStringLiteral("李小華"));
    EXPECT_EQ(form->session().chart.PalaceTable[1].branch, row.otherLife);
    EXPECT_EQ(view().centreLine()->text(), QStringLiteral("對照：李小華 × 甲 王小明"));
    EXPECT_EQ(labelIn(0, QStringLiteral("甲")), QStringLiteral("甲") + palaceName(1));  // 王小明's 命宮 is on 子
    view().swapAction()->trigger();
    EXPECT_FALSE(view().swapAction()->isChecked());
    EXPECT_EQ(form->session().PersonName, QStringLiteral("王小明"));
    EXPECT_EQ(form->session().birthDay.SolarDay, first.SolarDay);
    EXPECT_EQ(labelIn(1, QStringLiteral("乙")), QStringLiteral("乙") + palaceName(1));  // 李小華's 命宮 on 丑
    ASSERT_TRUE(form->chartCommands().secondBirth().has_value());

    // Pictures and pages carry the overlay: ink where a palace's other name stands, none once it ends.
    const QRect name = view().labels().shown().front()->geometry();
    EXPECT_TRUE(InkWithin(ChartImage(*form, 1), name));
    view().endAction()->trigger();
    EXPECT_FALSE(InkWithin(ChartImage(*form, 1), name));
    EXPECT_TRUE(view().labels().shown().empty());
    EXPECT_FALSE(view().centreLine()->isVisibleTo(&form->board()));
    EXPECT_FALSE(form->chartCommands().secondBirth().has_value());
    for (int b = 0; b < kBranchCount; ++b) EXPECT_FALSE(spoken(b).contains(QStringLiteral("對照"))) << b;
}

TEST_F(OverlayBoardTest, CtrlShiftOAsksForThePersonAndLaysThemOver) {
    chart(kPairs[0].board);
    int asked = 0;
    view().setPicker([&asked]() -> std::optional<PairPerson> {
        ++asked;
        return Person(QStringLiteral("李小華"), kPairs[0].other, kPairs[0].otherHour, kPairs[0].otherMale);
    });
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(view().active());
    EXPECT_EQ(view().labels().shown().size(), std::size_t{kBranchCount + 4});
    // Zoomed after, the labels are written again at the new size.
    const int pixels = view().labels().shown().front()->font().pixelSize();
    form->zoom().zoomTo(200);
    QCoreApplication::processEvents();
    EXPECT_NEAR(view().labels().shown().front()->font().pixelSize(), 2 * pixels, 1);
}

TEST_F(OverlayBoardTest, TheDialogPicksAStoredPersonOrABirthByDate) {
    files::BirthRecord stored{QStringLiteral("李小華"), QStringLiteral("女"), QStringLiteral("1990"), QStringLiteral("3"),
                              QStringLiteral("5"), StoredPeriodLabels()[2], {}, std::nullopt};
    ASSERT_FALSE(files::WriteUserFile(files::UserFilePath(folder_.path()), {stored}));
    chart(kPairs[0].board);
    OverlayDialog dialog(*form);
    EXPECT_FALSE(dialog.chosen());
    dialog.records().setCurrentItem(dialog.records().topLevelItem(0));
    std::optional<PairPerson> picked = dialog.chosen();
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->name, QStringLiteral("李小華"));
    EXPECT_EQ(picked->gender, 0);
    EXPECT_EQ(picked->birthDay.ClockHour, 4);
    EXPECT_EQ(picked->birthDay.SolarMonth, 3);
    view().layOver(*picked);
    EXPECT_EQ(labelIn(1, QStringLiteral("乙")), QStringLiteral("乙") + palaceName(1));

    dialog.chooseStored(false);
    dialog.typedDate().setText(QStringLiteral("2099-12-32"));
    EXPECT_FALSE(dialog.chosen());
    dialog.typedDate().setText(QStringLiteral("1990/3/5"));
    dialog.period().setCurrentIndex(12);  // the late 子 period
    dialog.female().setChecked(true);
    picked = dialog.chosen();
    ASSERT_TRUE(picked);
    EXPECT_TRUE(picked->name.isEmpty());
    EXPECT_EQ(picked->birthDay.ClockHour, 23);
    EXPECT_EQ(picked->gender, 0);
}

}  // namespace
}  // namespace velmora::testing
