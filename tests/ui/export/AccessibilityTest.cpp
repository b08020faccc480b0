// The names a screen reader reads: every palace label names its palace and
// what it shows, the palace-name label the whole palace, every mark its
// transformation and star, every control what it is; and they follow the chart.

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>

#include "chart/ChartState.h"
#include "tests/ui/export/ExportFixture.h"
#include "ui/common/ArrowSpinner.h"
#include "ui/common/RowLabel.h"
#include "ui/main/Accessibility.h"
#include "ui/board/BoardLabels.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"

namespace velmora::testing {
namespace {

using board::PalaceSet;

QString SpokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

class BoardNames : public ExportTest {
protected:
    QString palaceName(PalaceSet set, int b) const { return SpokenName(form->board().palaceLabel(set, b)); }
    QString text(PalaceSet set, int b) const { return form->board().palaceLabel(set, b)->text(); }
};

TEST_F(BoardNames, EveryPalaceLabelNamesItsPalace) {
    show(ShownChart::RecordOnLayer);
    for (int b = 0; b < board::kPalaceCount; ++b) {
        const QString palace = text(PalaceSet::LAB01, b) + ' ' + text(PalaceSet::LAB03, b);
        for (int set = 0; set < board::kPalaceSetCount; ++set) {
            EXPECT_TRUE(palaceName(static_cast<PalaceSet>(set), b).startsWith(palace)) << set << "_" << b;
        }
        // The palace-name label reads every star of the palace.
        const QString whole = palaceName(PalaceSet::LAB01, b);
        for (int star = 1; star <= 91; ++star) {
            if (form->session().chart.StarTable[static_cast<std::size_t>(star)].branch == b + 1) {
                EXPECT_TRUE(whole.contains(StarText(form->session().names, star))) << star;
            }
        }
    }
}

// The record's life palace on 申 as the flowing year 2024 (甲) marks it.
TEST_F(BoardNames, ThePalaceNameReadsStarsLevelsMarksAndAges) {
    show(ShownChart::RecordOnLayer);
    const int shen = 8;
    EXPECT_TRUE(palaceName(PalaceSet::LAB01, shen).startsWith(QStringLiteral("命宮、身宮 壬申：太陽 得 化忌、巨門 廟、火星 陷、")))
        << palaceName(PalaceSet::LAB01, shen).toStdString();
    EXPECT_TRUE(palaceName(PalaceSet::LAB01, shen).endsWith(QStringLiteral("大限 4 - 13")));
    EXPECT_EQ(palaceName(PalaceSet::Lab04, shen), QStringLiteral("命宮、身宮 壬申：太陽 得 化忌、巨門 廟、火星 陷"));
    EXPECT_EQ(palaceName(PalaceSet::Lab09, shen), QStringLiteral("命宮、身宮 壬申：大限 4 - 13"));
}

TEST_F(BoardNames, MarksNameTheirTransformationAndStar) {
    show(ShownChart::RecordOnLayer);
    const QStringList expected{"化祿 廉貞", "化權 破軍", "化科 武曲", "化忌 太陽"};  // the stem 甲 of 2024
    for (int k = 0; k < board::kMarkCount; ++k) {
        EXPECT_EQ(SpokenName(form->board().mark(k)), expected[k]);
    }
}

TEST_F(BoardNames, NamesFollowTheChart) {
    show(ShownChart::ByDate);
    const QString before = palaceName(PalaceSet::LAB01, 0);
    ChartByDate(*form, QDate(2000, 1, 1), 1, false);
    const QString after = palaceName(PalaceSet::LAB01, 0);
    EXPECT_NE(before, after);
    EXPECT_EQ(after, PalaceSummary(form->board(), form->session(), 0));
    EXPECT_TRUE(after.startsWith(text(PalaceSet::LAB01, 0)));
}

TEST_F(BoardNames, BeforeAChartThePalacesAreNamedByBranch) {
    const QString branches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
    for (int b = 0; b < board::kPalaceCount; ++b) {
        EXPECT_EQ(palaceName(PalaceSet::LAB01, b), branches.mid(b, 1));
    }
}

TEST_F(ExportTest, EveryControlIsNamed) {
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        EXPECT_FALSE(SpokenName(button).isEmpty()) << button->objectName().toStdString();
    }
    const QStringList spinners{"陽曆年", "陽曆月", "陽曆日", "時辰"};
    for (int part = 0; part < 4; ++part) {
        EXPECT_EQ(SpokenName(find<ArrowSpinner>(QStringLiteral("VScroll1_%1").arg(part))), spinners[part]);
        QWidget* label = find<QWidget>(QStringLiteral("Label3_%1").arg(part));
        EXPECT_EQ(label->accessibleDescription(), spinners[part]);
        EXPECT_FALSE(SpokenName(label).isEmpty());
    }
    EXPECT_FALSE(SpokenName(find<QWidget>(QStringLiteral("Label2"))).isEmpty());
    EXPECT_EQ(SpokenName(&form->board()), QStringLiteral("命盤"));
}

}  // namespace
}  // namespace velmora::testing
