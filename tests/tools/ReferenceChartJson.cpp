#include "tests/tools/ReferenceChartJson.h"

#include <array>

#include "calendar/CalendarDay.h"
#include <charconv>

namespace velmora::tool::reference {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kFirstNonAscii = 0x80;

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// when it is not one (stray continuation bytes, overlong forms, surrogates,
// code points past U+10FFFF, cut sequences).
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;        // no overlong forms
        else if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        else if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    }
    if (length == 0 || text.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

void AppendEscapedControl(std::string& out, unsigned char c) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    switch (c) {
        case '\n': out.append("\\n"); return;
        case '\r': out.append("\\r"); return;
        case '\t': out.append("\\t"); return;
        default: break;
    }
    out.append("\\u00");
    out.push_back(kHex[c >> 4]);
    out.push_back(kHex[c & 0xF]);
}

}  // namespace

ReferenceWriter& ReferenceWriter::number(int value) {
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out_.append(digits.data(), end);
    return *this;
}

ReferenceWriter& ReferenceWriter::string(std::string_view text) {
    out_.push_back('"');
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= kFirstNonAscii) {
            const std::size_t length = SequenceLength(text.substr(i));
            if (length == 0) {
                out_.append(kReplacementCharacter);
                ++i;
            } else {
                out_.append(text.substr(i, length));
                i += length;
            }
            continue;
        }
        if (c < kFirstPrintable || c == 0x7F) AppendEscapedControl(out_, c);
        else if (c == '"' || c == '\\') out_.append({'\\', static_cast<char>(c)});
        else out_.push_back(static_cast<char>(c));
        ++i;
    }
    out_.push_back('"');
    return *this;
}

ReferenceWriter& ReferenceWriter::pair(int first, int second) {
    raw('[').number(first).raw(',').number(second).raw(']');
    return *this;
}


namespace {

void AppendPillar(ReferenceWriter& json, std::string_view key, const Pillar& pillar) {
    json.raw(key).pair(pillar.stem, pillar.branch);
}

void AppendQuartet(ReferenceWriter& json, const StarQuartet& stars) {
    json.raw('[');
    for (int k = 0; k < kTransformationCount; ++k) {
        if (k > 0) json.raw(',');
        json.number(stars[k]);
    }
    json.raw(']');
}

void AppendPalaces(ReferenceWriter& json, const ChartState& chart) {
    json.raw(",\"palaces\":[");
    for (int row = 1; row <= kPalaceRows; ++row) {
        if (row > 1) json.raw(',');
        json.pair(chart.PalaceTable[row].stem, chart.PalaceTable[row].branch);
    }
    json.raw("],\"bureauIndex\":").number(chart.BureauIndex);
}

void AppendStars(ReferenceWriter& json, const ChartState& chart) {
    json.raw(",\"stars\":[");
    for (int star = 1; star <= kPlacedStars; ++star) {
        if (star > 1) json.raw(',');
        json.pair(chart.StarTable[star].branch, chart.StarTable[star].level);
    }
    json.raw("],\"branchStarList\":[");
    for (int branch = 1; branch <= kBranches; ++branch) {
        if (branch > 1) json.raw(',');
        json.string(chart.BranchStarList[branch]);
    }
    json.raw(']');
}

void AppendNatal(ReferenceWriter& json, const ChartResult& r) {
    json.raw("\"chart\":{\"gender\":").number(r.birth.Gender);
    json.raw(",\"yinYang\":").number(r.birth.YinYang);
    AppendPalaces(json, r.chart);
    json.raw(",\"bureauNumber\":").number(r.bureauNumber);
    AppendStars(json, r.chart);
    json.raw(",\"douJunBranch\":").number(r.birth.DouJunBranch);
    json.raw(",\"lifeMaster\":").number(r.birth.LifeMaster);
    json.raw(",\"bodyMaster\":").number(r.birth.BodyMaster);
    json.raw(",\"majorLimitStart\":[");
    for (int branch = 1; branch <= kBranches; ++branch) {
        if (branch > 1) json.raw(',');
        json.number(r.majorLimitStart[branch]);
    }
    json.raw("],\"transformations\":");
    AppendQuartet(json, r.transformations);
    json.raw('}');
}

void AppendLayer(ReferenceWriter& json, const LayerResult& layer) {
    json.raw("\"layer\":{\"index\":").number(layer.index).raw(",\"calendar\":");
    AppendCalendarJson(json, layer.shown);
    json.raw(",\"nominalAge\":").number(layer.nominalAge);
    json.raw(",\"focusBranch\":").number(layer.focusBranch);
    json.raw(",\"markStem\":").number(layer.markStem);
    json.raw(",\"transformations\":");
    AppendQuartet(json, layer.transformations);
    json.raw(",\"flowingStars\":[");
    bool first = true;
    for (const FlowingStar& star : layer.flowingStars) {
        if (!first) json.raw(',');
        first = false;
        json.raw('[').string(star.name).raw(',').number(star.branch).raw(']');
    }
    json.raw("]}");
}

}  // namespace

void AppendCalendarJson(ReferenceWriter& json, const CalendarDay& day) {
    json.raw("{\"solar\":[").number(day.SolarYear).raw(',').number(day.SolarMonth).raw(',').number(day.SolarDay);
    json.raw("],\"clockHour\":").number(day.ClockHour);
    json.raw(",\"lunar\":[").number(day.LunarYear).raw(',').number(day.LunarMonth).raw(',').number(day.LunarDay);
    json.raw("],\"leapKind\":").number(day.LeapKind);
    json.raw(",\"leapMonthDigit\":").string(std::string_view(&day.LeapMonthDigit, day.LeapMonthDigit != '\0' ? 1 : 0));
    json.raw(",\"hourBranch\":").number(day.HourBranch);
    const PillarTable& p = day.Pillars;
    AppendPillar(json, ",\"pillars\":{\"year\":", p.YearPillar);
    AppendPillar(json, ",\"month\":", p.MonthPillar);
    AppendPillar(json, ",\"day\":", p.DayPillar);
    AppendPillar(json, ",\"hour\":", p.HourPillar);
    AppendPillar(json, ",\"solarYear\":", p.SolarYearPillar);
    AppendPillar(json, ",\"solarMonth\":", p.SolarMonthPillar);
    json.raw("}");
    if (IsUncertainCalendarDay(day)) json.raw(",\"uncertainDay\":true");
    json.raw("}");
}

void AppendChartJson(const ChartResult& result, std::string& out) {
    ReferenceWriter json(out);
    json.raw("{\"calendar\":");
    AppendCalendarJson(json, result.birthDay);
    json.raw(',');
    AppendNatal(json, result);
    if (result.layer) {
        json.raw(',');
        AppendLayer(json, *result.layer);
    }
    // Every chart names the school it was cast in, each switch by its value.
    json.raw(",\"conventions\":{");
    for (const ConventionSwitch& each : ConventionSwitches()) {
        if (each.key != ConventionSwitches().front().key) json.raw(',');
        json.string(std::string(each.name)).raw(':').string(std::string(ConventionValueName(result.conventions, each.key)));
    }
    json.raw("}}");
}

}  // namespace velmora::tool::reference
