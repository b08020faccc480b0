// The 自化 marks of a known chart: 離心 ("↓") and 向心 ("↑") from the natal
// stems, and from the 流年 stems ("年↓", "年↑") once that layer is shown, each
// on its star's mark and named in the mark's accessible name.

#include <QAction>
#include <QLabel>
#include <QRegularExpression>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/TransformationMarks.h"
#include "ui/reading/FlyingView.h"

namespace velmora::testing {
namespace {

constexpr int kNatalLayer = 0;
constexpr int kYearLayer = 3;

// Columns: layer shown, star, caption it carries, the words of its accessible name.
// The chart: 1984-06-15 午時 male, shown on 2025-05-14 (an 乙 year, unlike the 甲 birth year).
struct SelfCase {
    int layer;
    int star;
    const char* caption;
    const char* named;
};
const std::vector<SelfCase> kCases{
    {kNatalLayer, 9, "↓忌", "本命離心自化 化忌"},
    {kNatalLayer, 2, "↑權", "本命向心自化 化權"},
    {kYearLayer, 9, "↓忌", "本命離心自化 化忌"},    // the natal marks stay on a layer
    {kYearLayer, 5, "年↓忌", "流年離心自化 化忌"},
    {kYearLayer, 9, "年↑權", "流年向心自化 化權"},
    {kYearLayer, 2, "↑權", "本命向心自化 化權"},
};

TEST_F(LayersTest, SelfMarksTellOutwardFromInwardNatalAndLayer) {
    chart({QDate(1984, 6, 15), 6, true});
    ASSERT_TRUE(ShowDate(*form, QDate(2025, 5, 14)));
    form->flyingView().selfAction()->setChecked(true);
    for (const SelfCase& c : kCases) {
        clickLayer(c.layer);
        const QString star = NameOf(form->session().names, marks::kStarListLine, c.star);
        const std::vector<SelfMark>& shown = form->flyingView().selfMarks();
        const auto mark = std::find_if(shown.begin(), shown.end(), [&](const SelfMark& m) {
            return m.text.startsWith(star) && m.text.contains(QString::fromUtf8(c.caption));
        });
        ASSERT_NE(mark, shown.end()) << c.layer << " " << c.caption;
        EXPECT_TRUE(mark->name.contains(QString::fromUtf8(c.named))) << mark->name.toStdString();
        const bool layerMarks = std::any_of(shown.begin(), shown.end(), [](const SelfMark& m) {
            return m.text.contains(QStringLiteral("年↓")) || m.text.contains(QStringLiteral("年↑"));
        });
        EXPECT_EQ(layerMarks, c.layer == kYearLayer);
        const auto labels = form->board().findChildren<QLabel*>(QRegularExpression(QStringLiteral("^SelfMark_")));
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QLabel* l) {
            return l->isVisible() && l->accessibleName() == mark->name;
        }));
    }
}

}  // namespace
}  // namespace velmora::testing
