#include "chart/ReferenceData.h"

#include <array>
#include <utility>

namespace velmora {

namespace {

bool InNameTable(int line, int field) {
    return line >= 1 && line <= kNameLines && field >= 1 && field <= kNameFields;
}

// The period labels of the main window's hour selector: branch, two blanks, clock range.
constexpr std::string_view kHourLabelText =
    "子  (23:00-00:59),丑  (01:00-02:59),寅  (03:00-04:59),卯  (05:00-06:59),"
    "辰  (07:00-08:59),巳  (09:00-10:59),午  (11:00-12:59),未  (13:00-14:59),"
    "申  (15:00-16:59),酉  (17:00-18:59),戌  (19:00-20:59),亥  (21:00-22:59),"
    "子  (23:00-00:59)";

// Name-list lines.
constexpr int kStemLine = 1;
constexpr int kBranchLine = 2;
constexpr int kPalaceLine = 3;
constexpr int kBureauLine = 4;

// Star groups: first star, last star, the name-list line naming them.
struct StarGroup {
    int first;
    int last;
    int line;
};
constexpr std::array<StarGroup, 6> kStarGroups = {{
    {1, 28, 5}, {29, 53, 6}, {54, 65, 7}, {66, 67, 8}, {68, 79, 9}, {80, 91, 10},
}};

}  // namespace

const std::string& StemName(const NameList& names, int stem) { return names.at(kStemLine, stem); }
const std::string& BranchName(const NameList& names, int branch) { return names.at(kBranchLine, branch); }
const std::string& PalaceName(const NameList& names, int palace) { return names.at(kPalaceLine, palace); }
const std::string& BureauName(const NameList& names, int bureauIndex) { return names.at(kBureauLine, bureauIndex); }

const std::string& StarName(const NameList& names, int star) {
    for (const StarGroup& group : kStarGroups) {
        if (star >= group.first && star <= group.last) return names.at(group.line, star - group.first + 1);
    }
    return names.at(0, 0);  // outside the table: the empty word
}

const std::string& NameList::at(int line, int field) const {
    static const std::string kEmpty;
    return InNameTable(line, field) ? entries[line - 1][field - 1] : kEmpty;
}

bool NameList::set(int line, int field, std::string text) {
    if (!InNameTable(line, field)) return false;
    entries[line - 1][field - 1] = std::move(text);
    return true;
}

HourLabels MakeHourLabels() {
    HourLabels labels{};
    std::string_view rest = kHourLabelText;
    for (int k = 1; k <= kHourLabelCount; ++k) {
        const auto comma = rest.find(',');
        labels[k] = std::string(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
    return labels;
}

}  // namespace velmora
