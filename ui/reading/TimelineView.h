#pragma once
// The "運限" window of a charted record: the twelve decades, the ten years of
// the selected decade and the months of the selected year, the entry of the
// shown date chosen and following every date step and layer switch. Choosing
// an entry moves the shown date there through the date inputs, as a spinner
// step would, and selects its layer (大限, 流年, 流月). While it is open each
// palace of the board carries the names it takes in the selected decade and
// year ("大命" "年財"), in the decade's and the year's colour.

#include <QObject>

#include <array>
#include <vector>

#include "output/FlyingTransformations.h"
#include "output/Timeline.h"

class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace velmora {

class ChartHost;

class TimelineView : public QObject {
    Q_OBJECT
public:
    enum Column { DecadeColumn = 0, YearColumn = 1, MonthColumn = 2 };
    static constexpr int kColumnCount = 3;

    explicit TimelineView(ChartHost& form);

    QAction* toggleAction() const { return toggle_; }
    QWidget* window() const { return window_; }
    QListWidget* list(Column column) const { return lists_[static_cast<std::size_t>(column)]; }
    const std::vector<tool::DecadeEntry>& decades() const { return decades_; }
    const std::vector<tool::YearEntry>& years() const { return years_; }
    const std::vector<tool::MonthEntry>& months() const { return months_; }
    // The chosen row of each column, -1 for none.
    int chosen(Column column) const;

    // Follows the board: the shown date, the age and the chart.
    void refresh();
    // Moves the shown date to row `row` of `column` and selects its layer.
    void choose(Column column, int row);

private:
    void createWindow();
    void fillDecades();
    void fillYears(int decade);
    void fillMonths(int year);
    void showStackedNames(int decade, int year);
    void moveDateTo(const tool::SolarDate& date);
    tool::SolarDate yearDate(int year) const;

    ChartHost& form_;
    QAction* toggle_ = nullptr;
    QWidget* window_ = nullptr;
    std::array<QListWidget*, kColumnCount> lists_{};
    std::array<QLabel*, 12> stacked_{};
    std::vector<tool::DecadeEntry> decades_;
    std::vector<tool::YearEntry> years_;
    std::vector<tool::MonthEntry> months_;
    int shownDecadeAge_ = -1;  // first age of the decade the years are listed for
    int shownYear_ = -1;       // the year the months are listed for
    BirthInput listedFor_;     // the birth the years and months are listed for
    bool moving_ = false;      // a chosen entry is moving the date: refresh once at the end
};

}  // namespace velmora
