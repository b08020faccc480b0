#pragma once
// "時辰未定…": for a chart by date whose hour is not known, the thirteen
// natal charts of the shown date and gender (early 子 .. late 子) side by side
// as small boards; choosing one charts that period on the main board.

#include <QDialog>

#include <array>

class QAction;

namespace velmora {

class ChartHost;
class PeriodBoard;

class UnknownHourDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPeriods = 13;

    explicit UnknownHourDialog(ChartHost& form);
    PeriodBoard* board(int period) const { return boards_[static_cast<std::size_t>(period - 1)]; }

    // Charts `period` (1..13) on the main window and closes.
    void choose(int period);

private:
    void fill();

    ChartHost& form_;
    std::array<PeriodBoard*, kPeriods> boards_{};
};

// Adds "時辰未定…" to the board's menu, enabled while a chart by date is shown.
QAction* InstallUnknownHour(ChartHost& form);

}  // namespace velmora
