// The four transformation marks on the board: the row of a star's entry in
// its star list, marks of pairs that name no star, and marks following the
// layer's stem.

#include <QLabel>
#include <QtTest/QTest>

#include <optional>

#include "calendar/CalendarDay.h"
#include "chart/NatalChart.h"
#include "tests/ui/layers/LayersFixture.h"
#include "ui/common/Twips.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/TransformationMarks.h"

namespace velmora::testing {
namespace {

// Columns: star-list caption, star name, characters before the entry's
// closing ideographic space, row of the mark (none: it keeps its place).
struct EntryCase {
    const char* caption;
    const char* name;
    int characters;
    std::optional<int> row;
};

TEST(MarkRows, EntryEndsGiveTheRowOfTheStar) {
    const std::vector<EntryCase> rows{
        {"紫微 廟　", "紫微", 4, 0},                                  // the first entry: level with the top
        {"紫微 廟　\r\n天府 旺　", "天府", 11, 1},
        {"紫微 廟　\r\n天府 旺　\r\n文昌 利　", "文昌", 18, 2},
        {"天同 陷　\r\n左輔　\r\n右弼　", "右弼", 14, 2},                // entries without a level word
        // Four short entries before the marked one: seven-character rows would put it on row 2.
        {"左輔　\r\n右弼　\r\n天魁　\r\n天鉞　", "天鉞", 17, 3},
        {"紫微 廟　\r\n天府 旺　", "天機", 4, 0},                       // not in the list: the first entry's row
        {"紫微 廟　\r\n火星 陷 ", "火星", -1, std::nullopt},           // stars after 22 end with a plain blank
        {"", "紫微", -1, std::nullopt},
    };
    for (const EntryCase& row : rows) {
        const QString caption = QString::fromUtf8(row.caption);
        const int characters = marks::CharactersBeforeEntryEnd(caption, QString::fromUtf8(row.name));
        EXPECT_EQ(characters, row.characters) << row.caption;
        EXPECT_EQ(marks::RowOfEntryEnd(caption, characters), row.row) << row.caption;
    }
}

TEST(MarkRows, FullRowsOfSevenCharactersEndWhereTheRowThresholdsSay) {
    // Eight entries that all carry a level word: entry r starts at character 7r
    // and ends after 7r + 4 characters, inside the band (7r - 3, 7r + 4] that
    // seven-character rows give row r; an entry of row r ends no earlier than 7r + 1.
    QString caption;
    for (int r = 0; r <= marks::kLastStarListRow; ++r) {
        caption += QString::fromUtf8(r == 0 ? "" : "\r\n") + QString::fromUtf8("紫微 廟　");
    }
    for (int r = 0; r <= marks::kLastStarListRow; ++r) {
        EXPECT_EQ(marks::RowOfEntryEnd(caption, 7 * r + 4), r);
        EXPECT_EQ(marks::RowOfEntryEnd(caption, 7 * r + 1), r) << r;
    }
    EXPECT_EQ(marks::RowOfEntryEnd(caption, 0), std::nullopt);
    EXPECT_EQ(marks::RowOfEntryEnd(caption, static_cast<int>(caption.size()) + 1), std::nullopt);
}

const Record kJiaZiBirth{QDate(1984, 6, 15), 6, true};  // a 甲子 year: stem 1

TEST_F(LayersTest, JiaLineSendsTheMarksToItsFourStars) {
    chart(kJiaZiBirth);
    ASSERT_EQ(form->session().birth.YearStem, 1);
    EXPECT_EQ(starsOfStem(1), (std::array<int, kMarks>{6, 14, 4, 3}));
    expectMarksOfStem(1);
    for (int k = 0; k < kMarks; ++k) {
        const board::Point place = form->board().markPlace(k);
        // The widget stands where the mark was placed.
        EXPECT_EQ(form->board().mark(k)->mapTo(form, QPoint(0, 0)), TwipPoint(place.x, place.y));
    }
}

TEST_F(LayersTest, TwoTransformationsOfOneStarShareOneSpot) {
    WriteFourWithFirstLine(folder_, "06060403");
    chart(kJiaZiBirth);
    EXPECT_EQ(form->board().markPlace(0), form->board().markPlace(1));
    EXPECT_FALSE(form->board().mark(0)->isHidden());
    EXPECT_FALSE(form->board().mark(1)->isHidden());
    EXPECT_EQ(form->board().markPlace(0), expectedMarkPlace(6));
}

TEST_F(LayersTest, FirstEntryOfItsListIsMarkedLevelWithTheListTop) {
    chart(kJiaZiBirth);
    // Find a marked star that opens its list, whichever of the four it is.
    const std::array<int, kMarks> stars = starsOfStem(1);
    int opening = 0;
    for (int k = 0; k < kMarks; ++k) {
        const int star = stars[static_cast<std::size_t>(k)];
        const int b = form->session().chart.StarTable[static_cast<std::size_t>(star)].branch - 1;
        if (LineOfName(starList(b), NameOf(form->session().names, marks::kStarListLine, star)) == 0) {
            opening = k + 1;
            const board::Point corner = board::BoxCorner(b);
            EXPECT_EQ(form->board().markPlace(k).y, corner.y + 300);  // the list's top
        }
    }
    EXPECT_NE(opening, 0) << "no marked star opens its list in this chart";
}

// Columns: first line of Four, which of the marks 祿 權 科 忌 show.
struct NoStarCase {
    const char* firstLine;
    std::array<bool, kMarks> shown;
};

TEST_F(LayersTest, PairsThatNameNoStarHideTheirMarks) {
    const std::vector<NoStarCase> rows{
        {"00140403", {false, true, true, true}},   // an empty editor cell
        {"0614", {true, true, false, false}},      // a short line
        {"", {false, false, false, false}},        // an empty line
        {"06995103", {true, false, false, true}},  // numbers past the table's 50 stars
        {"06x40403", {true, false, true, true}},   // not a number
        {"06140403", {true, true, true, true}},
    };
    for (const NoStarCase& row : rows) {
        WriteFourWithFirstLine(folder_, row.firstLine);
        chart(kJiaZiBirth);
        for (int k = 0; k < kMarks; ++k) {
            EXPECT_EQ(form->board().mark(k)->isHidden(), !row.shown[static_cast<std::size_t>(k)])
                << "line \"" << row.firstLine << "\" mark " << k;
        }
    }
}

TEST_F(LayersTest, StemWithoutALineHidesEveryMark) {
    folder_.write(QStringLiteral("Four"), "06140403\r\n");
    chart({QDate(1985, 6, 15), 6, true});  // 乙丑: stem 2 has no line
    for (int k = 0; k < kMarks; ++k) {
        EXPECT_TRUE(form->board().mark(k)->isHidden()) << k;
    }
}

TEST_F(LayersTest, MarksFollowTheLayerStem) {
    chart(kJiaZiBirth);
    ASSERT_TRUE(ShowDate(*form, QDate(2025, 5, 14)));  // 乙巳 year
    const CalendarDay& shown = form->session().calendar;
    const int yearStem = shown.Pillars.YearPillar.stem;
    const int dayStem = shown.Pillars.DayPillar.stem;
    ASSERT_EQ(yearStem, 2);
    ASSERT_NE(dayStem, yearStem);
    ASSERT_NE(dayStem, 1);
    clickLayer(3);
    expectMarksOfStem(yearStem);
    clickLayer(5);
    expectMarksOfStem(dayStem);
    clickLayer(1);
    expectMarksOfStem(1);
    clickLayer(4);  // the flowing month marks the year's stem
    expectMarksOfStem(yearStem);
    clickLayer(6);  // the flowing hour marks the day's stem
    expectMarksOfStem(dayStem);
    clickLayer(0);
    expectMarksOfStem(1);
}

// With the shipped tables every marked star of stars 1..22 has its mark on the
// line of its own entry, for any birth and any stem.
TEST_F(LayersTest, MarksSitOnTheirStarsLinesForEveryStem) {
    start(QDateTime(QDate(2024, 5, 14), QTime(12, 0)));
    int checked = 0;
    for (QDate birth(1931, 1, 7); birth.year() < 2030; birth = birth.addDays(97)) {
        chart({birth, birth.day() % 12, birth.day() % 2 == 0});
        for (int stem = 1; stem <= 10; ++stem) {
            form->session().MarkStem = static_cast<std::int16_t>(stem);
            form->layers().Four();
            const std::array<int, kMarks> stars = starsOfStem(stem);
            for (int k = 0; k < kMarks; ++k) {
                ASSERT_EQ(form->board().markPlace(k), expectedMarkPlace(stars[static_cast<std::size_t>(k)]))
                    << birth.toString(Qt::ISODate).toStdString() << " stem " << stem << " mark " << k;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 10000);
}

}  // namespace
}  // namespace velmora::testing
