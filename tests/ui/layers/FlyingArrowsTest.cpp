// The flying transformations on the board over many random records: every
// palace selected in turn draws one arrow a transformation of its stem, each
// to the palace whose star list names the star the Four file gives; 自化
// marks stand exactly where a palace's own stem transforms a star of its
// list; the list window's line of the selected palace is chosen.

#include <QAction>
#include <QListWidget>

#include <random>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/common/RowLabel.h"
#include "ui/board/ChartFill.h"
#include "ui/reading/FlyingView.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/TransformationMarks.h"

namespace velmora::testing {
namespace {

constexpr int kRandomRecords = 1000;
constexpr int kPalaces = 12;

class FlyingArrowsTest : public LayersTest {
protected:
    int stemOn(int b) const {
        for (int k = 1; k <= kPalaces; ++k) {
            const PalaceRow& row = form->session().chart.PalaceTable[static_cast<std::size_t>(k)];
            if (row.branch == b + 1) return row.stem;
        }
        return 0;
    }
    QString starName(int star) const { return NameOf(form->session().names, marks::kStarListLine, star); }

    // The selected palace's arrows: kind k goes to the palace listing star k of its stem.
    void expectArrowsOf(int b) {
        const std::vector<FlightArrow>& arrows = form->board().flyingOverlay().arrows();
        const std::array<int, kMarks> stars = starsOfStem(stemOn(b));
        ASSERT_EQ(arrows.size(), static_cast<std::size_t>(kMarks));
        for (int k = 0; k < kMarks; ++k) {
            const FlightArrow& arrow = arrows[static_cast<std::size_t>(k)];
            EXPECT_EQ(arrow.fromIndex, b);
            EXPECT_EQ(arrow.kind, k);
            EXPECT_TRUE(starList(arrow.toIndex).contains(starName(stars[static_cast<std::size_t>(k)])))
                << "palace " << b << " kind " << k;
        }
    }
    // How many of the twelve palaces' own stems transform a star of their own list.
    int selfTransformations() const {
        int count = 0;
        for (int b = 0; b < kPalaces; ++b)
            for (int star : starsOfStem(stemOn(b))) count += starList(b).contains(starName(star)) ? 1 : 0;
        return count;
    }
    int selfMarkKinds() const {
        int count = 0;
        for (const SelfMark& mark : form->flyingView().selfMarks())
            count += static_cast<int>(mark.text.count(QStringLiteral("↓")));
        return count;
    }
};

TEST_F(FlyingArrowsTest, EveryPalaceOfRandomRecordsFliesToItsStars) {
    std::mt19937 random(1717);
    chart({QDate(1984, 6, 15), 6, true});
    form->flyingView().selfAction()->setChecked(true);
    for (int n = 0; n < kRandomRecords; ++n) {
        const QDate birth(std::uniform_int_distribution(1901, 2090)(random), std::uniform_int_distribution(1, 12)(random),
                          std::uniform_int_distribution(1, 28)(random));
        ChartRecord(*form, {birth, std::uniform_int_distribution(0, 11)(random), random() % 2 == 0});
        SCOPED_TRACE(birth.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(selfMarkKinds(), selfTransformations());
        for (int b = 0; b < kPalaces; ++b) {
            form->palaceClicked(b);
            expectArrowsOf(b);
            const auto* list = form->flyingView().listWindow()->findChild<QListWidget*>();
            ASSERT_EQ(list->count(), kPalaces);
            const QString palaceName = form->board().palaceLabel(board::PalaceSet::LAB01, b)->text().left(2);
            EXPECT_TRUE(list->currentItem()->text().startsWith(palaceName));
            form->palaceClicked(b);  // a second click ends the selection and its arrows
            EXPECT_TRUE(form->board().flyingOverlay().arrows().empty());
        }
    }
    form->flyingView().selfAction()->setChecked(false);
    EXPECT_TRUE(form->flyingView().selfMarks().empty());
}

}  // namespace
}  // namespace velmora::testing
