#pragma once
// The record window's birth-moment panel below the hint: a clock time at a
// place, converted to the date and period the combos then show.

#include <QString>

#include "files/UserFile.h"

namespace velmora {

class MomentInputs;

// Twips the panel adds below the window's original area, which stays as it was:
// three rows of inputs, two of steps and, before 1900, one of local mean time.
inline constexpr int kMomentPanelHeight = 2700;

// The record's stored moment into the panel (none clears it).
void showStoredMoment(MomentInputs& inputs, const files::BirthRecord& record);

// "真太陽時・北京" when the panel holds a clock time; empty otherwise.
QString MomentCaption(const MomentInputs& inputs);

}  // namespace velmora
