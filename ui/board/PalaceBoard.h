#pragma once
// The palace board: a child of the main window that paints the board's frame,
// grid and focus lines itself, under transparent labels: the ten label sets of
// the twelve palaces, the centre labels, the four transformation marks and
// the palace highlight. Lines are kept as segments in the window's twips and
// drawn through one scaling of the painter, so the board is sharp at any
// density and can be rendered into any paint device.

#include <QWidget>

#include <QHash>
#include <QLineF>
#include <QRectF>

#include <array>
#include <cstdint>
#include <vector>

#include "ui/board/BoardGeometry.h"
#include "ui/board/BoardLabels.h"
#include "ui/board/FlyingOverlay.h"

class QLabel;
class QPainter;

namespace velmora {

class RowLabel;

class PalaceBoard : public QWidget {
    Q_OBJECT
public:
    // The widget covers the board and a margin around it (the highlight sits
    // just outside a box); its top-left corner in the window's twips.
    static constexpr int kMarginTwips = 120;
    static constexpr int kOriginX = board::kBoardLeft - kMarginTwips;
    static constexpr int kOriginY = board::kBoardTop - kMarginTwips;
    static constexpr int kWidthTwips = board::kBoxesPerSide * board::kBoxWidth + 2 * kMarginTwips;
    static constexpr int kHeightTwips = board::kBoxesPerSide * board::kBoxHeight + 2 * kMarginTwips;

    explicit PalaceBoard(QWidget* parent = nullptr);

    // Sizes the highlight and shows the frame and grid lines.
    void DrawLine();
    // Creates members 1..11 of the ten palace label sets as copies of member 0,
    // then places every palace label and the centre labels.
    void LoadLAB();
    // Draws the focus lines from `focusBranch` (brought into 1..12 and stored
    // back), writes the name line and shows the flowing-star labels on the
    // layers that have them.
    void Dline(std::int16_t& focusBranch, int layerIndex, const QString& personName);

    // Member b (branch index 0..11) of a palace label set; nullptr before LoadLAB for b > 0.
    RowLabel* palaceLabel(board::PalaceSet set, int b) const;
    RowLabel* centreLabel(board::CentreLabel label) const;
    QLabel* mark(int k) const;          // L4F(k): 祿 權 科 忌
    QWidget* highlight() const;         // Shape1

    // Shows mark k on text row `row` of the star list of branch index b.
    void placeMark(int k, int b, int row);
    // Where mark k was last placed (its top-left corner in the window's twips);
    // the origin while it was never placed.
    board::Point markPlace(int k) const { return markPlaces_[static_cast<std::size_t>(k)]; }
    // Frames the box of branch index b with the highlight and shows it.
    void showHighlight(int b);
    // Branch index of the palace the highlight frames while it shows, else -1;
    // its opposite, trines, flanks and hidden partner are marked meanwhile.
    int selectedBox() const;
    // Shaded rectangles (in the window's twips) painted under the labels, for
    // a view that points at palaces and stars on the board; empty clears them.
    void setReadingBands(std::vector<QRectF> bands);
    const std::vector<QRectF>& readingBands() const { return readingBands_; }

    // Places a child by its rectangle in the window's twips, at the zoom.
    void placeInTwips(QWidget* child, int left, int top, int width, int height);
    // Draws the board and places its children at `factor` times their size
    // in twips (1 at 100 %); the window sets the board's own place and fonts.
    void setZoom(double factor);
    double zoom() const { return zoom_; }
    // The board's size at 100 %, as pictures and pages draw it whatever the zoom.
    QSize designSize() const;
    // A child's rectangle in the window's twips (left, top, width, height).
    std::array<int, 4> twipRectOf(const QWidget* child) const;

    bool gridShown() const { return gridShown_; }
    bool focusShown() const { return focusShown_; }
    const std::array<board::Segment, 6>& line1() const { return line1_; }
    const std::array<board::Segment, 6>& line2() const { return line2_; }
    const std::array<board::Segment, 4>& line4() const { return line4_; }

    // The flying-transformation arrows and 自化 marks, painted under the labels.
    FlyingOverlay& flyingOverlay() { return flyingOverlay_; }

    // The text boxes of the centre's labels and of everything written on the
    // board (labels, marks, 自化 marks, arrow captions), in the window's twips.
    std::vector<QRectF> centreTextBoxes() const;
    std::vector<QRectF> boardTextBoxes() const;
    // The focus lines as drawn: broken where they would run under the centre's text.
    std::vector<QLineF> focusPieces() const;
    // A label another room writes in the centre (a child of the board): its
    // text counts as the centre's, so the focus lines break under it too.
    void addCentreText(QLabel* label) { addedCentreText_.push_back(label); }

    // Paints the board with its labels into `painter`, scaled to fill
    // `target` while keeping its proportions.
    void renderTo(QPainter& painter, const QRectF& target);

signals:
    // A palace label of branch index b was clicked.
    void palaceClicked(int b);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createDesignMembers();
    RowLabel* createLabel(const board::LabelStyle& style, const QString& name);
    RowLabel* copyOf(const RowLabel* member0, const QString& name);
    void createMarks();
    Qt::PenCapStyle focusCap(const QPainter& painter) const;
    // True on the screen or an image when a line's pen is wider than a device pixel.
    bool widePenOnScreen(const QPainter& painter) const;
    void fillGrid(QPainter& painter) const;
    // The boxes of a label's text in the window's twips.
    void addTextBoxes(const QLabel* label, std::vector<QRectF>& boxes) const;

    std::array<std::array<RowLabel*, board::kPalaceCount>, board::kPalaceSetCount> palaceLabels_{};
    std::array<RowLabel*, board::kCentreLabelCount> centreLabels_{};
    std::array<QLabel*, board::kMarkCount> marks_{};
    std::array<board::Point, board::kMarkCount> markPlaces_{};
    QWidget* shape1_ = nullptr;
    std::array<board::Segment, 6> line1_{};
    std::array<board::Segment, 6> line2_{};
    std::array<board::Segment, 4> line4_{};
    bool gridShown_ = false;
    bool focusShown_ = false;
    bool exactLines_ = false;  // painting a picture or page through renderTo
    double zoom_ = 1.0;
    QHash<QWidget*, std::array<int, 4>> twipPlaces_;  // each placed child's rectangle in twips
    FlyingOverlay flyingOverlay_;
    std::vector<QLabel*> addedCentreText_;
    int highlightBox_ = -1;  // the box the highlight was last placed on
    std::vector<QRectF> readingBands_;
};

}  // namespace velmora
