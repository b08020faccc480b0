#include "chart/ReferenceData.h"

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

}  // namespace

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
