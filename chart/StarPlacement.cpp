// PlaceStars: the branches of stars 1..91, the Dou Jun of the 子 year, the life
// and body masters, the per-branch star lists and the sixty-cycle table.

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "chart/DigitTables.h"
#include "chart/NatalChart.h"
#include "chart/StarRules.h"

namespace velmora {

namespace {

constexpr int kZiWei = 1;
constexpr int kTianFu = 7;
constexpr int kMaxBureauMultiple = 20;  // 紫微 is found within twenty bureau lengths of day 1
constexpr int kSixty = 60;

// Star number by year branch 子..亥. 命主: 貪狼 巨門 祿存 文曲 廉貞 武曲 破軍 武曲 廉貞
// 文曲 祿存 巨門. 身主: 火星 天相 天梁 天同 文昌 天機 鈴星 天相 天梁 天同 文昌 天機.
// 寅 and 戌 years take 祿存 (21), 卯 and 酉 years 文曲 (16) as life master, and
// 辰 and 戌 years 文昌 (15) as body master.
constexpr std::string_view kLifeMasterByBranch = "091021160604140406162110";
constexpr std::string_view kBodyMasterByBranch = "231112051502241112051502";

// Offsets from 紫微 of stars 2..6 (天機 太陽 武曲 天同 廉貞), and from 天府 of
// stars 8..14 (太陰 貪狼 巨門 天相 天梁 七殺 破軍).
constexpr int kZiWeiGroupOffsets[] = {-1, -3, -4, -5, -8};
constexpr int kTianFuGroupOffsets[] = {1, 2, 3, 4, 5, 6, 10};

constexpr int kHorseBranch = 7;  // 午
constexpr int kHuoXing = 23;

int LifeMasterOf(const BirthFacts& f) {
    const bool byLifePalace = f.conventions.lifeMaster() == LifeMasterRule::lifeBranch;
    return DigitPair(kLifeMasterByBranch, byLifePalace ? f.lifeBranch : f.yearBranch);
}

int BodyMasterOf(const BirthFacts& f) {
    if (f.yearBranch == kHorseBranch && f.conventions.bodyMasterWu() == BodyMasterWuRule::huoXing) return kHuoXing;
    return DigitPair(kBodyMasterByBranch, f.yearBranch);
}

int ZiWeiBranch(int bureauNumber, int lunarDay) {
    int k = 1;
    while (k < kMaxBureauMultiple && k * bureauNumber < lunarDay) ++k;
    const int e = k * bureauNumber - lunarDay;
    return PositiveMod(e, 2) == 0 ? k + 2 + e : k + 2 - e;
}

// "001 " .. "091 ": each star's entry in a branch list, the number in three
// digits and the blank that joins it to the next.
constexpr std::size_t kEntryWidth = 4;
using StarEntries = std::array<std::array<char, kEntryWidth>, kPlacedStars + 1>;
constexpr StarEntries MakeStarEntries() {
    StarEntries entries{};
    for (int star = 1; star <= kPlacedStars; ++star) {
        entries[star] = {static_cast<char>('0' + star / 100), static_cast<char>('0' + star / 10 % 10),
                         static_cast<char>('0' + star % 10), ' '};
    }
    return entries;
}
constexpr StarEntries kStarEntries = MakeStarEntries();

// The lists are gathered in fixed rooms first, each through a cursor of its
// own, and each string set once by one append (no clearing of room it then
// overwrites): growing twelve strings four bytes at a time cost more than
// placing the stars.
void BuildBranchStarList(ChartState& chart) {
    constexpr std::size_t kRoomBytes = kPlacedStars * kEntryWidth;
    std::array<std::array<char, kRoomBytes>, kBranches + 1> lists;
    std::array<char*, kBranches + 1> ends;
    for (int b = 1; b <= kBranches; ++b) ends[b] = lists[b].data();
    for (int star = 1; star <= kPlacedStars; ++star) {
        const int branch = chart.StarTable[star].branch;
        if (branch < 1 || branch > kBranches) continue;
        std::memcpy(ends[branch], kStarEntries[star].data(), kEntryWidth);
        ends[branch] += kEntryWidth;
    }
    for (int b = 1; b <= kBranches; ++b) {
        const auto used = static_cast<std::size_t>(ends[b] - lists[b].data());
        std::string& list = chart.BranchStarList[b];
        list.clear();
        list.append(lists[b].data(), used == 0 ? 0 : used - 1);  // without the trailing blank
    }
}

using SexagenaryRows = decltype(ChartState::SexagenaryTable);
constexpr SexagenaryRows MakeSexagenaryTable() {
    SexagenaryRows table{};
    for (int n = 1; n <= kSixty; ++n) {
        table[(n - 1) % kStems + 1][(n - 1) % kBranches + 1] = static_cast<std::int16_t>(n);
    }
    return table;
}
constexpr SexagenaryRows kSexagenaryTable = MakeSexagenaryTable();

}  // namespace

BirthFacts GatherBirthFacts(const BirthInput& input, const ChartState& chart, const Conventions& conventions) {
    BirthFacts f;
    f.conventions = conventions;
    f.month = input.LunarMonth;
    f.day = input.LunarDay;
    f.hourBranch = input.HourBranch;
    f.hourPillar = input.HourPillarBranch;
    f.yearStem = input.YearStem;
    f.yearBranch = input.YearBranch;
    f.lunarYear = input.LunarYear;
    f.lifeBranch = chart.PalaceTable[1].branch;
    // The life palace stands on m' + 3 - H, so m' (reduced into 1..12) is read back from it.
    if (conventions.leapScope() == LeapScopeRule::all) f.month = ReduceBranch(f.lifeBranch - 3 + f.hourPillar);
    f.bodyBranch = chart.PalaceTable[kBodyPalaceRow].branch;
    f.bureauIndex = chart.BureauIndex;
    f.forward = input.YinYang == input.Gender;
    return f;
}

void PlaceZiWeiAndTianFu(const BirthFacts& facts, ChartState& chart) {
    PutStar(chart, kZiWei, ZiWeiBranch(BureauNumberOf(facts.bureauIndex), facts.day));
    const int ziWei = StarBranch(chart, kZiWei);
    int star = kZiWei + 1;
    for (const int offset : kZiWeiGroupOffsets) PutStar(chart, star++, ziWei + offset);
    // 天府 mirrors 紫微 across the 寅-申 axis.
    PutStar(chart, kTianFu, 6 - ziWei);
    const int tianFu = StarBranch(chart, kTianFu);
    star = kTianFu + 1;
    for (const int offset : kTianFuGroupOffsets) PutStar(chart, star++, tianFu + offset);
}

void PlaceStars(BirthInput& input, ChartState& chart, const Conventions& conventions) {
    const BirthFacts facts = GatherBirthFacts(input, chart, conventions);
    PlaceZiWeiAndTianFu(facts, chart);
    PlaceMinorStars(facts, chart);
    PlaceCycleStars(facts, chart);

    input.DouJunBranch = static_cast<std::int16_t>(ReduceBranch(facts.hourPillar - facts.month + 1));
    input.LifeMaster = static_cast<std::int16_t>(LifeMasterOf(facts));
    input.BodyMaster = static_cast<std::int16_t>(BodyMasterOf(facts));
    BuildBranchStarList(chart);
    // Stem and branch advance together from 甲子; the unlike-parity pairs stay 0.
    chart.SexagenaryTable = kSexagenaryTable;
}

}  // namespace velmora
