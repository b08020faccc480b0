#include "ui/board/ReadingLabels.h"

#include <QColor>

#include <vector>

#include "ui/board/BoardLabels.h"
#include "ui/board/PalaceBoard.h"
#include "ui/common/Fonts.h"
#include "ui/common/RowLabel.h"

namespace velmora {

namespace {

using board::PalaceSet;

// The stack's column: right of the flowing stars (LAB02 ends at 1930), where
// the 自化 marks stand too, up to the box's right edge; its rows are the star
// list's, above the 旬空 line (Lab08 starts at 1500).
constexpr int kColumnLeft = 1960;
constexpr int kColumnWidth = 970;
// The layer's name: right of the palace name's label, left of the timeline's
// decade and year names, which stand right-aligned at the box's top right.
constexpr int kNameLeft = 1550;
constexpr int kNameTop = 60;
constexpr int kNameWidth = 420;
// Borrowed names end before the transformation marks' column.
constexpr int kBorrowedWidth = 640;
constexpr double kPoints = 9;
constexpr double kStackPoints = 8;  // two entries a row still read when they must share

// Columns of a label set: object name, text colour (red, green, blue).
struct SetLook {
    const char* name;
    QColor colour;
};
const SetLook kBorrowedLook{"Borrowed", QColor(150, 150, 150)};   // dimmed: not the palace's own
const SetLook kLayerNameLook{"LayerName", QColor(0, 128, 128)};   // the timeline's decade colour
const SetLook kStackLook{"Stacked", QColor(128, 64, 0)};

RowLabel* MakeLabel(PalaceBoard& board, const SetLook& look, int b) {
    auto* label = new RowLabel(&board);
    label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(look.name)).arg(b));
    label->setFont(MingFont(kPoints));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look.colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setRowHeightTwips(board::kStarRowTwips);
    label->setRowScale(board.zoom());
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

void ShowText(RowLabel* label, const QString& text, const QString& spoken) {
    label->setText(text);
    label->setAccessibleName(spoken);
    label->setVisible(!text.isEmpty());
    label->raise();
}

}  // namespace

ReadingLabels::ReadingLabels(PalaceBoard& board) : board_(board) {
    for (int b = 0; b < board::kPalaceCount; ++b) {
        const auto at = static_cast<std::size_t>(b);
        borrowed_[at] = MakeLabel(board, kBorrowedLook, b);
        layerNames_[at] = MakeLabel(board, kLayerNameLook, b);
        stacks_[at] = MakeLabel(board, kStackLook, b);
        const board::Point corner = board::BoxCorner(b);
        stacks_[at]->setFont(MingFont(kStackPoints));
        const board::LabelStyle& list = board::PalaceSetStyle(PalaceSet::Lab04);
        // Placed from the start (showBorrowed moves it under the palace's own
        // rows), so the zoom scales it like every other child of the board.
        board.placeInTwips(borrowed_[at], corner.x + list.x, corner.y + list.y, kBorrowedWidth,
                           board::kStarRowTwips);
        board.placeInTwips(layerNames_[at], corner.x + kNameLeft, corner.y + kNameTop, kNameWidth,
                           board::kStarRowTwips);
        board.placeInTwips(stacks_[at], corner.x + kColumnLeft, corner.y + list.y, kColumnWidth,
                           kStackRows * board::kStarRowTwips);
    }
}

void ReadingLabels::showBorrowed(int b, const QStringList& stars, int ownRows) {
    RowLabel* label = borrowed(b);
    const board::LabelStyle& list = board::PalaceSetStyle(PalaceSet::Lab04);
    const int rows = static_cast<int>(stars.size());
    // Rows 0..6 lie within the list's label; row 7 reaches below it, into the 旬空 line.
    const int lastRow = list.height / board::kStarRowTwips - 1;
    if (rows == 0 || ownRows + rows > lastRow + 1) {
        ShowText(label, {}, {});
        return;
    }
    const board::Point corner = board::BoxCorner(b);
    board_.placeInTwips(label, corner.x + list.x, corner.y + list.y + ownRows * board::kStarRowTwips, kBorrowedWidth,
                        rows * board::kStarRowTwips);
    QStringList lines;
    for (const QString& star : stars) lines.append(QStringLiteral("借") + star);
    ShowText(label, lines.join(QLatin1Char('\n')), QStringLiteral("借 ") + stars.join(QLatin1Char(' ')));
}

void ReadingLabels::showLayerName(int b, const QString& name) { ShowText(layerName(b), name, name); }

void ReadingLabels::showStack(int b, const QStringList& entries, unsigned takenRows) {
    std::vector<int> freeRows;
    for (int row = 0; row < kStackRows; ++row) {
        if ((takenRows & (1u << row)) == 0) freeRows.push_back(row);
    }
    QStringList rows(kStackRows);  // blank rows draw nothing
    if (!freeRows.empty() && !entries.isEmpty()) {
        const auto freeCount = static_cast<qsizetype>(freeRows.size());
        const qsizetype perRow = (entries.size() + freeCount - 1) / freeCount;
        for (qsizetype i = 0; i * perRow < entries.size(); ++i) {
            rows[freeRows[static_cast<std::size_t>(i)]] = entries.mid(i * perRow, perRow).join(QLatin1Char(' '));
        }
    }
    const QString text = entries.isEmpty() || freeRows.empty() ? QString() : rows.join(QLatin1Char('\n'));
    ShowText(stack(b), text, entries.join(QStringLiteral("、")));
}

void ReadingLabels::hideAll() {
    for (int b = 0; b < board::kPalaceCount; ++b) {
        ShowText(borrowed(b), {}, {});
        ShowText(layerName(b), {}, {});
        ShowText(stack(b), {}, {});
    }
}

}  // namespace velmora
