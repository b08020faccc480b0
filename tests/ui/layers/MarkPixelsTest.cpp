// The marks as drawn: each sits on the drawn text line of its star, at
// whatever scale the screen has (the tests also run with QT_SCALE_FACTOR=2).

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <vector>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/common/RowLabel.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/TransformationMarks.h"

namespace velmora::testing {
namespace {

struct Span {
    double top;
    double bottom;
};

// The bands of image rows (in logical pixels) that carry ink: the drawn text lines.
std::vector<Span> InkLines(const QImage& image, double pixelRatio) {
    std::vector<Span> lines;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x) {
            ink = qGray(image.pixel(x, y)) < 160;
        }
        if (ink && !inLine) {
            lines.push_back({y / pixelRatio, 0});
        }
        if (inLine && !ink) {
            lines.back().bottom = y / pixelRatio;
        }
        inLine = ink;
    }
    if (inLine) {
        lines.back().bottom = image.height() / pixelRatio;
    }
    return lines;
}

double Overlap(const Span& a, const Span& b) { return std::min(a.bottom, b.bottom) - std::max(a.top, b.top); }

TEST_F(LayersTest, MarksSitOnTheDrawnLinesOfTheirStars) {
    start(QDateTime(QDate(2024, 5, 14), QTime(12, 0)));
    int checked = 0;
    for (const QDate birth : {QDate(1984, 6, 15), QDate(1962, 11, 3), QDate(2001, 2, 27)}) {
        chart({birth, 6, true});
        for (int stem = 1; stem <= 10; ++stem) {
            form->session().MarkStem = static_cast<std::int16_t>(stem);
            form->layers().Four();
            const std::array<int, kMarks> stars = starsOfStem(stem);
            for (int k = 0; k < kMarks; ++k) {
                const int star = stars[static_cast<std::size_t>(k)];
                const int b = form->session().chart.StarTable[static_cast<std::size_t>(star)].branch - 1;
                RowLabel* list = form->board().palaceLabel(board::PalaceSet::Lab04, b);
                const QPixmap pixmap = list->grab();
                const std::vector<Span> lines = InkLines(pixmap.toImage(), pixmap.devicePixelRatio());
                const int line = LineOfName(list->text(), NameOf(form->session().names, marks::kStarListLine, star));
                ASSERT_LT(line, static_cast<int>(lines.size())) << "star " << star;
                const QRect mark = form->board().mark(k)->geometry().translated(-list->pos());
                const Span markSpan{static_cast<double>(mark.top()), static_cast<double>(mark.bottom() + 1)};
                const Span& own = lines[static_cast<std::size_t>(line)];
                // Most of the star's drawn line lies beside the mark, and little of any other line.
                EXPECT_GT(Overlap(markSpan, own), 0.6 * (own.bottom - own.top)) << "star " << star << " stem " << stem;
                for (std::size_t other = 0; other < lines.size(); ++other) {
                    if (static_cast<int>(other) != line) {
                        EXPECT_LT(Overlap(markSpan, lines[other]), 0.35 * (own.bottom - own.top))
                            << "star " << star << " stem " << stem << " line " << other;
                    }
                }
                // Right of the star's name, inside its list.
                EXPECT_GE(mark.left(), 0);
                EXPECT_LE(mark.right(), list->width());
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 3 * 10 * kMarks);
}

}  // namespace
}  // namespace velmora::testing
