#pragma once
// "時辰未定…": for a chart whose hour is not known, the thirteen natal charts
// of its date and gender (early 子 .. late 子) side by side as small boards:
// the shown date for a chart by date, where choosing one charts that period
// on the main board; a stored person's birth day, read only.

#include <QDate>
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

    // Charts `period` (1..13) on the main window (a chart by date) and closes.
    void choose(int period);

private:
    void fill();
    QDate chartedDate() const;

    ChartHost& form_;
    std::array<PeriodBoard*, kPeriods> boards_{};
};

// Adds "時辰未定…" to the board's menu, enabled while a chart is shown.
QAction* InstallUnknownHour(ChartHost& form);

}  // namespace velmora
