// Everything written on the board keeps a place of its own: over many random
// records with 自化 marks on and a palace's flying arrows drawn, at 100 % and
// 300 %, no two text boxes of the board overlap (labels' rows, the four marks,
// the 自化 marks, the arrows' captions), and no focus line or arrow runs
// through the centre's text. On the 流年 layer too, with its own 自化 marks,
// each 自化 mark stays inside its palace and clear of every other text.

#include <QAction>

#include <algorithm>
#include <optional>
#include <random>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/board/BoardRouting.h"
#include "ui/reading/FlyingView.h"
#include "ui/board/PalaceBoard.h"
#include "ui/main/WindowZoom.h"

namespace velmora::testing {
namespace {

constexpr int kRandomRecords = 1000;
constexpr double kRoundingTwips = 8;  // half a pixel at 100 %: places are rounded to whole pixels
constexpr int kYearLayer = 3;

class MarksApartTest : public LayersTest, public ::testing::WithParamInterface<int> {};

// The first two boxes of `boxes` that overlap by more than the rounding, or nothing.
std::optional<std::pair<QRectF, QRectF>> Overlapping(const std::vector<QRectF>& boxes) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QRectF a = boxes[i].adjusted(kRoundingTwips, kRoundingTwips, -kRoundingTwips, -kRoundingTwips);
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (a.intersects(boxes[j])) return std::make_pair(boxes[i], boxes[j]);
        }
    }
    return std::nullopt;
}

std::string Describe(const QRectF& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// On the 流年 layer: the 自化 marks' boxes (the board's boxes with the marks
// on, less those with them off) each lie in one palace and touch no other box.
void ExpectSelfMarksApart(Form1& form) {
    QAction& self = *form.flyingView().selfAction();
    const std::vector<QRectF> all = form.board().boardTextBoxes();
    self.setChecked(false);
    std::vector<QRectF> marks = all;
    for (const QRectF& other : form.board().boardTextBoxes()) marks.erase(std::find(marks.begin(), marks.end(), other));
    self.setChecked(true);
    for (const QRectF& mark : marks) {
        const QRectF inner = mark.adjusted(kRoundingTwips, kRoundingTwips, -kRoundingTwips, -kRoundingTwips);
        bool inPalace = false;
        for (int b = 0; b < kBranches; ++b) {
            const board::Point corner = board::BoxCorner(b);
            inPalace = inPalace || QRectF(corner.x, corner.y, board::kBoxWidth, board::kBoxHeight).contains(inner);
        }
        EXPECT_TRUE(inPalace) << Describe(mark);
        const auto overlaps = std::count_if(all.begin(), all.end(), [&](const QRectF& box) { return inner.intersects(box); });
        EXPECT_EQ(overlaps, 1) << Describe(mark);  // itself only
    }
}

TEST_P(MarksApartTest, TextBoxesNeverOverlapAndLinesKeepOffTheCentreText) {
    std::mt19937 random(2727);
    chart({QDate(1984, 6, 15), 6, true});
    form->flyingView().selfAction()->setChecked(true);
    form->zoom().zoomTo(GetParam());
    PalaceBoard& board = form->board();
    for (int n = 0; n < kRandomRecords; ++n) {
        const QDate birth(std::uniform_int_distribution(1901, 2090)(random), std::uniform_int_distribution(1, 12)(random),
                          std::uniform_int_distribution(1, 28)(random));
        ChartRecord(*form, {birth, std::uniform_int_distribution(0, 11)(random), random() % 2 == 0});
        form->palaceClicked(std::uniform_int_distribution(0, 11)(random));
        SCOPED_TRACE(birth.toString(Qt::ISODate).toStdString());
        std::vector<QRectF> written = board.boardTextBoxes();
        const std::vector<QRectF> centre = board.centreTextBoxes();
        board.flyingOverlay().setTextAround(centre, written);
        const std::vector<QRectF> captions = board.flyingOverlay().captionBoxes();
        written.insert(written.end(), captions.begin(), captions.end());
        const auto overlap = Overlapping(written);
        ASSERT_FALSE(overlap) << Describe(overlap->first) << " and " << Describe(overlap->second);
        std::vector<QLineF> lines = board.focusPieces();
        const std::vector<QLineF> shafts = board.flyingOverlay().shaftPieces();
        lines.insert(lines.end(), shafts.begin(), shafts.end());
        for (const QLineF& line : lines)
            for (const QRectF& text : centre) ASSERT_FALSE(board::Crosses(line, text)) << Describe(text);
        if (n % 2 == 1) {
            clickLayer(kYearLayer);
            ExpectSelfMarksApart(*form);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Zooms, MarksApartTest, ::testing::Values(100, 300));

}  // namespace
}  // namespace velmora::testing
