#pragma once
// The 自化 of the charted palaces, as the board's 自化 marks show them: 離心
// (a palace's own stem transforms a star in it, "↓祿") and 向心 (the stem of
// the palace across the board transforms a star in it, "↑祿"), from the natal
// stems and, on a time layer whose palaces take other stems (流年, 流月 ..),
// from the shown layer's stems too, those marked with the layer's first
// character after the natal ones ("年↓祿").

#include <QString>

#include <vector>

namespace velmora {

struct Session;

struct SelfKind {
    int branch = 0;      // 1..12, the palace holding the star
    int star = 0;
    int kind = 0;        // 1 祿 .. 4 忌
    bool inward = false; // 向心; else 離心
    int layer = 0;       // 0 natal, else the shown layer whose stems transform it
};

// The natal 自化, then the shown layer's when its palace stems differ from the natal ones.
std::vector<SelfKind> SelfKindsShown(const Session& session);

// "↓祿", "↑忌", "年↓權": the mark's caption without its star (plain text).
QString SelfKindCaption(const SelfKind& self);
// "本命離心自化 化祿", "流年向心自化 化忌": what the caption means, for the accessible name.
QString SelfKindName(const SelfKind& self);
// What the two arrows and the layer character mean, for the menu item's tip.
QString SelfKindLegend();

}  // namespace velmora
