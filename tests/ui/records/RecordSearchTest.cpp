// The search box read as a search by chart: the records whose natal chart
// fulfils the query stay, a query that does not parse says why beside the
// box, and any other text still finds names or what a further matcher adds.

#include <QLineEdit>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "output/ChartRun.h"
#include "output/ReferenceLoad.h"
#include "tests/ui/records/RecordWindowFixture.h"

namespace velmora::testing {
namespace {

// User in file order: name, gender, year, month, day, period.
const QStringList kPeople{
    QStringLiteral("王小明\t男\t1984\t2\t2\t") + kHorse,
    QStringLiteral("李美華\t女\t1990\t11\t5\t") + kRat,
    QStringLiteral("王大同\t男\t1975\t3\t20\t亥  (21:00-22:59)"),
    QStringLiteral("陳一\t女\t2001\t9\t30\t寅  (03:00-04:59)"),
    QStringLiteral("張偉\t男\t1968\t12\t8\t卯  (05:00-06:59)"),
    QStringLiteral("林淑芬\t女\t1979\t6\t15\t申  (15:00-16:59)"),
};
// Each person as velmora-chart is asked: date, period 1..13, gender.
const tool::Query kBirths[] = {
    {{1984, 2, 2}, 7, tool::kMale, {}},
    {{1990, 11, 5}, 1, tool::kFemale, {}},
    {{1975, 3, 20}, 12, tool::kMale, {}},
    {{2001, 9, 30}, 3, tool::kFemale, {}},
    {{1968, 12, 8}, 4, tool::kMale, {}},
    {{1979, 6, 15}, 9, tool::kFemale, {}},
};
const char16_t* const kNames[] = {u"王小明", u"李美華", u"王大同", u"陳一", u"張偉", u"林淑芬"};

class RecordSearchTest : public RecordWindowTest {};

// The people whose life palace holds every one of `stars` (present) or none
// of them, looked up star by star; a star -1 .. -4 is the birth year's 祿 .. 忌.
QStringList WithStarInLifePalace(std::vector<int> stars, bool present) {
    tool::ReferenceTables tables;
    EXPECT_FALSE(tool::LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), false, tables).error);
    QStringList names;
    for (std::size_t i = 0; i < std::size(kBirths); ++i) {
        tool::ChartResult r;
        EXPECT_FALSE(tool::ComputeQuery(kBirths[i], tables, r));
        int there = 0;
        for (int star : stars) {
            const int s = star < 0 ? r.transformations[static_cast<std::size_t>(-star - 1)] : star;
            there += r.chart.StarTable[s].branch == r.chart.PalaceTable[1].branch ? 1 : 0;
        }
        if (present ? there == static_cast<int>(stars.size()) : there == 0) names.append(QString::fromUtf16(kNames[i]));
    }
    return names;
}

TEST_F(RecordSearchTest, ChartQueriesNamesAndFurtherMatchersFilterTheList) {
    // Columns: the box's text, the names then shown, the box's tooltip.
    const struct {
        QString text;
        QStringList shown;
        QString tooltip;
    } rows[] = {
        {QStringLiteral("命宮 有 太陽"), WithStarInLifePalace({3}, true), {}},
        {QStringLiteral("命宫 无 太阳"), WithStarInLifePalace({3}, false), {}},
        {QStringLiteral("命宮有紫微"), WithStarInLifePalace({1}, true), {}},
        {QStringLiteral("命宮 無 天魁 天鉞；"), WithStarInLifePalace({19, 20}, false), {}},
        {QStringLiteral("命宮 有 化祿"), WithStarInLifePalace({-1}, true), {}},
        {QStringLiteral("命宮 無 化忌 化科"), WithStarInLifePalace({-4, -3}, false), {}},
        {QStringLiteral("命宮 有 紫微x"), {},
         QStringLiteral("第 6 字「紫微x」：應為星名、主星、化祿、化權、化科、化忌或「格局 格局名」")},
        {QStringLiteral("王"), {QStringLiteral("王小明"), QStringLiteral("王大同")}, {}},
        {QStringLiteral("病例"), {QStringLiteral("陳一")}, {}},
    };
    start(kPeople);
    form2->recordSearch().addTextMatcher([](int record, const QString& text) { return record == 3 && text == QStringLiteral("病例"); });
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        box()->clear();
        box()->insert(row.text);  // as typed: textChanged per edit
        EXPECT_EQ(shownNames(), row.shown);
        EXPECT_EQ(box()->toolTip(), row.tooltip);
    }
    // The row lists are no empty formality.
    EXPECT_FALSE(WithStarInLifePalace({3}, true).isEmpty() && WithStarInLifePalace({1}, true).isEmpty());
    EXPECT_FALSE(WithStarInLifePalace({3}, false).isEmpty());
    EXPECT_FALSE(WithStarInLifePalace({-1}, true).isEmpty());
}

}  // namespace
}  // namespace velmora::testing
