#pragma once
// The labels of the palace board: ten label sets of twelve members, one
// member in every palace box, and the labels of the board's centre.

#include <QColor>
#include <QString>
#include <Qt>

#include <array>
#include <optional>

#include "script/Script.h"

namespace velmora::board {

// The ten label sets, in the order they are created and placed.
enum class PalaceSet { LAB01, LAB02, LAB03, Lab04, Lab05, Lab06, Lab07, Lab08, Lab09, Lab10 };
inline constexpr int kPalaceSetCount = 10;

// A star list row is 200 twips high; the transformation marks are placed by
// this row height, so the labels draw their rows at exactly this spacing.
inline constexpr int kStarRowTwips = 200;

struct LabelStyle {
    const char* name;              // object name; members are named name_b
    int x;                         // offset from the box corner (palace sets) or the inner area (centre)
    int y;
    int width;
    int height;
    std::optional<QColor> colour;  // none: the window's text colour
    double points;                 // 0: the window's default font
    bool italic;
    bool kai;                      // 標楷體 instead of 新細明體
    Qt::Alignment alignment;
    const char* hover;             // hover text, or nullptr
    bool wrap;                     // wraps at blanks to the label's width
    int rowTwips;                  // row height; 0 for the font's own
};

const LabelStyle& PalaceSetStyle(PalaceSet set);

// The centre labels, in the order LoadLAB places them.
enum class CentreLabel { Label6_0, Label6_1, Label6_2, Label6_3, Label6_4, Label6_5, Label7, Label8, Label9 };
inline constexpr int kCentreLabelCount = 9;

const LabelStyle& CentreLabelStyle(CentreLabel label);

// The four transformation marks 祿 權 科 忌.
inline constexpr int kMarkCount = 4;
inline constexpr int kMarkSize = 195;
QString MarkCaption(int k);
// Shows the four marks in `script` from now on.
void ShowMarkCaptionsIn(Script script);
QColor MarkColour(int k);

}  // namespace velmora::board
