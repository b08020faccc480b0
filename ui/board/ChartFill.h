#pragma once
// The chart's words for the board: from the computed chart and the name list
// to the texts of the palace labels (pp) and the centre lines (RunText).
// Nothing here touches a widget, so the texts can be checked on their own.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/CalendarDay.h"
#include "chart/BirthInput.h"
#include "chart/ChartState.h"
#include "chart/ReferenceData.h"
#include "ui/common/ShownScript.h"

namespace velmora {

// A number as the chart writes it: a blank before it when not negative, a
// minus sign otherwise (" 35", "-2").
QString NumberText(int number);

// Engine text (UTF-8) as a QString.
QString Utf8Text(std::string_view text);

// A NameList entry as text.
QString NameOf(const NameList& names, int line, int field);

// The name of star 1..91 from the name-list line of its group (1..28 line 5,
// 29..53 line 6, 54..65 line 7, 66..67 line 8, 68..79 line 9, 80..91 line 10);
// empty for other numbers.
QString StarText(const NameList& names, int star);

// The texts of one palace's labels. A palace name and stem-branch that no
// palace supplies stay unset and the labels keep their text.
struct PalaceTexts {
    std::optional<QString> LAB01;  // palace name, with the body-palace word
    std::optional<QString> LAB03;  // stem and branch
    QString Lab04;                 // stars 1..28, one a row, with brightness
    QString Lab05;                 // stars 29..53 with brightness
    QString Lab06;                 // stars 68..91
    QString Lab07;                 // always empty
    QString Lab08;                 // stars 66..67
    QString Lab09;                 // the major-limit age range
    QString Lab10;                 // stars 54..65
};

struct BoardTexts {
    std::array<PalaceTexts, kBranches> palaces;  // [branch index 0..11]
    std::int16_t BureauNumber = 0;
};

// The palace texts of a natal chart. `bureauNumber` is the number in force,
// kept when the chart's bureau index names none.
BoardTexts FillPalaces(const BirthInput& birth, const ChartState& chart, const NameList& names,
                       const BrightnessTable& brightness, std::int16_t bureauNumber);

// The five centre lines: Label6(0), (2), (3), (4), (5).
struct CentreTexts {
    QString Label6_0;  // the owner's name
    QString Label6_2;  // Gregorian birth line
    QString Label6_3;  // yin-yang, gender and lunar birth line
    QString Label6_4;  // bureau, life master, body master, 子年斗君
    QString Label6_5;  // the four pillars
};

struct CentreWords {
    QString personName;
    QString yinYang;  // "陽" or "陰"
    QString gender;   // "男" or "女"
};

// The owner's name, followed by "（真太陽時・北京）" when the birth was given
// as a clock time at a place.
QString NameWithMoment(const QString& personName, const QString& momentCaption);

CentreTexts RunTextLines(const BirthInput& birth, const ChartState& chart, const CalendarDay& day,
                         const NameList& names, const CentreWords& words,
                         const ShownScript& shown = TraditionalScript());

}  // namespace velmora
