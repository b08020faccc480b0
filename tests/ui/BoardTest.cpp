// The palace board's geometry: frame and grid, label places, the date row,
// the focus lines and the flowing-star labels by layer.

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QPainter>

#include <algorithm>
#include <ostream>
#include <vector>

#include "tests/ui/MainWindowFixture.h"
#include "ui/common/RowLabel.h"
#include "ui/common/Twips.h"
#include "ui/board/PalaceBoard.h"

namespace velmora::testing {
namespace {

using board::Point;
using board::Segment;

TEST_F(MainWindowTest, BoardSpansItsBoxesAndTheDateRowSitsBelow) {
    start();
    PalaceBoard& board = form->board();
    ASSERT_TRUE(board.gridShown());
    std::vector<Segment> lines(board.line1().begin(), board.line1().end());
    lines.insert(lines.end(), board.line2().begin(), board.line2().end());
    int left = 1 << 20, top = 1 << 20, right = 0, bottom = 0;
    for (const Segment& s : lines) {
        left = std::min({left, s.from.x, s.to.x});
        right = std::max({right, s.from.x, s.to.x});
        top = std::min({top, s.from.y, s.to.y});
        bottom = std::max({bottom, s.from.y, s.to.y});
    }
    EXPECT_EQ(left, 240);
    EXPECT_EQ(right, 12080);
    EXPECT_EQ(top, 750);
    EXPECT_EQ(bottom, 8490);
    EXPECT_EQ(find<QFrame>(QStringLiteral("Frame3"))->pos(), TwipPoint(340, 8690));
    // No grid line crosses the inner area (x 3200..9120, y 2685..6555).
    for (const Segment& s : lines) {
        const bool horizontalInside = s.from.y > 2685 && s.from.y < 6555 && s.from.x < 9120 && s.to.x > 3200;
        const bool verticalInside = s.from.x > 3200 && s.from.x < 9120 && s.from.y < 6555 && s.to.y > 2685;
        EXPECT_FALSE(horizontalInside || verticalInside);
    }
}

TEST_F(MainWindowTest, LabelsSitAtTheirTwipPlaces) {
    start();
    // Columns: label, left, top, width, height (twips of the window).
    struct Row {
        const char* name;
        int left, top, width, height;
    };
    const std::vector<Row> rows{
        {"LAB01_0", 6185, 6585, 1500, 255},   // 子: the box right of the bottom centre
        {"LAB01_5", 265, 780, 1500, 255},     // 巳: the top-left box
        {"Lab04_11", 9150, 6855, 945, 1575},  // 亥: the bottom-right box
        {"Lab09_8", 10170, 2455, 975, 225},   // 申: the top-right box
        {"LAB03_2", 2740, 8295, 495, 255},    // 寅: the bottom-left box
        {"LAB02_3", 1720, 5317, 450, 735},    // 卯
        {"Label6_0", 3300, 2835, 4335, 375},
        {"Label6_1", 3250, 5085, 975, 375},
        {"Label6_2", 3300, 3485, 5175, 375},
        {"Label9", 3300, 6225, 1935, 975},
    };
    for (const Row& row : rows) {
        QWidget* label = find<QWidget>(QLatin1String(row.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->mapTo(form, QPoint(0, 0)), TwipPoint(row.left, row.top)) << row.name;
        EXPECT_EQ(label->size(), TwipRect(row.left, row.top, row.width, row.height).size()) << row.name;
    }
    EXPECT_EQ(form->findChildren<RowLabel*>(QRegularExpression(QStringLiteral("^L[Aa][Bb]\\d\\d_\\d+$"))).size(), 120);
}

struct FocusCase {
    int focusBranch;
    int storedBranch;
    std::array<Segment, 4> lines;
};

// Anchors, in twips: the inner square's corners and the middles of its edges.
constexpr Point kZi{7640, 6555}, kChou{4680, 6555}, kYin{3200, 6555}, kChen{3200, 3653};
constexpr Point kWu{4680, 2685}, kWei{7640, 2685}, kShen{9120, 2685}, kXu{9120, 5588};

void PrintTo(const FocusCase& row, std::ostream* out) { *out << "FocusBranch " << row.focusBranch; }

class FocusLineTest : public MainWindowTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FocusLineTest, JoinTheFocusPalaceToItsOppositeAndTrines) {
    start();
    std::int16_t focus = static_cast<std::int16_t>(GetParam().focusBranch);
    form->board().Dline(focus, 0, QString());
    EXPECT_EQ(focus, GetParam().storedBranch);
    EXPECT_TRUE(form->board().focusShown());
    EXPECT_EQ(form->board().line4(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Palaces, FocusLineTest,
    ::testing::Values(
        // 子: opposite 午, trines 辰 and 申.
        FocusCase{1, 1, {{{kZi, kWu}, {kZi, {9120, 2685}}, {kZi, kChen}, {kChen, kShen}}}},
        // 申: opposite 寅, trines 子 and 辰.
        FocusCase{9, 9, {{{kShen, kYin}, {kShen, kChen}, {kShen, kZi}, {kZi, kChen}}}},
        // 14 is 丑: opposite 未, trines 巳 and 酉.
        FocusCase{14, 2, {{{kChou, kWei}, {kChou, {9120, 3653}}, {kChou, {3200, 2685}}, {{3200, 2685}, {9120, 3653}}}}},
        // 戌: opposite 辰, trines 寅 and 午.
        FocusCase{11, 11, {{{kXu, kChen}, {kXu, kWu}, {kXu, kYin}, {kYin, kWu}}}}));

TEST_F(MainWindowTest, FlowingStarLabelsShowOnLayersTwoToSix) {
    start();
    for (int layer = 0; layer <= 6; ++layer) {
        std::int16_t focus = 3;
        form->board().Dline(focus, layer, QStringLiteral("某人"));
        for (int b = 0; b < 12; ++b) {
            EXPECT_EQ(form->board().palaceLabel(board::PalaceSet::LAB02, b)->isHidden(), layer <= 1)
                << "layer " << layer << " branch " << b;
        }
        EXPECT_EQ(find<QWidget>(QStringLiteral("Label6_0"))->property("text").toString(), QStringLiteral("    某人"));
    }
}

TEST_F(MainWindowTest, MarksAndHighlightAreStyledAndHidden) {
    start();
    const std::vector<std::pair<QString, QColor>> marks{{QStringLiteral("祿"), QColor(0, 128, 96)},
                                                        {QStringLiteral("權"), QColor(168, 16, 152)},
                                                        {QStringLiteral("科"), QColor(0, 24, 255)},
                                                        {QStringLiteral("忌"), QColor(224, 48, 8)}};
    for (int k = 0; k < 4; ++k) {
        QLabel* mark = find<QLabel>(QStringLiteral("L4F_%1").arg(k));
        EXPECT_EQ(mark->text(), marks[static_cast<std::size_t>(k)].first);
        EXPECT_EQ(mark->palette().color(QPalette::WindowText), marks[static_cast<std::size_t>(k)].second);
        EXPECT_EQ(mark->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_EQ(mark->size(), TwipSize(195, 195));
        EXPECT_TRUE(mark->isHidden());
    }
    QWidget* shape = find<QWidget>(QStringLiteral("Shape1"));
    EXPECT_TRUE(shape->isHidden());
    EXPECT_EQ(shape->size(), TwipSize(2960, 1935));
}

TEST_F(MainWindowTest, StarRowsAreTwoHundredTwipsApart) {
    start();
    auto* stars = find<RowLabel>(QStringLiteral("Lab04_0"));
    EXPECT_DOUBLE_EQ(stars->rowHeightPixels() * kTwipsPerPixel, 200.0);
    stars->setText(QStringLiteral("紫微 廟\u3000\r\n天府 旺\u3000\r\n左輔\u3000"));
    EXPECT_EQ(stars->rows().size(), 3);
}

TEST_F(MainWindowTest, BoardRendersIntoAnImage) {
    start();
    QImage image(form->board().size() * 2, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    form->board().renderTo(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    // The board's top-left corner (240, 750) lies 120 twips, 8 pixels, in from the widget's corner.
    EXPECT_EQ(image.pixelColor(16, 16), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(4, 4), QColor(Qt::white));
}

}  // namespace
}  // namespace velmora::testing
