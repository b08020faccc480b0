// The flowing stars of the minor-limit, year, month, day and hour layers, in
// the order they are written onto their branches' lines.

#include <array>
#include <string_view>

#include "chart/DigitTables.h"
#include "chart/NatalChart.h"
#include "chart/TimeLayers.h"

namespace velmora {

namespace {

// By year stem 甲..癸: 流昌 and 流曲.
constexpr std::string_view kFlowingChangByStem = "06070910091012010304";
constexpr std::string_view kFlowingQuByStem = "10090706070604030112";

// Rows: year branch mod 4 (0 卯未亥, 1 子辰申, 2 丑巳酉, 3 寅午戌); columns: branches
// of 奏書, 將軍, 直符.
constexpr std::array<std::array<int, 3>, 4> kYearGodsByTrine = {{{9, 1, 5}, {6, 10, 2}, {3, 7, 11}, {12, 4, 8}}};

bool IsStem(int stem) { return stem >= 1 && stem <= kStems; }
bool IsBranch(int branch) { return branch >= 1 && branch <= kBranches; }

// How many stars a year (or minor limit, month) and a day (or hour) layer
// flows: the vectors are made at their size at once.
constexpr std::size_t kYearStarCount = 8;
constexpr std::size_t kDayStarCount = 5;

// 流祿 on the stem's 祿存 branch, 流羊 one forward, 流陀 one backward.
void AppendLuYangTuo(int stem, std::vector<FlowingStar>& stars) {
    const int lu = DigitPair(kLuCunByStem, stem);
    stars.push_back({"流祿", ReduceBranch(lu)});
    stars.push_back({"流羊", ReduceBranch(lu + 1)});
    stars.push_back({"流陀", ReduceBranch(lu - 1)});
}

std::vector<FlowingStar> YearStars(const Pillar& year) {
    std::vector<FlowingStar> stars;
    if (!IsStem(year.stem) || !IsBranch(year.branch)) return stars;  // no date computed
    stars.reserve(kYearStarCount);
    AppendLuYangTuo(year.stem, stars);
    stars.push_back({"流昌", ReduceBranch(DigitPair(kFlowingChangByStem, year.stem))});
    stars.push_back({"流曲", ReduceBranch(DigitPair(kFlowingQuByStem, year.stem))});
    const auto& gods = kYearGodsByTrine[year.branch % 4];
    stars.push_back({"奏書", gods[0]});
    stars.push_back({"將軍", gods[1]});
    stars.push_back({"直符", gods[2]});
    return stars;
}

std::vector<FlowingStar> DayStars(int dayStem) {
    std::vector<FlowingStar> stars;
    if (!IsStem(dayStem)) return stars;  // no date computed
    stars.reserve(kDayStarCount);
    AppendLuYangTuo(dayStem, stars);
    stars.push_back({"流魁", ReduceBranch(DigitPair(kTianKuiByStem, dayStem))});
    stars.push_back({"流鉞", ReduceBranch(DigitPair(kTianYueByStem, dayStem))});
    return stars;
}

}  // namespace

std::optional<std::vector<FlowingStar>> FlowingStars(int layerIndex, const CalendarDay& shown,
                                                     const Conventions& conventions) {
    switch (static_cast<Layer>(layerIndex)) {
        case Layer::MinorLimit:
        case Layer::Year:
        case Layer::Month: return YearStars(FlowingYearPillar(shown, conventions));
        // The day and hour layers both go by the day stem.
        case Layer::Day:
        case Layer::Hour: return DayStars(shown.Pillars.DayPillar.stem);
        case Layer::Natal:
        case Layer::Decade: break;
    }
    return std::nullopt;
}

}  // namespace velmora
