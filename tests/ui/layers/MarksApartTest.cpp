// Everything written on the board keeps a place of its own: over many random
// records with 自化 marks on, a palace's flying arrows drawn and a random
// second birth laid over (對照), at 100 %, 200 % and 300 %, no two text boxes
// of the board overlap (labels' rows, the four marks, the 自化 marks, the
// arrows' captions, the overlay's names and marks), every overlay label lies
// inside one palace, and no focus line or arrow runs through the centre's text
// (the calendar's notice and note among it).
// The reading toggles are on (借, the stacked transformations, the layer's
// palace names) and the records go through the seven layers in turn, chosen
// after the overlay, so 流時 stacks all six layers' marks beside its labels.
// Every other record is shown on 流年 as well, with that layer's own 自化
// marks: each 自化 mark stays inside its palace and clear of every other text.

#include <QAction>
#include <QLabel>

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <random>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/board/BoardRouting.h"
#include "ui/reading/FlyingView.h"
#include "ui/board/PalaceBoard.h"
#include "ui/common/RowLabel.h"
#include "ui/main/WindowZoom.h"
#include "ui/reading/OverlayView.h"
#include "ui/reading/ReadingToggles.h"

namespace velmora::testing {
namespace {

constexpr int kRandomRecords = 1000;
constexpr double kRoundingTwips = 8;  // half a pixel at 100 %: places are rounded to whole pixels
// The layout itself lets the minor stars' second row (Lab06, 500..700) reach
// 3 twips into the flowing stars' first (LAB02, from 697) on layers 2..6.
constexpr double kLayoutTouchTwips = 3;
constexpr double kAllowedTwips = kRoundingTwips + kLayoutTouchTwips;
constexpr int kYearLayer = 3;

// The first records, whatever was drawn: a day in the first month in doubt
// (its notice in the centre) and one before 1912 (the almanac's note).
const std::array<QDate, 2> kNotedBirths{QDate(2057, 10, 1), QDate(1911, 12, 31)};

class MarksApartTest : public LayersTest, public ::testing::WithParamInterface<int> {};

// The first two boxes of `boxes` that overlap by more than the rounding, or nothing.
std::optional<std::pair<QRectF, QRectF>> Overlapping(const std::vector<QRectF>& boxes) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QRectF a = boxes[i].adjusted(kAllowedTwips, kAllowedTwips, -kAllowedTwips, -kAllowedTwips);
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (a.intersects(boxes[j])) return std::make_pair(boxes[i], boxes[j]);
        }
    }
    return std::nullopt;
}

// A birth of 1901..2090 drawn from `random`, to lay over the board.
PairPerson RandomPerson(std::mt19937& random) {
    PairPerson person;
    person.birthDay.SolarYear = static_cast<std::int16_t>(std::uniform_int_distribution(1901, 2090)(random));
    person.birthDay.SolarMonth = static_cast<std::int16_t>(std::uniform_int_distribution(1, 12)(random));
    person.birthDay.SolarDay = static_cast<std::int16_t>(std::uniform_int_distribution(1, 28)(random));
    person.birthDay.ClockHour = static_cast<std::int16_t>(2 * std::uniform_int_distribution(0, 11)(random));
    person.gender = static_cast<int>(random() % 2);
    CalcCalendar(person.birthDay);
    return person;
}

bool InsideOnePalace(const QRectF& box) {
    for (int b = 0; b < board::kPalaceCount; ++b) {
        const board::Point c = board::BoxCorner(b);
        if (QRectF(c.x, c.y, board::kBoxWidth, board::kBoxHeight).contains(box)) return true;
    }
    return false;
}

std::string Describe(const QRectF& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// On the 流年 layer: the 自化 marks' boxes (the board's boxes with the marks
// on that are not there with them off; the stacked transformations, which
// keep off the marks' rows, may move too and are held to the same) each lie
// in one palace and touch no other box.
void ExpectSelfMarksApart(Form1& form) {
    QAction& self = *form.flyingView().selfAction();
    const std::vector<QRectF> all = form.board().boardTextBoxes();
    self.setChecked(false);
    const std::vector<QRectF> without = form.board().boardTextBoxes();
    self.setChecked(true);
    std::vector<QRectF> marks;
    std::copy_if(all.begin(), all.end(), std::back_inserter(marks),
                 [&](const QRectF& box) { return std::find(without.begin(), without.end(), box) == without.end(); });
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
    std::mt19937 others(3333);  // the births laid over, drawn apart so the records stay those of before
    chart({QDate(1984, 6, 15), 6, true});
    form->flyingView().selfAction()->setChecked(true);
    for (int toggle = 0; toggle < ReadingToggles::kToggleCount; ++toggle) {
        form->readingToggles().action(static_cast<ReadingToggles::Toggle>(toggle))->setChecked(true);
    }
    form->zoom().zoomTo(GetParam());
    PalaceBoard& board = form->board();
    for (int n = 0; n < kRandomRecords; ++n) {
        const QDate drawn(std::uniform_int_distribution(1901, 2090)(random), std::uniform_int_distribution(1, 12)(random),
                          std::uniform_int_distribution(1, 28)(random));
        const QDate birth = n < static_cast<int>(kNotedBirths.size()) ? kNotedBirths[static_cast<std::size_t>(n)] : drawn;
        ChartRecord(*form, {birth, std::uniform_int_distribution(0, 11)(random), random() % 2 == 0});
        form->findChild<OverlayView*>()->layOver(RandomPerson(others));
        form->layerChosen(n % 7);
        form->palaceClicked(std::uniform_int_distribution(0, 11)(random));
        SCOPED_TRACE(birth.toString(Qt::ISODate).toStdString());
        const CalendarNotes& notes = form->calendarNotes();
        ASSERT_TRUE(n != 0 || !notes.notice().text().isEmpty());
        ASSERT_TRUE(n != 1 || !notes.note().text().isEmpty());
        std::vector<QRectF> written = board.boardTextBoxes();
        const std::vector<QRectF> centre = board.centreTextBoxes();
        board.flyingOverlay().setTextAround(centre, written);
        const std::vector<QRectF> captions = board.flyingOverlay().captionBoxes();
        written.insert(written.end(), captions.begin(), captions.end());
        const auto overlap = Overlapping(written);
        ASSERT_FALSE(overlap) << Describe(overlap->first) << " and " << Describe(overlap->second);
        for (const QLabel* label : form->findChild<OverlayView*>()->labels().shown()) {
            const std::array<int, 4> r = board.twipRectOf(label);
            ASSERT_TRUE(InsideOnePalace(QRectF(r[0], r[1], r[2], r[3]))) << label->text().toStdString();
        }
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

INSTANTIATE_TEST_SUITE_P(Zooms, MarksApartTest, ::testing::Values(100, 200, 300));

}  // namespace
}  // namespace velmora::testing
