#pragma once
// "對照" (Ctrl+Shift+O): a second person's chart laid over the one on the
// board, branch on branch (疊盤), with each person's birth-year
// transformations found in the other's chart (跨盤四化). The board keeps its
// chart and shows, small and in the overlay's colour, the other chart's
// palace name in every palace and the other person's four transformations
// beside the stars they fall on; the centre names both people; "複製文字"
// adds the overlay's blocks. "對照互換" puts the other chart on the board and
// lays the first over it; "結束對照" takes the overlay off. Each chart is cast
// in its own person's school from the birth as stored.
//
// The person on the board is 甲 and the one laid over it 乙 as first picked;
// the letters stay with the people when they change places.

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "calendar/CalendarDay.h"
#include "chart/Conventions.h"
#include "files/UserFile.h"
#include "reading/Overlay.h"
#include "ui/board/BoardGeometry.h"
#include "ui/board/OverlayLabels.h"
#include "ui/chartio/ChartCopy.h"

class QAction;
class QLabel;
class QMenu;

namespace velmora {

class ChartHost;

// One person of the pair, as the board charts them.
struct PairPerson {
    QString name;                  // as typed; empty for a birth given by its date
    CalendarDay birthDay;          // the chart's date and clock hour, converted
    int gender = 1;                // 1 male, 0 female
    Conventions conventions;       // the person's own school
    QString momentCaption;         // "真太陽時・北京" for a birth stored as a clock time at a place
    std::optional<files::BirthRecord> record;  // the stored record the person was picked from
};

// The birth as velmora-chart --with is given it.
SecondBirth SecondBirthOf(const PairPerson& person);

class OverlayView : public QObject {
    Q_OBJECT
public:
    explicit OverlayView(ChartHost& host);

    // Adds "對照…", "對照互換" and "結束對照" to the board's menu.
    void addToMenu(QMenu& menu);
    // How "對照…" asks for the second person; nothing when the user cancels.
    void setPicker(std::function<std::optional<PairPerson>()> pick) { pick_ = std::move(pick); }

    void pick();                     // "對照…": asks, then lays the person picked over the board
    void layOver(PairPerson other);  // `other` over the chart on the board, as 乙
    void swap();                     // "對照互換"
    void end();                      // "結束對照"
    // The board was drawn again (its chart, layer, marks): the overlay follows it.
    void refresh();

    bool active() const { return other_.has_value(); }
    bool swapped() const { return swapped_; }
    // The overlay shown: the board's chart as A, the other person's as B.
    const std::optional<reading::Overlay>& overlay() const { return overlay_; }
    QAction* pickAction() const { return pickAction_; }
    QAction* swapAction() const { return swapAction_; }
    QAction* endAction() const { return endAction_; }
    QLabel* centreLine() const { return centreLine_; }
    const OverlayLabels& labels() const { return labels_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<reading::Overlay> computeOverlay() const;
    std::vector<OverlayItem> itemsOf(const reading::Overlay& overlay) const;
    void appendMarks(const reading::Overlay& overlay, std::vector<OverlayItem>& items) const;
    void showCentreLine();
    // The centre line's place (under the owner's name), `width` and `height` twips large.
    void placeCentreLine(int width, int height);
    void namePalaces(const std::vector<OverlayItem>& items);
    void syncActions();
    PairPerson boardPerson() const;
    void chartOnBoard(const PairPerson& person);
    // "甲" or "乙": the letter of the person laid over the board.
    QString otherLetter() const;
    // A person's name, or their birth when they have none.
    QString captionOf(const QString& name, const CalendarDay& birthDay) const;

    ChartHost& host_;
    OverlayLabels labels_;
    QLabel* centreLine_ = nullptr;
    QAction* pickAction_ = nullptr;
    QAction* swapAction_ = nullptr;
    QAction* endAction_ = nullptr;
    std::function<std::optional<PairPerson>()> pick_;
    std::optional<PairPerson> other_;
    bool swapped_ = false;
    std::optional<reading::Overlay> overlay_;
    std::array<QString, board::kPalaceCount> spokenAdded_{};  // what each palace name's accessible name was given last
};

}  // namespace velmora
