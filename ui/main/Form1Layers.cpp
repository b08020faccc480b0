// The main window's layer choice and palace selection: what the board shows
// over a chart, and how a click on a palace shows that palace's stem.

#include <QFrame>
#include <QRadioButton>

#include "chart/NatalChart.h"
#include "ui/main/Form1.h"
#include "ui/reading/FlyingView.h"
#include "ui/board/PalaceBoard.h"

namespace velmora {

void Form1::layerChosen(int index) {
    option2_[static_cast<std::size_t>(index)]->setChecked(true);
    session_.LayerIndex = index;
    frame3_->setEnabled(!(index == 0 && recordsMode()));
    const bool palaceWasShown = palaceShown_ >= 0;
    palaceShown_ = -1;
    board_->highlight()->hide();
    flyingView_->select(-1);
    if (session_.RecordLoaded == 1) {
        runLayer(index);
    } else if (palaceWasShown && chartOnBoard()) {
        // A chart by date keeps its natal view; the layer shows from the next date step.
        showNatalView();
    }
}

void Form1::runLayer(int index) {
    if (index == 0) {
        showNatalView();
    } else if (index == 1) {
        layers_.RunP();
    } else {
        // The decade layer first, so layers that build on it start from its values.
        session_.LayerIndex = 1;
        layers_.RunP();
        session_.LayerIndex = index;
        layers_.RunP();
    }
}

void Form1::showNatalView() {
    session_.MarkStem = session_.birth.YearStem;
    layers_.Four();
    session_.FocusBranch = static_cast<std::int16_t>(ReduceBranch(session_.chart.PalaceTable[1].branch));
    Dline();
}

// A palace is only ever selected over a chart, so the view to return to is a
// charted record's layer or else the natal view of the chart on the board.
void Form1::endPalaceSelection() {
    if (palaceShown_ < 0) {
        return;
    }
    palaceShown_ = -1;
    board_->highlight()->hide();
    flyingView_->select(-1);
    if (session_.RecordLoaded == 1) {
        runLayer(session_.LayerIndex);
    } else {
        showNatalView();
    }
}

bool Form1::chartOnBoard() const { return recordsMode() ? session_.RecordLoaded == 1 : chartShownByDate_; }

void Form1::palaceClicked(int b) {
    session_.SelectedPalace = b;
    KGZH();
}

void Form1::KGZH() {
    if (!chartOnBoard()) {
        return;  // nothing to select before a chart is shown
    }
    const int b = session_.SelectedPalace;
    if (b == palaceShown_) {
        endPalaceSelection();
        return;
    }
    for (int k = 1; k <= kBranches; ++k) {
        const PalaceRow& palace = session_.chart.PalaceTable[static_cast<std::size_t>(k)];
        if (palace.branch != b + 1) {
            continue;
        }
        palaceShown_ = b;
        board_->showHighlight(b);
        flyingView_->select(b);
        session_.MarkStem = palace.stem;
        layers_.Four();
        session_.FocusBranch = static_cast<std::int16_t>(ReduceBranch(palace.branch));
        Dline();
        return;
    }
}

}  // namespace velmora
