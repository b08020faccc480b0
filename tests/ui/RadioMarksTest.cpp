// The radio buttons' marks copied on a dense screen look as the style draws
// them: a button painted at 200 % and 300 %, checked or not, through the
// copying style and through the plain one, differs at most in the rounding
// of a mark's soft edge.

#include <QImage>
#include <QPainter>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "ui/common/CachedIndicatorStyle.h"

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

}  // namespace
}  // namespace velmora
