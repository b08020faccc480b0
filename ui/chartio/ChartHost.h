#pragma once
// The window a chart is shown on, as the chart's commands and the views beside
// it see it: its session and date inputs, its board, whether a chart is up,
// and the few steps that chart again (the date read, the chart cast, a mode
// or layer chosen). The main window implements it; the rooms that act on the
// shown chart hold this and never the window itself, so their arrows run one
// way, down from the main window.

#include <QString>

class QWidget;

namespace velmora {

class ChartCommands;
class DateInputs;
class PalaceBoard;
struct Session;

class ChartHost {
public:
    enum Mode { RecordsMode = 0, ChartByDateMode = 1 };  // Option1 index: 使用者, 擇盤

    virtual Session& session() = 0;
    virtual DateInputs& dateInputs() = 0;
    virtual PalaceBoard& board() = 0;
    // Export, print and copy of the chart, with the board's context menu.
    virtual ChartCommands& chartCommands() = 0;
    // The window itself: the parent of dialogs and views, where shortcuts live.
    virtual QWidget& hostWidget() = 0;

    virtual bool recordsMode() const = 0;
    // A chart is on the board.
    virtual bool chartShown() const = 0;
    // The lunar date line under the board.
    virtual QString dateLineText() const = 0;

    virtual void modeChosen(int index) = 0;
    virtual void layerChosen(int index) = 0;
    // The date inputs into the calendar, the date line and the age.
    virtual void df_date() = 0;
    // The natal chart of the calendar day and the gender, onto the board.
    virtual void user() = 0;
    // The chart on the board cast again from the tables as they are on disk.
    virtual void recomputeChart() = 0;

protected:
    ChartHost() = default;
    ChartHost(const ChartHost&) = default;
    ChartHost& operator=(const ChartHost&) = default;
    ~ChartHost() = default;
};

// A stored record is charted on the board: what the windows following a
// person's life (運限, 流年報告) have to show.
bool RecordChartShown(ChartHost& host);

}  // namespace velmora
