#include "ui/main/Accessibility.h"

#include <QAbstractSlider>
#include <QLabel>
#include <QStringList>

#include <array>

#include "chart/NatalChart.h"
#include "ui/common/RowLabel.h"
#include "ui/board/ChartFill.h"
#include "ui/main/Form1.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/RelationMarks.h"
#include "ui/board/TransformationMarks.h"

namespace velmora {

namespace {

using board::PalaceSet;

const QString kBranchWords = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
const QString kEntrySeparator = QStringLiteral("、");
const QString kContentSeparator = QStringLiteral("：");
constexpr int kLastLevelledStar = 53;   // stars 29..53 show their level too
constexpr int kLastNamedStar = 91;      // the stars the board shows
constexpr int kTransformations = 4;

// Columns: label set, first and last star it lists (0, 0: it lists no stars),
// the word naming what it shows (empty: the stars speak for themselves).
struct SetContent {
    PalaceSet set;
    int firstStar;
    int lastStar;
    const char* word;
};
constexpr std::array<SetContent, 6> kStarSets{{
    {PalaceSet::Lab04, 1, 28, ""},
    {PalaceSet::Lab05, 29, 53, ""},
    {PalaceSet::Lab10, 54, 65, "長生十二運"},
    {PalaceSet::Lab08, 66, 67, ""},
    {PalaceSet::Lab06, 68, 91, ""},
    {PalaceSet::LAB02, 0, 0, "流曜"},
}};

// Columns: control object name, accessible name.
struct ControlName {
    const char* object;
    const char* name;
};
constexpr std::array<ControlName, 7> kControlNames{{
    {"VScroll1_0", "陽曆年"},
    {"VScroll1_1", "陽曆月"},
    {"VScroll1_2", "陽曆日"},
    {"VScroll1_3", "時辰"},
    {"Frame1", "模式"},
    {"Frame3", "日期"},
    {"PalaceBoard", "命盤"},
}};

// Columns: date label object name, what it shows.
constexpr std::array<ControlName, 5> kDateLabelRoles{{
    {"Label3_0", "陽曆年"},
    {"Label3_1", "陽曆月"},
    {"Label3_2", "陽曆日"},
    {"Label3_3", "時辰"},
    {"Label2", "陰曆與四柱"},
}};

std::size_t At(int index) { return static_cast<std::size_t>(index); }

const PalaceRow* PalaceOn(const Session& session, int branch) {
    for (int k = 1; k <= kBranches; ++k) {
        if (session.chart.PalaceTable[At(k)].branch == branch) {
            return &session.chart.PalaceTable[At(k)];
        }
    }
    return nullptr;
}

// "命宮 丙子" as the box shows it, or the branch alone before a chart.
QString PalacePrefix(const PalaceBoard& board, const Session& session, int b) {
    const QString palace = board.palaceLabel(PalaceSet::LAB01, b)->text();
    if (PalaceOn(session, b + 1) == nullptr || palace.isEmpty()) {
        return kBranchWords.mid(b, 1);
    }
    return palace + QLatin1Char(' ') + board.palaceLabel(PalaceSet::LAB03, b)->text();
}

QString StarEntry(const Session& session, int star) {
    QString entry = StarText(session.names, star);
    const int level = session.chart.StarTable[At(star)].level;
    if (star <= kLastLevelledStar && level >= 1 && level <= kLevelCount) {
        entry += QLatin1Char(' ') + QString::fromStdString(session.brightness.LevelNames[At(level)]);
    }
    for (int k = 1; k <= kTransformations && star <= marks::kLastMarkableStar; ++k) {
        if (session.CurrentTransformations[At(k)] == star) {
            entry += QStringLiteral(" 化") + board::MarkCaption(k - 1);
        }
    }
    return entry;
}

constexpr std::size_t kSetCount = kStarSets.size();
constexpr std::size_t kFlowingSet = 5;  // LAB02: read off the board, not the chart
static_assert(kStarSets[kFlowingSet].set == PalaceSet::LAB02);
using SetEntries = std::array<QStringList, kSetCount>;

// The label set of kStarSets that lists `star`; kSetCount for none.
std::size_t SetOf(int star) {
    for (std::size_t set = 0; set < kSetCount; ++set) {
        if (star >= kStarSets[set].firstStar && star <= kStarSets[set].lastStar) {
            return set;
        }
    }
    return kSetCount;
}

// The stars of every palace by label set, in one pass over the stars.
std::array<SetEntries, kBranches> StarEntries(const Session& session) {
    std::array<SetEntries, kBranches> entries;
    std::array<bool, kBranches + 1> charted{};
    for (int branch = 1; branch <= kBranches; ++branch) {
        charted[At(branch)] = PalaceOn(session, branch) != nullptr;
    }
    for (int star = kStarSets.front().firstStar; star <= kLastNamedStar; ++star) {
        const int branch = session.chart.StarTable[At(star)].branch;
        const std::size_t set = SetOf(star);
        if (branch >= 1 && branch <= kBranches && charted[At(branch)] && set < kSetCount) {
            entries[At(branch - 1)][set].append(StarEntry(session, star));
        }
    }
    return entries;
}

// What the labels of one palace say.
struct PalaceSpeech {
    QString prefix;                        // "命宮 丙子", or the branch before a chart
    std::array<QString, kSetCount> sets;   // by kStarSets
    QString ages;                          // "大限 23 - 32"

