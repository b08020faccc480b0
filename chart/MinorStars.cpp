// Stars 15..53: those placed by the birth hour, month, day, year stem and year
// branch, and by the life and body palaces.

#include <array>
#include <string_view>

#include "chart/DigitTables.h"
#include "chart/StarRules.h"

namespace velmora {

namespace {

// By year stem 1..10.
constexpr std::string_view kJieLuByStem = "09070503010907050301";    // 截空, first of the pair
constexpr std::string_view kKongWangByStem = "10080604021008060402"; // 截空, second of the pair
// By (year branch mod 4) + 1, i.e. 卯未亥, 子辰申, 丑巳酉, 寅午戌.
constexpr std::string_view kTianMaByTrine = "06031209";   // 天馬
constexpr std::string_view kXianChiByTrine = "01100704";  // 咸池
// By lunar month 1..12.
constexpr std::string_view kYinShaByMonth = "030111090705030111090705";  // 陰煞

// Columns: (year branch mod 4) + 1 as above; values: offset from the hour branch
// for 火星 and for 鈴星.
constexpr std::array<int, 5> kHuoXingOffset = {0, 9, 2, 3, 1};
constexpr std::array<int, 5> kLingXingOffset = {0, 10, 10, 10, 3};

// Columns: season of the year branch, 0 亥子丑, 1 寅卯辰, 2 巳午未, 3 申酉戌; values:
// branch of 孤辰 and of 寡宿.
constexpr std::array<int, 4> kGuChenBySeason = {3, 6, 9, 12};
constexpr std::array<int, 4> kGuaSuBySeason = {11, 2, 5, 8};

// Columns: year branch mod 3 (0 寅巳申亥, 1 子卯午酉, 2 丑辰未戌); value: branch of 破碎.
constexpr std::array<int, 3> kPoSuiByRemainder = {10, 6, 2};

constexpr int kFriendsPalace = 8;  // 交友: 天傷 stands on its branch
constexpr int kHealthPalace = 6;   // 疾厄: 天使 stands on its branch

int TrineColumn(int yearBranch) { return PositiveMod(yearBranch, 4) + 1; }
int SeasonColumn(int yearBranch) { return PositiveMod(yearBranch, kBranches) / 3; }

void PlaceByHourAndMonth(const BirthFacts& f, ChartState& chart) {
    PutStar(chart, 15, 12 - f.hourBranch);  // 文昌
    PutStar(chart, 16, f.hourBranch + 4);   // 文曲
    PutStar(chart, 17, f.month + 4);        // 左輔
    PutStar(chart, 18, 12 - f.month);       // 右弼
    const int trine = TrineColumn(f.yearBranch);
    PutStar(chart, 23, f.hourPillar + kHuoXingOffset[trine]);   // 火星
    PutStar(chart, 24, f.hourPillar + kLingXingOffset[trine]);  // 鈴星
    PutStar(chart, 27, 13 - f.hourPillar);  // 地空
    PutStar(chart, 28, f.hourPillar + 11);  // 地劫
    PutStar(chart, 33, f.month + 9);        // 天刑
    PutStar(chart, 34, f.month + 1);        // 天姚
    PutStar(chart, 44, DigitPair(kYinShaByMonth, f.month));
    PutStar(chart, 48, f.hourPillar + 6);   // 台輔
    PutStar(chart, 49, f.hourPillar + 2);   // 封誥
}

void PlaceByYearStem(const BirthFacts& f, ChartState& chart) {
    PutStar(chart, 19, DigitPair(kTianKuiByStem, f.yearStem));
    PutStar(chart, 20, DigitPair(kTianYueByStem, f.yearStem));
    PutStar(chart, 21, DigitPair(kLuCunByStem, f.yearStem));
    PutStar(chart, 25, StarBranch(chart, 21) + 1);  // 擎羊
    PutStar(chart, 26, StarBranch(chart, 21) - 1);  // 陀羅
    PutStar(chart, 29, DigitPair(kJieLuByStem, f.yearStem));
    PutStar(chart, 30, DigitPair(kKongWangByStem, f.yearStem));
    // Schools that keep one 截空 star keep the first for a yang stem, the second for a yin one.
    if (f.conventions.jieKong() == JieKongRule::single) UnplaceStar(chart, f.yearStem % 2 == 1 ? 30 : 29);
}

void PlaceByYearBranch(const BirthFacts& f, ChartState& chart) {
    const int yb = f.yearBranch;
    PutStar(chart, 22, DigitPair(kTianMaByTrine, TrineColumn(yb)));
    PutStar(chart, 35, 5 - yb);                         // 紅鸞
    PutStar(chart, 36, StarBranch(chart, 35) - 6);      // 天喜
    PutStar(chart, 37, yb + 4);                         // 龍池
    PutStar(chart, 38, 12 - yb);                        // 鳳閣
    // 天虛 and 天哭 follow the year branch, not the year stem: both stand on 午 in a
    // 子 year, 天虛 then moving forward with the year branch and 天哭 backward.
    PutStar(chart, 39, yb + 6);
    PutStar(chart, 40, 8 - yb);
    PutStar(chart, 41, DigitPair(kXianChiByTrine, TrineColumn(yb)));
    PutStar(chart, 42, kGuChenBySeason[SeasonColumn(yb)]);
    PutStar(chart, 43, kGuaSuBySeason[SeasonColumn(yb)]);
    PutStar(chart, 45, kPoSuiByRemainder[PositiveMod(yb, 3)]);
}

void PlaceByDayAndPalaces(const BirthFacts& f, ChartState& chart) {
    // Some schools swap 天傷 and 天使 when the year's yin-yang differs from the gender.
    const bool swap = f.conventions.tianShang() == TianShangRule::swap && !f.forward;
    PutStar(chart, 31, chart.PalaceTable[swap ? kHealthPalace : kFriendsPalace].branch);  // 天傷
    PutStar(chart, 32, chart.PalaceTable[swap ? kFriendsPalace : kHealthPalace].branch);  // 天使
    PutStar(chart, 46, StarBranch(chart, 17) + f.day - 1);  // 三台, from 左輔
    PutStar(chart, 47, StarBranch(chart, 18) - f.day + 1);  // 八座, from 右弼
    PutStar(chart, 50, StarBranch(chart, 15) + f.day - 2);  // 恩光, from 文昌
    PutStar(chart, 51, StarBranch(chart, 16) + f.day - 2);  // 天貴, from 文曲
    PutStar(chart, 52, f.lifeBranch + f.yearBranch - 1);    // 天才
    PutStar(chart, 53, f.bodyBranch + f.yearBranch - 1);    // 天壽
}

}  // namespace

void PlaceMinorStars(const BirthFacts& facts, ChartState& chart) {
    PlaceByHourAndMonth(facts, chart);
    PlaceByYearStem(facts, chart);
    PlaceByYearBranch(facts, chart);
    PlaceByDayAndPalaces(facts, chart);
}

}  // namespace velmora
