#pragma once
// The four transformations' colours, the same wherever a 祿 權 科 忌 is shown:
// the board's marks, 自化 marks and flying arrows, the transformation editor,
// pictures and pages. Chosen to stay apart for the common colour-vision
// deficiencies: simulated with Machado, Oliveira and Fernandes' matrices
// (severity 1) for protanopia, deuteranopia and tritanopia, every two of them
// differ by at least 30 (CIE76 ΔE) in each vision and in ordinary sight, and
// each reads on white at a contrast of at least 4.5 : 1.

#include <QColor>

#include <array>

namespace velmora {

inline constexpr int kTransformationKinds = 4;

// Index 0 祿, 1 權, 2 科, 3 忌.
inline QColor TransformationColour(int kind) {
    // Columns: red, green, blue.
    static constexpr std::array<std::array<int, 3>, kTransformationKinds> kColours{{
        {0, 128, 96},    // 祿 green
        {168, 16, 152},  // 權 purple
        {0, 24, 255},    // 科 blue
        {224, 48, 8},    // 忌 red
    }};
    const auto& c = kColours[static_cast<std::size_t>(kind)];
    return {c[0], c[1], c[2]};
}

// A second person's chart laid over the board (對照): its palace names and
// marks in one colour of their own, a maroon that stays as far from each of
// the four, in every vision above, as they stay from each other, and reads
// on white as they do.
inline QColor OverlayColour() { return {120, 0, 8}; }

}  // namespace velmora
