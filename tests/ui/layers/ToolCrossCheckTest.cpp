// The window and velmora-chart agree: for the same record, shown moment and
// layer, the window's focus palace, marked stem and its four stars, the age
// and the flowing stars equal the command-line companion's.

#include <QLabel>

#include "tests/ui/layers/LayersFixture.h"
#include "output/ChartRun.h"
#include "output/ReferenceLoad.h"
#include "ui/board/ChartFill.h"

namespace velmora::testing {
namespace {

// Columns: birth date, birth period (1 early 子 .. 12 亥), male, shown date, shown period, layer.
struct CrossCase {
    QDate birth;
    int period;
    bool male;
    QDate at;
    int atPeriod;
    int layer;
};

tool::QueryDate QueryDateOf(const QDate& date) { return {date.year(), date.month(), date.day()}; }

class ToolCrossCheckTest : public LayersTest {
protected:
    // Compares the window with the companion's result for `row`.
    void expectSameAsTool(const CrossCase& row, const tool::ChartResult& result) {
        ASSERT_TRUE(result.layer.has_value());
        const tool::LayerResult& layer = *result.layer;
        const Session& session = form->session();
        EXPECT_EQ(session.FocusBranch, layer.focusBranch);
        EXPECT_EQ(session.MarkStem, layer.markStem);
        EXPECT_EQ(session.NominalAge, layer.nominalAge);
        for (int k = 0; k < kMarks; ++k) {
            EXPECT_EQ(session.CurrentTransformations[static_cast<std::size_t>(k + 1)],
                      layer.transformations[static_cast<std::size_t>(k)]);
        }
        if (row.layer < 2) {
            return;  // the natal and decade layers write no flowing stars
        }
        std::array<QString, 12> lines;
        for (const FlowingStar& star : layer.flowingStars) {
            lines[static_cast<std::size_t>(star.branch - 1)] += Utf8Text(star.name) + QLatin1Char(' ');
        }
        for (int b = 0; b < 12; ++b) {
            EXPECT_EQ(flowingLine(b), lines[static_cast<std::size_t>(b)]) << "branch index " << b;
        }
    }
};

TEST_F(ToolCrossCheckTest, WindowAndCompanionAgree) {
    tool::ReferenceTables tables;
    ASSERT_FALSE(tool::LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables).error);
    const std::vector<CrossCase> rows{
        {QDate(1984, 6, 15), 7, true, QDate(2024, 5, 14), 7, 0},
        {QDate(1984, 6, 15), 7, true, QDate(2024, 5, 14), 7, 1},
        {QDate(1990, 5, 15), 1, false, QDate(2025, 1, 28), 13, 2},
        {QDate(1975, 12, 31), 12, true, QDate(2033, 12, 22), 4, 3},
        {QDate(1962, 2, 5), 3, false, QDate(1984, 11, 23), 9, 4},
        {QDate(2001, 8, 20), 5, true, QDate(2020, 2, 29), 12, 5},
        {QDate(1945, 10, 3), 10, false, QDate(2060, 7, 7), 1, 6},
        {QDate(1923, 3, 3), 2, true, QDate(2045, 3, 3), 6, 1},
    };
    start(QDateTime(QDate(2024, 5, 14), QTime(12, 0)));
    for (const CrossCase& row : rows) {
        SCOPED_TRACE(row.birth.toString(Qt::ISODate).toStdString() + " at " +
                     row.at.toString(Qt::ISODate).toStdString() + " layer " + std::to_string(row.layer));
        tool::Query query{QueryDateOf(row.birth), row.period, row.male ? tool::kMale : tool::kFemale,
                          tool::LayerQuery{QueryDateOf(row.at), row.atPeriod, row.layer}};
        tool::ChartResult result;
        ASSERT_FALSE(tool::ComputeQuery(query, tables, result));

        chart({row.birth, row.period - 1, row.male});
        // The layer chosen first and the date stepped to, then the layer chosen again.
        clickLayer(row.layer);
        ASSERT_TRUE(ShowDate(*form, row.at, row.atPeriod));
        expectSameAsTool(row, result);
        clickLayer(row.layer);
        expectSameAsTool(row, result);
    }
}

}  // namespace
}  // namespace velmora::testing
