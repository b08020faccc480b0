#pragma once
// What the reading toggles write in a palace box, each in room the box's own
// labels leave free:
// - 借: the major stars borrowed from the opposite palace, dimmed, one a row
//   in the star list's column under the palace's own stars;
// - the shown layer's name for the palace ("大命", "年財"), on the palace
//   name's line, right of it;
// - the stacked transformations, one "生祿天機" entry a row in the column right
//   of the flowing stars, on the star rows the 自化 marks leave free.
// Texts come in already in the shown script; an empty text hides the label.

#include <QString>
#include <QStringList>

#include <array>

namespace velmora {

class PalaceBoard;
class RowLabel;

class ReadingLabels {
public:
    static constexpr int kStackRows = 6;  // star rows of the stack column above the 旬空 line

    // Creates the three sets of twelve labels on `board`, hidden.
    explicit ReadingLabels(PalaceBoard& board);

    // The borrowed stars' names in box b, under the star list's `ownRows` rows;
    // hidden when there are none or they would run past the list's last row.
    void showBorrowed(int b, const QStringList& stars, int ownRows);
    void showLayerName(int b, const QString& name);
    // The stack's entries of box b on the star rows 0..kStackRows-1 not in
    // `takenRows` (bit r: row r holds a 自化 mark); more entries than free
    // rows share rows.
    void showStack(int b, const QStringList& entries, unsigned takenRows);
    void hideAll();

    RowLabel* borrowed(int b) const { return borrowed_[static_cast<std::size_t>(b)]; }
    RowLabel* layerName(int b) const { return layerNames_[static_cast<std::size_t>(b)]; }
    RowLabel* stack(int b) const { return stacks_[static_cast<std::size_t>(b)]; }

private:
    PalaceBoard& board_;
    std::array<RowLabel*, 12> borrowed_{};
    std::array<RowLabel*, 12> layerNames_{};
    std::array<RowLabel*, 12> stacks_{};
};

}  // namespace velmora