    QString named(const QString& content) const {
        return content.isEmpty() ? prefix : prefix + kContentSeparator + content;
    }
    QString summary() const {
        QStringList parts;
        for (const QString& set : sets) {
            if (!set.isEmpty()) {
                parts.append(set);
            }
        }
        if (!ages.isEmpty()) {
            parts.append(ages);
        }
        return named(parts.join(kEntrySeparator));
    }
};

PalaceSpeech Speak(const PalaceBoard& board, const Session& session, int b, SetEntries stars) {
    // The flowing stars are only on the board on layers 2..6.
    if (session.LayerIndex > 1) {
        stars[kFlowingSet] = board.palaceLabel(PalaceSet::LAB02, b)->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    PalaceSpeech speech;
    speech.prefix = PalacePrefix(board, session, b);
    for (std::size_t set = 0; set < kSetCount; ++set) {
        const QString list = stars[set].join(kEntrySeparator);
        const QString word = session.script->text(QString::fromUtf8(kStarSets[set].word));
        speech.sets[set] = word.isEmpty() || list.isEmpty() ? list : word + QLatin1Char(' ') + list;
    }
    const QString ages = board.palaceLabel(PalaceSet::Lab09, b)->text().simplified();
    speech.ages = ages.isEmpty() ? QString() : QStringLiteral("大限 ") + ages;
    return speech;
}

void NamePalace(PalaceBoard& board, const PalaceSpeech& speech, int b) {
    for (std::size_t set = 0; set < kSetCount; ++set) {
        board.palaceLabel(kStarSets[set].set, b)->setAccessibleName(speech.named(speech.sets[set]));
    }
    board.palaceLabel(PalaceSet::Lab09, b)->setAccessibleName(speech.named(speech.ages));
    board.palaceLabel(PalaceSet::LAB03, b)->setAccessibleName(speech.prefix);
    board.palaceLabel(PalaceSet::Lab07, b)->setAccessibleName(speech.prefix);
    board.palaceLabel(PalaceSet::LAB01, b)->setAccessibleName(speech.summary());
}

void NameMarks(PalaceBoard& board, const Session& session) {
    for (int k = 0; k < board::kMarkCount; ++k) {
        QLabel* mark = board.mark(k);
        QString name = QStringLiteral("化") + board::MarkCaption(k);
        const int star = session.CurrentTransformations[At(k + 1)];
        if (mark->isVisibleTo(&board) && star > 0) {
            name += QLatin1Char(' ') + StarText(session.names, star);
        }
        mark->setAccessibleName(name);
    }
}

}  // namespace

QString PalaceSummary(const PalaceBoard& board, const Session& session, int b) {
    return Speak(board, session, b, StarEntries(session)[At(b)]).summary();
}

void NameBoard(PalaceBoard& board, const Session& session) {
    const std::array<SetEntries, kBranches> stars = StarEntries(session);
    for (int b = 0; b < board::kPalaceCount; ++b) {
        // Members 1..11 exist from LoadLAB on.
        if (board.palaceLabel(PalaceSet::LAB01, b) != nullptr && board.palaceLabel(PalaceSet::Lab10, b) != nullptr) {
            NamePalace(board, Speak(board, session, b, stars[At(b)]), b);
        }
    }
    // The selected palace also says which palaces it is read with, as framed.
    const int selected = board.selectedBox();
    if (RowLabel* palace = selected < 0 ? nullptr : board.palaceLabel(PalaceSet::LAB01, selected)) {
        palace->setAccessibleName(palace->accessibleName() + session.script->text(board::RelationsSpoken(selected)));
    }
    NameMarks(board, session);
}

void NameControls(Form1& form) {
    for (const ControlName& control : kControlNames) {
        if (auto* widget = form.findChild<QWidget*>(QString::fromUtf8(control.object))) {
            widget->setAccessibleName(QString::fromUtf8(control.name));
        }
    }
    // The date labels read their values; what each value is goes in the description.
    for (const ControlName& label : kDateLabelRoles) {
        if (auto* widget = form.findChild<QWidget*>(QString::fromUtf8(label.object))) {
            widget->setAccessibleDescription(QString::fromUtf8(label.name));
        }
    }
    NameBoard(form.board(), form.session());
}

}  // namespace velmora
