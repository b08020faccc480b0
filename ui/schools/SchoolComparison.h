#pragma once
// "流派比較": a panel beside the board listing, for the chart shown, each
// switch value that changes anything, with what it changes in words. Clicking
// a line shows that variant on the board until the panel closes (or another
// line is clicked); the school itself is not changed.

#include <QWidget>

#include <optional>
#include <vector>

#include "chart/Conventions.h"

class QLabel;
class QListWidget;

namespace velmora {

class ChartHost;
class SchoolCommands;

class SchoolComparison : public QWidget {
    Q_OBJECT
public:
    SchoolComparison(ChartHost& form, SchoolCommands& commands);

    // The lines for the chart shown now.
    void refresh();
    // Back to the school's own chart when a variant is shown.
    void endVariant();
    void showVariant(int row);
    QListWidget* list() const { return list_; }
    void setVisible(bool visible) override;

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void placeBesideBoard();

    ChartHost& form_;
    SchoolCommands& commands_;
    QLabel* title_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<Conventions> variants_;       // per line
    std::optional<Conventions> ownSchool_;    // set while a variant is shown
};

}  // namespace velmora
