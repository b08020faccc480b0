// The four transformations' colours stay apart in ordinary sight and, as
// simulated with Machado, Oliveira and Fernandes' matrices (severity 1), for
// protanopia, deuteranopia and tritanopia; each reads on white. The overlay's
// colour (a second chart laid over the board) is held to the same as a fifth.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/common/TransformationColours.h"
#include "ui/board/BoardLabels.h"

namespace velmora::testing {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Colour = std::array<double, 3>;

constexpr double kLeastDifference = 30;  // CIE76 ΔE between any two of the four
constexpr double kLeastContrast = 4.5;   // against white, as for body text

double Linear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

Colour LinearOf(const QColor& c) { return {Linear(c.redF()), Linear(c.greenF()), Linear(c.blueF())}; }

Colour Seen(const Matrix& m, const Colour& linear) {
    Colour out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * linear[0] + m[i][1] * linear[1] + m[i][2] * linear[2], 0.0, 1.0);
    return out;
}

Colour Lab(const Colour& l) {
    const double x = (0.4124 * l[0] + 0.3576 * l[1] + 0.1805 * l[2]) / 0.95047;
    const double y = 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
    const double z = (0.0193 * l[0] + 0.1192 * l[1] + 0.9505 * l[2]) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

struct Vision {
    const char* name;
    Matrix matrix;
};

// Columns: the vision, its matrix on linear RGB.
const std::array<Vision, 4> kVisions{{
    {"ordinary", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia", {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia", {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia", {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
}};

constexpr int kPaletteSize = kTransformationKinds + 1;  // the four, then the overlay's

QColor PaletteColour(int i) { return i < kTransformationKinds ? TransformationColour(i) : OverlayColour(); }

TEST(TransformationColoursTest, EveryTwoDifferInEveryVisionAndEachReadsOnWhite) {
    for (const Vision& vision : kVisions) {
        for (int a = 0; a < kPaletteSize; ++a) {
            for (int b = a + 1; b < kPaletteSize; ++b) {
                const Colour la = Lab(Seen(vision.matrix, LinearOf(PaletteColour(a))));
                const Colour lb = Lab(Seen(vision.matrix, LinearOf(PaletteColour(b))));
                const double difference = std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
                EXPECT_GE(difference, kLeastDifference) << vision.name << ' ' << a << ' ' << b;
            }
        }
    }
    for (int k = 0; k < kPaletteSize; ++k) {
        const Colour l = LinearOf(PaletteColour(k));
        const double luminance = 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
        EXPECT_GE(1.05 / (luminance + 0.05), kLeastContrast) << k;
    }
    for (int k = 0; k < kTransformationKinds; ++k) EXPECT_EQ(board::MarkColour(k), TransformationColour(k)) << k;
}

}  // namespace
}  // namespace velmora::testing
