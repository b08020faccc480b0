#include "ui/board/BoardLabels.h"

#include "ui/common/ShownScript.h"
#include "ui/common/TransformationColours.h"

namespace velmora::board {

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;

// Lab08 (旬空 截空) keeps to the label's right end: centred, it ran into a
// seventh row of minor stars (Lab05) on the same line.
// Columns: name, x, y, width, height (twips from the box's top-left corner),
// text colour, font size in points, italic, 標楷體, alignment, hover text,
// wraps at blanks, row height in twips.
const std::array<LabelStyle, kPalaceSetCount> kPalaceSets{{
    {"LAB01", 25, 30, 1500, 255, QColor(192, 64, 0), 11.25, false, false, kLeft, "宮位", false, 0},
    {"LAB02", 1480, 697, 450, 735, QColor(0, 255, 0), 9.75, false, false, kLeft, nullptr, true, kStarRowTwips},
    {"LAB03", 2500, 1740, 495, 255, std::nullopt, 0, false, false, kCentred, "干支", false, 0},
    {"Lab04", 30, 300, 945, 1575, QColor(0, 0, 192), 9.75, false, false, kLeft, nullptr, false, kStarRowTwips},
    {"Lab05", 960, 300, 450, 1695, QColor(192, 0, 192), 9.75, false, false, kLeft, nullptr, true, kStarRowTwips},
    {"Lab06", 1480, 300, 450, 440, QColor(128, 128, 128), 9.75, false, false, kLeft, nullptr, true, kStarRowTwips},
    {"Lab07", 3000, 600, 2895, 255, QColor(0, 128, 128), 9.75, false, false, kLeft, nullptr, false, kStarRowTwips},
    {"Lab08", 450, 1500, 2175, 195, QColor(192, 192, 192), 9.75, false, false, kRight, nullptr, false,
     kStarRowTwips},
    {"Lab09", 1050, 1705, 975, 225, QColor(255, 0, 0), 9, true, false, kCentred, "大限", false, 0},
    {"Lab10", 30, 1705, 1455, 255, QColor(128, 128, 255), 9.75, false, false, kLeft, "長生十二運", false,
     kStarRowTwips},
}};

// Columns as above; x and y are from the inner area's top-left corner.
const std::array<LabelStyle, kCentreLabelCount> kCentreLabels{{
    {"Label6_0", 100, 150, 4335, 375, std::nullopt, 12, false, false, kLeft, nullptr, false, 0},
    {"Label6_1", 50, 2400, 975, 375, std::nullopt, 12, false, false, kLeft, nullptr, false, 0},
    {"Label6_2", 100, 800, 5175, 375, std::nullopt, 12, false, false, kLeft, nullptr, false, 0},
    {"Label6_3", 100, 1160, 5175, 375, std::nullopt, 12, false, false, kLeft, nullptr, false, 0},
    {"Label6_4", 100, 1620, 5295, 375, std::nullopt, 9.75, false, false, kLeft, nullptr, false, 0},
    {"Label6_5", 100, 1980, 5415, 375, std::nullopt, 9.75, false, false, kLeft, nullptr, false, 0},
    {"Label7", 100, 2340, 5655, 495, QColor(0, 0, 192), 0, false, false, kLeft, nullptr, false, 0},
    {"Label8", 100, 2940, 5655, 495, QColor(255, 0, 0), 0, false, false, kLeft, nullptr, false, 0},
    {"Label9", 100, 3540, 1935, 975, std::nullopt, 12, false, true, kRight, nullptr, false, 0},
}};

}  // namespace

const LabelStyle& PalaceSetStyle(PalaceSet set) { return kPalaceSets[static_cast<std::size_t>(set)]; }

const LabelStyle& CentreLabelStyle(CentreLabel label) {
    return kCentreLabels[static_cast<std::size_t>(label)];
}

namespace {
// 祿 權 科 忌 as the windows show them now; every window of the run shows one script.
std::array<QString, kMarkCount>& ShownMarkCaptions() {
    static std::array<QString, kMarkCount> captions{QStringLiteral("祿"), QStringLiteral("權"),
                                                    QStringLiteral("科"), QStringLiteral("忌")};
    return captions;
}
}  // namespace

QString MarkCaption(int k) { return ShownMarkCaptions()[static_cast<std::size_t>(k)]; }

void ShowMarkCaptionsIn(Script script) {
    const bool simplified = script == Script::Simplified;
    ShownMarkCaptions() = {QStringLiteral("祿"), QStringLiteral("權"), QStringLiteral("科"), QStringLiteral("忌")};
    for (QString& caption : ShownMarkCaptions()) {
        caption = simplified ? SimplifiedText(caption) : caption;
    }
}

QColor MarkColour(int k) { return TransformationColour(k); }

}  // namespace velmora::board
