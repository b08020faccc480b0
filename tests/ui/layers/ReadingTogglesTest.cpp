// The reading toggles of the board menu: each is off on a first run and
// remembered once set; 借 shows a palace's borrowed stars exactly where it
// has none of its own; the stack at 流時 tags the marks of all six layers.

#include <QAction>

#include "reading/Relations.h"
#include "tests/ui/layers/LayersFixture.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/ReadingLabels.h"
#include "ui/common/RowLabel.h"
#include "ui/reading/FlyingView.h"
#include "ui/reading/ReadingToggles.h"

namespace velmora::testing {
namespace {

using Toggle = ReadingToggles::Toggle;

// Columns: toggle, settings key, menu text.
struct ToggleRow {
    Toggle toggle;
    const char* key;
    const char* caption;
};
constexpr ToggleRow kToggleRows[] = {
    {Toggle::Borrowed, "board/borrowedStars", "借星"},
    {Toggle::Stacked, "board/stackedTransformations", "疊四化"},
    {Toggle::LayerNames, "board/layerPalaceNames", "運限宮名"},
};

class ReadingToggleTest : public LayersTest, public ::testing::WithParamInterface<ToggleRow> {};

TEST_P(ReadingToggleTest, IsOffAtFirstAndRemembered) {
    const ToggleRow& row = GetParam();
    start();
    QAction* action = form->readingToggles().action(row.toggle);
    EXPECT_EQ(action->text(), QString::fromUtf8(row.caption));
    EXPECT_FALSE(action->isChecked());
    action->setChecked(true);
    EXPECT_TRUE(form->session().settings->value(row.key).toBool());
    // A window built on the same settings, as the next run is.
    ReadingToggles next(*form, form->flyingView());
    EXPECT_TRUE(next.action(row.toggle)->isChecked());
    action->setChecked(false);
    EXPECT_FALSE(form->session().settings->value(row.key).toBool());
}

INSTANTIATE_TEST_SUITE_P(Toggles, ReadingToggleTest, ::testing::ValuesIn(kToggleRows));

TEST_F(LayersTest, BorrowedStarsShowExactlyWhereAPalaceHasNoMajorStar) {
    chart({QDate(1984, 6, 15), 6, true});
    ReadingToggles& toggles = form->readingToggles();
    toggles.action(Toggle::Borrowed)->setChecked(true);
    for (int b = 0; b < 12; ++b) {
        const std::vector<int> borrowed = reading::BorrowedStars(form->session().chart, b + 1);
        RowLabel* label = toggles.labels().borrowed(b);
        EXPECT_EQ(!label->isHidden(), !borrowed.empty()) << "box " << b;
        const auto rows = static_cast<std::size_t>(label->text().isEmpty() ? 0 : label->rows().size());
        EXPECT_EQ(rows, borrowed.size()) << "box " << b;
        EXPECT_TRUE(label->isHidden() || label->text().startsWith(u'借'));
    }
    toggles.action(Toggle::Borrowed)->setChecked(false);
    for (int b = 0; b < 12; ++b) EXPECT_TRUE(toggles.labels().borrowed(b)->isHidden());
}

TEST_F(LayersTest, TheHourStacksAllSixLayersAndNamesItsPalaces) {
    chart({QDate(1984, 6, 15), 6, true});
    ReadingToggles& toggles = form->readingToggles();
    toggles.action(Toggle::Stacked)->setChecked(true);
    toggles.action(Toggle::LayerNames)->setChecked(true);
    clickLayer(6);
    QString stacked;
    QStringList names;
    for (int b = 0; b < 12; ++b) {
        stacked += toggles.labels().stack(b)->text();
        names.append(toggles.labels().layerName(b)->text());
    }
    for (const char* tag : {"生", "大", "年", "月", "日", "時"}) {
        EXPECT_TRUE(stacked.contains(QString::fromUtf8(tag))) << tag << " in " << stacked.toStdString();
    }
    EXPECT_EQ(names.filter(QStringLiteral("時命")).size(), 1) << names.join(u' ').toStdString();
    clickLayer(0);  // the natal layer stacks nothing and has no layer names
    for (int b = 0; b < 12; ++b) {
        EXPECT_TRUE(toggles.labels().stack(b)->isHidden());
        EXPECT_TRUE(toggles.labels().layerName(b)->isHidden());
    }
}

}  // namespace
}  // namespace velmora::testing
