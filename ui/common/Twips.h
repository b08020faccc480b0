#pragma once
// Window geometry is laid out in twips (1/1440 inch). At 96 dots per inch a
// pixel is 15 twips; Qt scales logical pixels for high-density screens, so
// this one conversion holds everywhere.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace velmora {

inline constexpr int kTwipsPerPixel = 15;

// Whole logical pixels for a twip measure, rounded to the nearest.
inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// The exact logical-pixel value, for drawing at fractional positions.
inline double TwipsToPixelsF(double twips) { return twips / kTwipsPerPixel; }

inline int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QPoint TwipPoint(int left, int top) { return {TwipsToPixels(left), TwipsToPixels(top)}; }

inline QSize TwipSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }

// A rectangle given as left, top, width, height in twips. The right and bottom
// edges are rounded on their own so neighbouring rectangles meet without gaps.
inline QRect TwipRect(int left, int top, int width, int height) {
    const QPoint topLeft = TwipPoint(left, top);
    const QPoint bottomRight = TwipPoint(left + width, top + height);
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

// A control's place in its window or frame: left, top, width, height in twips.
struct TwipPlace {
    int left;
    int top;
    int width;
    int height;
};

inline QRect TwipRect(const TwipPlace& place) { return TwipRect(place.left, place.top, place.width, place.height); }

}  // namespace velmora
