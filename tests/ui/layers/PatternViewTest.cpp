// The 格局 window lists what velmora-chart --patterns finds for the same
// record and moment: the natal patterns, then the shown layer's plain
// reading, each with its source as tooltip; choosing a row shades the palace
// it was read on and its stars' rows, and closing the window clears them.

#include <QAction>
#include <QListWidget>

#include "output/ChartRun.h"
#include "output/ReadingRun.h"
#include "output/ReferenceLoad.h"
#include "tests/ui/layers/LayersFixture.h"
#include "ui/board/PalaceBoard.h"
#include "ui/reading/PatternView.h"

namespace velmora::testing {
namespace {

// Columns: birth, birth period (1 early 子 .. 12 亥), male, shown date, shown period, layer.
struct PatternCase {
    QDate birth;
    int period;
    bool male;
    QDate at;
    int atPeriod;
    int layer;
};
const PatternCase kCases[] = {
    {QDate(1984, 6, 15), 7, true, QDate(2024, 5, 14), 7, 0},  {QDate(1990, 5, 15), 1, false, QDate(2025, 1, 28), 13, 3},
    {QDate(1975, 12, 31), 12, true, QDate(2033, 12, 22), 4, 1}, {QDate(1962, 2, 5), 3, false, QDate(1984, 11, 23), 9, 4},
    {QDate(2001, 8, 20), 5, true, QDate(2020, 2, 29), 12, 5},  {QDate(1945, 10, 3), 10, false, QDate(2060, 7, 7), 1, 6},
};

tool::QueryDate DateOf(const QDate& date) { return {date.year(), date.month(), date.day()}; }

// The companion's natal patterns and the layer's plain ones, as (layer, rule, palace).
std::vector<std::tuple<int, const reading::PatternRule*, int>> ToolRows(const PatternCase& row,
                                                                         const tool::ReferenceTables& tables) {
    const tool::Query query{DateOf(row.birth), row.period, row.male ? tool::kMale : tool::kFemale,
                            tool::LayerQuery{DateOf(row.at), row.atPeriod, row.layer}};
    tool::ChartResult result;
    EXPECT_FALSE(tool::ComputeQuery(query, tables, result));
    tool::ComputeReading({false, true}, result);
    std::vector<std::tuple<int, const reading::PatternRule*, int>> rows;
    for (const reading::FoundPattern& f : *result.reading.patterns) rows.emplace_back(0, f.rule, f.palace);
    for (const tool::LayerPattern& p : result.reading.layerPatterns.value_or(std::vector<tool::LayerPattern>{})) {
        if (row.layer > 0 && !p.flowing) rows.emplace_back(row.layer, p.found.rule, p.found.palace);
    }
    return rows;
}

TEST_F(LayersTest, PatternListIsTheCompanionsAndShadesWhatItChooses) {
    tool::ReferenceTables tables;
    ASSERT_FALSE(tool::LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables).error);
    start(QDateTime(QDate(2024, 5, 14), QTime(12, 0)));
    PatternView& view = form->patternView();
    view.toggleAction()->setChecked(true);
    std::size_t listed = 0;
    for (const PatternCase& row : kCases) {
        SCOPED_TRACE(row.birth.toString(Qt::ISODate).toStdString() + " layer " + std::to_string(row.layer));
        chart({row.birth, row.period - 1, row.male});
        clickLayer(row.layer);
        ASSERT_TRUE(ShowDate(*form, row.at, row.atPeriod));
        const auto expected = ToolRows(row, tables);
        ASSERT_EQ(view.rows().size(), expected.size());
        ASSERT_EQ(view.list()->count(), static_cast<int>(expected.size()));
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const PatternView::Row& shown = view.rows()[i];
            EXPECT_EQ(std::tuple(shown.layer, shown.found.rule, shown.found.palace), expected[i]) << i;
            const QListWidgetItem* item = view.list()->item(static_cast<int>(i));
            EXPECT_TRUE(item->text().contains(QString::fromUtf8(shown.found.rule->name.data(),
                                                                static_cast<qsizetype>(shown.found.rule->name.size()))));
            EXPECT_FALSE(item->toolTip().isEmpty());
            view.list()->setCurrentRow(static_cast<int>(i));
            const board::Point life = board::BoxCorner(shown.found.palace - 1);
            ASSERT_FALSE(form->board().readingBands().empty());
            EXPECT_EQ(form->board().readingBands().front(),
                      QRectF(life.x, life.y, board::kBoxWidth, board::kBoxHeight));
            // Every star found gets a band on its own row, besides its box.
            EXPECT_GE(form->board().readingBands().size(), 1 + shown.found.stars.view().size());
        }
        listed += expected.size();
    }
    EXPECT_GT(listed, 0u);  // the births were chosen so that some pattern is listed
    view.toggleAction()->setChecked(false);
    EXPECT_TRUE(form->board().readingBands().empty());
}

}  // namespace
}  // namespace velmora::testing
