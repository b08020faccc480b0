#pragma once
// The flying transformations in the main window: while a palace is selected
// the board draws arrows from it to the palaces receiving its stem's 祿 權 科
// 忌; with "自化" on (board menu, kept in the settings) every star its own
// palace's stem transforms carries a "↓祿" mark (離心), "↑祿" where the
// opposite palace's stem does (向心), "年↓祿" for the shown layer's stems;
// and the "飛化" window lists the twelve palaces' flights as text, the
// selected palace's line chosen.

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

#include "output/FlyingTransformations.h"
#include "ui/board/BoardGeometry.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QWidget;

namespace velmora {

// A 自化 mark: on the star-list row of a star its own palace's stem
// transforms, in the palace's column of 自化 marks.
struct SelfMark {
    board::Point place;  // top-left corner in the window's twips
    QString text;        // rich text: the star's name and "↓祿", or more kinds ("↓祿↓忌"), each in its colour
    int kind = 0;        // the first kind
    QString name;        // what the marks mean, in words: the label's accessible name
    QString kinds;       // the text without the star's name, for a mark too wide for its palace
};

struct Session;
class PalaceBoard;

class FlyingView : public QObject {
    Q_OBJECT
public:
    FlyingView(Session& session, PalaceBoard& board, QWidget& window);

    // Adds "自化" and "飛化列表" to the board's menu.
    void addToMenu(QMenu& menu);
    // The palace of branch index b (0..11) is selected; -1: none is.
    void select(int b);
    // A chart was drawn onto the board: the 自化 marks and the list follow it.
    void chartChanged();
    // A layer or date was shown: the shown layer's 自化 marks follow it.
    void layerShown();

    QAction* selfAction() const { return selfAction_; }
    QAction* listAction() const { return listAction_; }
    QWidget* listWindow() const { return listWindow_; }
    // The 自化 marks shown (none while "自化" is off).
    const std::vector<SelfMark>& selfMarks() const { return selfMarks_; }
    // The list's lines, from the life palace on.
    QStringList lines() const;

signals:
    // The 自化 marks were placed (or taken off): what is written after them may move.
    void selfMarksPlaced();

private:
    void createListWindow(QWidget& window);
    void showSelfMarks();
    void placeSelfLabels();
    int fitSelfLabel(QLabel& label, const SelfMark& mark) const;
    void refreshList();
    std::vector<tool::FlyingTransformation> flightsFrom(int b) const;

    Session& session_;
    PalaceBoard& board_;
    QAction* selfAction_ = nullptr;
    QAction* listAction_ = nullptr;
    QWidget* listWindow_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<SelfMark> selfMarks_;
    std::vector<QLabel*> selfLabels_;  // on the board, above its labels like the marks
    int selected_ = -1;
    bool charted_ = false;
};

}  // namespace velmora
