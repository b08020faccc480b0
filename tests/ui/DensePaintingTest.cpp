// What the painted date step keeps between paints looks as what it stands
// for: radio marks copied on a dense screen, and label rows shaped once for
// every label of the same font.

#include <QImage>
#include <QPainter>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "ui/common/CachedIndicatorStyle.h"
#include "ui/common/RowLabel.h"

namespace velmora {
namespace {

// The largest difference of any colour channel between two images of one size.
int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

QImage Painted(QRadioButton& button, int scale) {
    QImage image(button.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    button.render(&image);
    return image;
}

// A button painted at 200 % and 300 %, checked or not, through the copying
// style and through the plain one, differs at most in the rounding of a
// mark's soft edge.
TEST(RadioMarks, CopiedMarksLookAsDrawnOnes) {
    constexpr int kSoftEdge = 8;  // out of 255: the rounding where a copied edge is laid over the background
    CachedIndicatorStyle copying;
    for (const int scale : {2, 3}) {
        for (const bool checked : {false, true}) {
            QRadioButton plain(QStringLiteral("流年"));
            QRadioButton copied(QStringLiteral("流年"));
            copied.setStyle(&copying);
            for (QRadioButton* button : {&plain, &copied}) {
                button->setChecked(checked);
                button->resize(80, 24);
            }
            const QImage expected = Painted(plain, scale);
            for (int paint = 0; paint < 2; ++paint)  // drawn into the copy, then copied
                EXPECT_LE(LargestDifference(Painted(copied, scale), expected), kSoftEdge)
                    << "at " << scale << "x, checked " << checked << ", paint " << paint;
        }
    }
}

// How many pixel rows of the image hold ink (anything not white).
int InkedRows(const QImage& image) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

QImage Painted(RowLabel& label) {
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);  // the text without the window's grey
    return image;
}

// Labels of one text in a small and a large font get glyphs of their own
// size; the small one painted again after the large is as before.
TEST(SharedRows, EachFontShapesItsOwnRows) {
    const QString text = QStringLiteral("紫微\n天機 廟");
    RowLabel small;
    RowLabel large;
    for (RowLabel* label : {&small, &large}) {
        label->resize(160, 120);
        label->setText(text);
    }
    QFont font = small.font();
    font.setPointSize(9);
    small.setFont(font);
    font.setPointSize(18);
    large.setFont(font);
    const QImage first = Painted(small);
    EXPECT_GT(InkedRows(Painted(large)), InkedRows(first) * 3 / 2);
    EXPECT_EQ(Painted(small), first);
}

}  // namespace
}  // namespace velmora
