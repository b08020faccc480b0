#include "ui/board/ChartFill.h"

#include <QStringList>

#include <string_view>

#include "calendar/LunarText.h"
#include "chart/NatalChart.h"

namespace velmora {

namespace {

constexpr int kStemLine = 1;
constexpr int kBranchLine = 2;
constexpr int kPalaceLine = 3;
constexpr int kBodyPalaceField = 13;
constexpr int kBureauLine = 4;
constexpr int kLeapMonth = 2;             // LeapKind of a leap month
constexpr int kMajorLimitYears = 10;
const QString kLineBreak = QStringLiteral("\r\n");
const QString kIdeographicSpace = QStringLiteral("\u3000");

enum class Target { Lab04, Lab05, Lab06, Lab08, Lab10 };

// Columns: first and last star number, name-list line, the field's offset
// from the star number, label, brightness shown, separator after the entry,
// one star a row.
struct StarGroup {
    int first;
    int last;
    int line;
    int offset;
    Target target;
    bool brightness;
    bool ideographicSeparator;
    bool ownRow;
};
constexpr std::array<StarGroup, 8> kStarGroups{{
    {1, 14, 5, 0, Target::Lab04, true, true, true},
    {15, 22, 5, 0, Target::Lab04, true, true, true},
    {23, 28, 5, 0, Target::Lab04, true, false, true},
    {29, 53, 6, 28, Target::Lab05, true, false, false},
    {54, 65, 7, 53, Target::Lab10, false, false, false},
    {66, 67, 8, 65, Target::Lab08, false, false, false},
    {68, 79, 9, 67, Target::Lab06, false, false, false},
    {80, 91, 10, 79, Target::Lab06, false, false, false},
}};

const StarGroup* GroupOf(int star) {
    for (const StarGroup& group : kStarGroups) {
        if (star >= group.first && star <= group.last) {
            return &group;
        }
    }
    return nullptr;
}

QString& TextOf(PalaceTexts& texts, Target target) {
    switch (target) {
    case Target::Lab04: return texts.Lab04;
    case Target::Lab05: return texts.Lab05;
    case Target::Lab06: return texts.Lab06;
    case Target::Lab08: return texts.Lab08;
    case Target::Lab10: return texts.Lab10;
    }
    return texts.Lab07;
}

// A star-list item as a star number 1..110, or 0 for an empty or other item.
int StarNumberOf(const QString& item) {
    bool ok = false;
    const int star = item.toInt(&ok);
    return ok && star >= 1 && star <= kStarRows ? star : 0;
}

QString BrightnessText(const ChartState& chart, const BrightnessTable& brightness, int star) {
    const int level = chart.StarTable[static_cast<std::size_t>(star)].level;
    if (level < 1 || level > kLevelCount) {
        return {};
    }
    return QStringLiteral(" ") + QString::fromStdString(brightness.LevelNames[static_cast<std::size_t>(level)]);
}

void FillStars(PalaceTexts& texts, const std::string& starList, const ChartState& chart, const NameList& names,
               const BrightnessTable& brightness) {
    int rows = 0;
    const QStringList items = QString::fromStdString(starList).split(QLatin1Char(' '));
    for (const QString& item : items) {
        const int star = StarNumberOf(item);
        const StarGroup* group = star > 0 ? GroupOf(star) : nullptr;
        if (group == nullptr) {
            continue;  // an empty item, or a star that is not shown on the board
        }
        QString& text = TextOf(texts, group->target);
        if (group->ownRow && ++rows > 1) {
            text += kLineBreak;
        }
        text += NameOf(names, group->line, star - group->offset);
        if (group->brightness) {
            text += BrightnessText(chart, brightness, star);
        }
        text += group->ideographicSeparator ? kIdeographicSpace : QStringLiteral(" ");
    }
}

// The range of ten years starting at `from`.
QString MajorLimitText(int from) {
    return NumberText(from) + QStringLiteral("  -  ") + NumberText(from + kMajorLimitYears - 1) +
           QStringLiteral("   ");
}

QString PillarText(const NameList& names, int stem, int branch) {
    return NameOf(names, kStemLine, stem) + NameOf(names, kBranchLine, branch);
}

}  // namespace

QString Utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString NumberText(int number) {
    return number < 0 ? QString::number(number) : QStringLiteral(" ") + QString::number(number);
}

QString NameOf(const NameList& names, int line, int field) { return QString::fromStdString(names.at(line, field)); }

QString StarText(const NameList& names, int star) { return QString::fromStdString(velmora::StarName(names, star)); }

BoardTexts FillPalaces(const BirthInput& birth, const ChartState& chart, const NameList& names,
                       const BrightnessTable& brightness, std::int16_t bureauNumber) {
    BoardTexts board;
    const int number = BureauNumberOf(chart.BureauIndex);
    board.BureauNumber = number > 0 ? static_cast<std::int16_t>(number) : bureauNumber;
    const PalaceRow& body = chart.PalaceTable[kBodyPalaceRow];
    // The engine counts from the bureau's number; a bureau index that names
    // none leaves the number in force.
    const std::array<int, kBranches + 1> starts = MajorLimitStartAges(birth, chart);
    const int shift = board.BureauNumber - number;
    for (int branch = 1; branch <= kBranches; ++branch) {
        PalaceTexts& texts = board.palaces[static_cast<std::size_t>(branch - 1)];
        for (int k = 1; k <= kBranches; ++k) {
            const PalaceRow& palace = chart.PalaceTable[static_cast<std::size_t>(k)];
            if (palace.branch != branch) {
                continue;
            }
            texts.LAB01 = NameOf(names, kPalaceLine, k);
            if (body.branch == palace.branch) {
                *texts.LAB01 += QStringLiteral("、") + NameOf(names, kPalaceLine, kBodyPalaceField);
            }
            texts.LAB03 = PillarText(names, palace.stem, palace.branch);
            break;
        }
        FillStars(texts, chart.BranchStarList[static_cast<std::size_t>(branch)], chart, names, brightness);
        texts.Lab09 = MajorLimitText(starts[static_cast<std::size_t>(branch)] + shift);
    }
    return board;
}

QString NameWithMoment(const QString& personName, const QString& momentCaption) {
    return momentCaption.isEmpty() ? personName : personName + QStringLiteral("    （") + momentCaption + QStringLiteral("）");
}

CentreTexts RunTextLines(const BirthInput& birth, const ChartState& chart, const CalendarDay& day,
                         const NameList& names, const CentreWords& words, const ShownScript& shown) {
    const QString hour = NameOf(names, kBranchLine, birth.HourBranch);
    const QString month = shown.text(Utf8Text(LunarMonthText(birth.LunarMonth)));
    const QString lunarDay = shown.text(Utf8Text(LunarDayText(birth.LunarDay)));
    CentreTexts centre;
    centre.Label6_0 = QStringLiteral("    ") + words.personName;
    centre.Label6_2 = shown.text(QStringLiteral("西元  ")) + NumberText(birth.SolarYear) + shown.text(QStringLiteral(" 年 ")) +
                      NumberText(birth.SolarMonth) + shown.text(QStringLiteral(" 月 ")) + NumberText(birth.SolarDay) +
                      shown.text(QStringLiteral(" 日 ")) + hour + shown.text(QStringLiteral(" 時生"));
    centre.Label6_3 = words.yinYang + words.gender + QStringLiteral("  ") +
                      PillarText(names, birth.YearStem, birth.YearBranch) + shown.text(QStringLiteral(" 年 ")) +
                      (day.LeapKind == kLeapMonth ? shown.text(QStringLiteral("閏")) : QString()) + month +
                      shown.text(QStringLiteral(" 月 ")) + lunarDay + shown.text(QStringLiteral(" 日 ")) + hour + shown.text(QStringLiteral(" 時生"));
    centre.Label6_4 = shown.text(QStringLiteral("命局:  ")) + NameOf(names, kBureauLine, chart.BureauIndex) +
                      shown.text(QStringLiteral("      命主:  ")) + StarText(names, birth.LifeMaster) +
                      shown.text(QStringLiteral("        身主:  ")) + StarText(names, birth.BodyMaster) +
                      shown.text(QStringLiteral("        子年斗君: ")) + NameOf(names, kBranchLine, birth.DouJunBranch);
    // The 四柱 of the birth: year and month both counted from 立春.
    const Pillar& solarYear = day.Pillars.SolarYearPillar;
    const Pillar& solarMonth = day.Pillars.SolarMonthPillar;
    centre.Label6_5 = shown.text(QStringLiteral("年柱:   ")) + PillarText(names, solarYear.stem, solarYear.branch) +
                      shown.text(QStringLiteral("        月柱:   ")) + PillarText(names, solarMonth.stem, solarMonth.branch) +
                      shown.text(QStringLiteral("        日柱:   ")) + PillarText(names, birth.DayStem, birth.DayBranch) +
                      shown.text(QStringLiteral("        時柱:   ")) +
                      PillarText(names, birth.HourStem, birth.HourPillarBranch);
    return centre;
}

}  // namespace velmora
