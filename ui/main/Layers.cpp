#include "ui/main/Layers.h"

#include <QLabel>

#include <array>

#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"
#include "ui/common/RowLabel.h"
#include "ui/main/Accessibility.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"
#include "ui/session/Session.h"
#include "ui/board/TransformationMarks.h"

namespace velmora {

namespace {
constexpr int kTransformations = 4;  // 祿 權 科 忌
}  // namespace

Layers::Layers(Session& session, PalaceBoard& board) : session_(session), board_(board) {}

namespace {
// The shown moment as the school counts it (the late 子 hour on its own day or the next).
CalendarDay ShownMoment(const Session& session) {
    CalendarDay shown = session.calendar;
    ApplyLateZiRule(shown, session.conventions);
    return shown;
}
}  // namespace

bool Layers::oldx() {
    return velmora::oldx(session_.birth, session_.chart, ShownMoment(session_), session_.NominalAge,
                         session_.conventions);
}

void Layers::RunP() {
    LNLS();
    const LayerView view = ComputeLayer(session_.LayerIndex, session_.birth, session_.chart, ShownMoment(session_),
                                        session_.NominalAge, session_.BureauNumber, session_.conventions);
    if (view.FocusBranch) {
        session_.FocusBranch = *view.FocusBranch;
    }
    if (view.MarkStem) {
        session_.MarkStem = *view.MarkStem;
    }
    RunQ();
}

void Layers::LNLS() {
    const auto stars = FlowingStars(session_.LayerIndex, ShownMoment(session_), session_.conventions);
    if (!stars) {
        return;
    }
    std::array<QString, kBranches> lines;
    for (const FlowingStar& star : *stars) {
        lines[static_cast<std::size_t>(star.branch - 1)] += session_.script->text(Utf8Text(star.name)) + QLatin1Char(' ');
    }
    for (int b = 0; b < kBranches; ++b) {
        board_.palaceLabel(board::PalaceSet::LAB02, b)->setText(lines[static_cast<std::size_t>(b)]);
    }
}

void Layers::RunQ() {
    Dline();
    Four();
}

void Layers::Four() {
    const int stem = session_.MarkStem;
    const bool hasLine = stem >= 1 && stem <= kStems;
    session_.CurrentTransformations =
        ParseTransformations(hasLine ? session_.transformations.lines[static_cast<std::size_t>(stem)] : std::string());
    for (int k = 1; k <= kTransformations; ++k) {
        markTransformation(k - 1, session_.CurrentTransformations[static_cast<std::size_t>(k)]);
    }
    // Every change of the board's chart ends with its marks: the names follow it here.
    NameBoard(board_, session_);
    if (marksShown) {
        marksShown();
    }
}

// Mark k onto the row of its star's entry in the star list of the star's branch.
void Layers::markTransformation(int k, int star) {
    QLabel* mark = board_.mark(k);
    const int branch = star >= marks::kFirstMarkableStar && star <= marks::kLastMarkableStar
                           ? session_.chart.StarTable[static_cast<std::size_t>(star)].branch
                           : 0;
    if (branch < 1 || branch > kBranches) {
        mark->hide();
        return;
    }
    const int b = branch - 1;
    const QString caption = board_.palaceLabel(board::PalaceSet::Lab04, b)->text();
    const QString name = NameOf(session_.names, marks::kStarListLine, star);
    const auto row = marks::RowOfEntryEnd(caption, marks::CharactersBeforeEntryEnd(caption, name));
    if (row) {
        board_.placeMark(k, b, *row);
    }
    mark->show();
}

void Layers::Dline() {
    board_.Dline(session_.FocusBranch, session_.LayerIndex, NameWithMoment(session_.PersonName, session_.script->text(session_.momentCaption)));
}

}  // namespace velmora
