// A selected palace frames the palaces it is read with (the rest of its
// 三方四正, its flanks, its 暗合 partner) and says them in its accessible
// name, in the shown script; ending the selection ends both.

#include <QtTest/QTest>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/RelationMarks.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/common/RowLabel.h"

namespace velmora::testing {
namespace {

using board::Relation;

// Columns: selected branch index, the spoken relations (繁體, then 简体),
// the relation of each of the twelve boxes (. none, S 三方四正, F 夾, H 暗合).
struct RelationRow {
    int selected;
    const char* traditional;
    const char* simplified;
    const char* boxes;
};
// 子 and 亥 wrap around the board; 午未 are each other's partner and flank.
constexpr RelationRow kRows[] = {
    {0, "，對宮 午，三方 辰 申，夾 亥 丑，暗合 丑", "，对宫 午，三方 辰 申，夹 亥 丑，暗合 丑", ".F..S.S.S..F"},
    {2, "，對宮 申，三方 午 戌，夾 丑 卯，暗合 亥", "，对宫 申，三方 午 戌，夹 丑 卯，暗合 亥", ".F.F..S.S.SH"},
    {6, "，對宮 子，三方 戌 寅，夾 巳 未，暗合 未", "，对宫 子，三方 戌 寅，夹 巳 未，暗合 未", "S.S..F.F..S."},
    {11, "，對宮 巳，三方 卯 未，夾 戌 子，暗合 寅", "，对宫 巳，三方 卯 未，夹 戌 子，暗合 寅", "F.HS.S.S..F."},
};

Relation RelationOf(char box) {
    switch (box) {
        case 'S': return Relation::Square;
        case 'F': return Relation::Flank;
        case 'H': return Relation::Hidden;
        default: return Relation::None;
    }
}

class PalaceRelationsTest : public LayersTest, public ::testing::WithParamInterface<RelationRow> {};

TEST_P(PalaceRelationsTest, FramesAndNamesThePalacesReadWithTheSelectedOne) {
    const RelationRow& row = GetParam();
    chart({QDate(1984, 6, 15), 6, true});
    PalaceBoard& board = form->board();
    for (int b = 0; b < board::kPalaceCount; ++b) {
        // The flank and the 暗合 partner coincide once (子丑, 午未): the flank is marked.
        EXPECT_EQ(board::RelationTo(row.selected, b), RelationOf(row.boxes[b])) << "box " << b;
    }
    const QString own = board.palaceLabel(board::PalaceSet::LAB01, row.selected)->accessibleName();
    form->palaceClicked(row.selected);
    EXPECT_EQ(board.selectedBox(), row.selected);
    const QString named = board.palaceLabel(board::PalaceSet::LAB01, row.selected)->accessibleName();
    EXPECT_TRUE(named.endsWith(QString::fromUtf8(row.traditional))) << named.toStdString();
    form->scriptCommand().setScript(Script::Simplified);  // charts anew: the selection ends
    EXPECT_EQ(board.selectedBox(), -1);
    EXPECT_FALSE(board.palaceLabel(board::PalaceSet::LAB01, row.selected)->accessibleName().contains(u'，'));
    form->palaceClicked(row.selected);
    const QString simplified = board.palaceLabel(board::PalaceSet::LAB01, row.selected)->accessibleName();
    EXPECT_TRUE(simplified.endsWith(QString::fromUtf8(row.simplified))) << simplified.toStdString();
    EXPECT_FALSE(own.contains(u'，'));
}

INSTANTIATE_TEST_SUITE_P(Boxes, PalaceRelationsTest, ::testing::ValuesIn(kRows));

}  // namespace
}  // namespace velmora::testing
