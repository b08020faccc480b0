#pragma once
// Three board-menu toggles that write more of the reading on the board, each
// off until the user turns it on and then remembered:
// - "借星": a palace without major stars shows those of its opposite, dimmed;
// - "疊四化": the transformations of 生, 大 and each layer down to the shown
//   one, each entry tagged with its layer, beside the shown layer's marks;
// - "運限宮名": the shown layer's name for each palace (大命, 年財 ..).
// They follow the board after every redraw of its marks.

#include <QObject>
#include <QStringList>

#include <array>
#include <memory>

class QAction;

namespace velmora {

class ChartHost;
class FlyingView;
class ReadingLabels;

class ReadingToggles : public QObject {
    Q_OBJECT
public:
    enum Toggle { Borrowed = 0, Stacked = 1, LayerNames = 2 };
    static constexpr int kToggleCount = 3;

    // The stack keeps off the 自化 marks `flying` shows.
    ReadingToggles(ChartHost& form, const FlyingView& flying);
    ~ReadingToggles() override;

    QAction* action(Toggle toggle) const { return actions_[static_cast<std::size_t>(toggle)]; }
    ReadingLabels& labels() { return *labels_; }

    // Writes what the toggles that are on show for the chart, layer and date on the board.
    void refresh();

private:
    void showBorrowed();
    void showStack();
    void showLayerNames();
    // Bit r set: star row r of box b holds a 自化 mark.
    unsigned selfMarkRows(int b) const;

    ChartHost& form_;
    const FlyingView& flying_;
    std::array<QAction*, kToggleCount> actions_{};
    std::unique_ptr<ReadingLabels> labels_;
};

}  // namespace velmora
