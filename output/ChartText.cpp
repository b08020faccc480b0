#include "output/ChartText.h"

#include "output/ConventionWords.h"

#include "calendar/CalendarDay.h"
#include "calendar/LunarText.h"
#include "output/ChartWords.h"
#include "output/ReadingText.h"

namespace velmora::tool {

namespace {

constexpr std::string_view kIdeographicSpace = "　";
constexpr std::string_view kIndent = "　　";
constexpr std::string_view kBodyMark = "、";
constexpr std::string_view kRangeDash = "  -  ";
constexpr int kBodyPalaceWord = 13;       // name-list field of the body-palace word
constexpr int kLastMajorStar = 28;        // stars 1..28 stand one a row on the board
constexpr int kLastLevelledStar = 53;     // stars 29..53 show their brightness too
constexpr int kDecadeSpan = 9;            // a decade covers its first age and nine more

// The stars of one palace in the board's three groups.
struct PalaceStars {
    std::string major;   // 1..28, brightness and birth-year transformations
    std::string minor;   // 29..53, brightness
    std::string cycles;  // 54..91, names only
};

void Join(std::string& text, std::string_view separator, std::string_view entry) {
    if (!text.empty()) text += separator;
    text += entry;
}

std::string StarEntry(int star, const ChartResult& r, const ReferenceTables& words) {
    std::string entry = StarName(words.names, star);
    const std::string& level = LevelWord(words.brightness, r.chart.StarTable[star].level);
    if (star <= kLastLevelledStar && !level.empty()) entry += " " + level;
    if (star > kLastMajorStar) return entry;
    for (int k = 0; k < kTransformationCount; ++k)
        if (r.transformations[k] == star) entry += std::string(" 化") + std::string(TransformationWord(k));
    return entry;
}

PalaceStars StarsOn(int branch, const ChartResult& r, const ReferenceTables& words) {
    PalaceStars stars;
    for (int star = 1; star <= kPlacedStars; ++star) {
        if (r.chart.StarTable[star].branch != branch) continue;
        const std::string entry = StarEntry(star, r, words);
        if (star <= kLastMajorStar) Join(stars.major, kIdeographicSpace, entry);
        else if (star <= kLastLevelledStar) Join(stars.minor, " ", entry);
        else Join(stars.cycles, " ", entry);
    }
    return stars;
}

void AppendIndented(std::string& out, const std::string& line) {
    if (line.empty()) return;
    out.append(kIndent).append(line).append("\n");
}

void AppendPalace(std::string& out, int palace, const ChartResult& r, const ReferenceTables& words) {
    const PalaceRow& row = r.chart.PalaceTable[palace];
    out += PalaceName(words.names, palace);
    if (r.chart.PalaceTable[kBodyPalaceRow].branch == row.branch)
        out.append(kBodyMark).append(PalaceName(words.names, kBodyPalaceWord));
    out.append(kIdeographicSpace).append(PillarName(words.names, Pillar{row.stem, row.branch}));
    const int start = row.branch >= 1 && row.branch <= kBranches ? r.majorLimitStart[row.branch] : 0;
    out.append("　大限").append(NumberText(start)).append(kRangeDash).append(NumberText(start + kDecadeSpan));
    out += "\n";
    const PalaceStars stars = StarsOn(row.branch, r, words);
    AppendIndented(out, stars.major);
    AppendIndented(out, stars.minor);
    AppendIndented(out, stars.cycles);
}

std::string Transformations(int stem, const StarQuartet& stars, const NameList& names) {
    std::string text = StemName(names, stem);
    for (int k = 0; k < kTransformationCount; ++k)
        text.append("  ").append(StarName(names, stars[k])).append("化").append(TransformationWord(k));
    return text;
}

// A day whose lunar date or month pillar the tables cannot settle, and the quiet note
// that before 1912 the lunar date is the Qing almanac's.
void AppendCalendarNotes(std::string& out, const CalendarDay& day) {
    if (IsUncertainCalendarDay(day)) {
        out += kUncertainDayNotice;
        out += '\n';
    }
    if (FollowsQingAlmanac(day.SolarYear)) {
        out += kQingAlmanacNote;
        out += '\n';
    }
}

// The centre lines of the board, the owner's name left out.
void AppendSummary(std::string& out, const ChartResult& r, const ReferenceTables& words) {
    const NameList& n = words.names;
    const BirthInput& b = r.birth;
    const std::string hour = BranchName(n, b.HourBranch);
    out += "西元  " + NumberText(b.SolarYear) + " 年 " + NumberText(b.SolarMonth) + " 月 " + NumberText(b.SolarDay) +
           " 日 " + hour + " 時生\n";
    out.append(YinYangWord(b.YinYang)).append(GenderWord(b.Gender)).append("  ");
    out += StemName(n, b.YearStem) + BranchName(n, b.YearBranch) + " 年 ";
    if (r.birthDay.LeapKind == kLeapKindLeapMonth) out += "閏";
    out.append(LunarMonthText(b.LunarMonth)).append(" 月 ").append(LunarDayText(b.LunarDay));
    out += " 日 " + hour + " 時生\n";
    out += "命局:  " + BureauName(n, r.chart.BureauIndex) + "      命主:  " + StarName(n, b.LifeMaster) +
           "        身主:  " + StarName(n, b.BodyMaster) + "        子年斗君: " + BranchName(n, b.DouJunBranch) + "\n";
    const PillarTable& p = r.birthDay.Pillars;
    // The 四柱 of the birth: year and month both counted from 立春.
    out += "年柱:   " + PillarName(n, p.SolarYearPillar) + "        月柱:   " + PillarName(n, p.SolarMonthPillar) +
           "        日柱:   " + PillarName(n, p.DayPillar) + "        時柱:   " + PillarName(n, p.HourPillar) + "\n";
    out += "生年四化:  " + Transformations(b.YearStem, r.transformations, n) + "\n";
    AppendCalendarNotes(out, r.birthDay);
}

std::string PalaceOnBranch(int branch, const ChartState& chart, const NameList& names) {
    for (int palace = 1; palace <= kBranches; ++palace)
        if (chart.PalaceTable[palace].branch == branch) return PalaceName(names, palace);
    return {};
}

void AppendLayer(std::string& out, const LayerResult& layer, const ChartResult& r, const NameList& n) {
    const CalendarDay& d = layer.shown;
    out.append(LayerName(layer.index)).append(":  ");
    out += "西元  " + NumberText(d.SolarYear) + " 年 " + NumberText(d.SolarMonth) + " 月 " + NumberText(d.SolarDay) +
           " 日 " + BranchName(n, d.HourBranch) + " 時   " + NumberText(layer.nominalAge) + " 歲\n";
    out += "宮位:  " + BranchName(n, layer.focusBranch) + " " + PalaceOnBranch(layer.focusBranch, r.chart, n) + "\n";
    out += "四化:  " + Transformations(layer.markStem, layer.transformations, n) + "\n";
    if (layer.flowingStars.empty()) return;
    out += "流曜:";
    for (const FlowingStar& star : layer.flowingStars) out += "  " + star.name + " " + BranchName(n, star.branch);
    out += "\n";
}

// One line a palace, from the life palace on.
void AppendFlights(std::string& out, const std::vector<FlyingTransformation>& flights, const ChartResult& r,
                   const NameList& n) {
    out += "飛化:\n";
    for (int palace = 1; palace <= kBranches; ++palace) {
        std::vector<FlyingTransformation> from;
        for (const FlyingTransformation& f : flights)
            if (f.from == r.chart.PalaceTable[palace].branch) from.push_back(f);
        AppendIndented(out, FlightsText(from, r.chart, n));
    }
}

}  // namespace

std::string NumberText(int number) { return number < 0 ? std::to_string(number) : " " + std::to_string(number); }

std::string ChartText(const ChartResult& result, const ReferenceTables& words) {
    std::string out;
    for (int palace = 1; palace <= kBranches; ++palace) AppendPalace(out, palace, result, words);
    out += "\n";
    AppendSummary(out, result, words);
    // A chart cast in another school says so; Velmora's own rules go unnamed.
    if (const std::string school = SchoolCaption(result.conventions); !school.empty()) out += "流派：" + school + "\n";
    if (result.layer) {
        out += "\n";
        AppendLayer(out, *result.layer, result, words.names);
    }
    if (result.flying) {
        out += "\n";
        AppendFlights(out, *result.flying, result, words.names);
    }
    if (result.flyingReading) out += FlyingReadingText(*result.flyingReading, result, words.names);
    AppendReadingText(out, result, words.names);
    return out;
}

}  // namespace velmora::tool
