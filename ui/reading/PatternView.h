#pragma once
// The "格局" window: the named patterns of the chart on the board, the natal
// ones (read on the life palace with the birth year's transformations) and,
// on a time layer, the shown layer's (read on the layer's life palace with its
// own). Each row's tooltip is the passage the rule comes from; choosing a row
// shades the palaces it was read on and the rows of its stars on the board.

#include <QObject>

#include <vector>

#include "reading/Patterns.h"

class QAction;
class QListWidget;
class QWidget;

namespace velmora {

class ChartHost;

class PatternView : public QObject {
    Q_OBJECT
public:
    explicit PatternView(ChartHost& form);

    QAction* toggleAction() const { return toggle_; }
    QWidget* window() const { return window_; }
    QListWidget* list() const { return list_; }

    // One listed pattern: the layer it was read in (0 natal) and what was found.
    struct Row {
        int layer = 0;
        reading::FoundPattern found;
    };
    const std::vector<Row>& rows() const { return rows_; }

    // Follows the board: its chart, layer and date.
    void refresh();
    // Shades row `row`'s palaces and star rows on the board; -1 clears them.
    void highlight(int row);

private:
    void createWindow();
    void findRows();

    ChartHost& form_;
    QAction* toggle_ = nullptr;
    QWidget* window_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<Row> rows_;
};

}  // namespace velmora
