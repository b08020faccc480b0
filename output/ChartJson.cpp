#include "output/ChartJson.h"

#include "output/ReadingJson.h"

#include "calendar/CalendarDay.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace velmora::tool {

namespace {

// Room for the keys and scalars of one run: every run below holds fewer than
// 200 bytes of keys and a dozen numbers or pairs (25 bytes at most each).
constexpr std::size_t kKeysMostBytes = 200;
constexpr std::size_t kScalarMostBytes = JsonWriter::kLongestPair + 1;
constexpr std::size_t RunMostBytes(int scalars) { return kKeysMostBytes + static_cast<std::size_t>(scalars) * kScalarMostBytes; }

// The key's length is known where it is written, so copying it takes a few
// moves rather than a call.
template <std::size_t N>
void AppendPillar(JsonRun& run, const char (&key)[N], const Pillar& pillar) {
    run.raw(std::string_view(key, N - 1)).pair(pillar.stem, pillar.branch);
}

void AppendQuartet(JsonRun& run, const StarQuartet& stars) {
    run.raw('[').list(kTransformationCount, [&stars](int k) { return stars[k]; }).raw(']');
}

void AppendPalaces(JsonWriter& json, const ChartState& chart) {
    json.run(RunMostBytes(kPalaceRows + 1), [&chart](JsonRun& run) {
        run.raw(",\"palaces\":[").list(kPalaceRows, [&chart](int i) {
            const auto& palace = chart.PalaceTable[i + 1];
            return std::pair<int, int>(palace.stem, palace.branch);
        });
        run.raw("],\"bureauIndex\":").number(chart.BureauIndex);
    });
}

// "[branch,level]," for branches 0..15 and levels 0..7, by branch * 8 + level:
// the writer's own pair text with a comma in the first seven bytes, its
// length in the eighth.
constexpr int kTableBranches = 16;
constexpr int kTableLevels = 8;
constexpr std::size_t kStarPairEntry = 8;
constexpr std::uint32_t kInTable = (kTableBranches - 1) | (kTableLevels - 1) << 16;  // branch low, level high
constexpr auto kStarPairs = [] {
    std::array<char, kStarPairEntry * kTableBranches * kTableLevels> table{};
    for (int branch = 0; branch < kTableBranches; ++branch) {
        for (int level = 0; level < kTableLevels; ++level) {
            const char* pair = JsonWriter::kSmallPairs.data() +
                               JsonWriter::kPairEntry * static_cast<std::size_t>(branch * JsonWriter::kSmallPairLimit + level);
            const int length = pair[JsonWriter::kPairLengthByte];
            char* entry = table.data() + kStarPairEntry * static_cast<std::size_t>(branch * kTableLevels + level);
            for (int i = 0; i < length; ++i) entry[i] = pair[i];
            entry[length] = ',';
            entry[kStarPairEntry - 1] = static_cast<char>(length + 1);
        }
    }
    return table;
}();

// A star's branch in the low half of a word, its level in the high half, so
// that one test finds a pair outside the table. On a little-endian machine
// that is the row as it lies in memory: one load.
std::uint32_t BothHalves(const StarRow& star) {
    static_assert(sizeof(StarRow) == sizeof(std::uint32_t) && offsetof(StarRow, branch) == 0);
    if constexpr (std::endian::native == std::endian::little) return std::bit_cast<std::uint32_t>(star);
    return static_cast<std::uint16_t>(star.branch) |
           static_cast<std::uint32_t>(static_cast<std::uint16_t>(star.level)) << 16;
}

// The placed stars' [branch,level] pairs, each followed by a comma. A chart's
// pairs are all in the table, one move each: written through the general
// pair writer they cost a fifth of the whole batch.
char* PutStarPairs(char* at, const ChartState& chart) {
    for (int i = 1; i <= kPlacedStars; ++i) {
        const StarRow& star = chart.StarTable[i];
        const std::uint32_t both = BothHalves(star);
        if ((both & ~kInTable) == 0) {
            const std::uint32_t index = (both & 0xFFFF) * kTableLevels + (both >> 16);
            const char* entry = kStarPairs.data() + kStarPairEntry * index;
            std::memcpy(at, entry, kStarPairEntry);
            at += entry[kStarPairEntry - 1];
        } else {
            at = JsonWriter::PutPair(at, star.branch, star.level);
            *at++ = ',';
        }
    }
    return at;
}

void AppendStars(JsonWriter& json, const ChartState& chart) {
    json.run(RunMostBytes(kPlacedStars), [&chart](JsonRun& run) {
        run.raw(",\"stars\":[").with([&chart](char* at) { return PutStarPairs(at, chart) - 1; });  // less the last comma
        run.raw("],\"branchStarList\":[");
    });
    for (int branch = 1; branch <= kBranches; ++branch) {
        if (branch > 1) json.raw(',');
        json.plainString(chart.BranchStarList[branch]);  // star numbers and blanks
    }
    json.raw(']');
}

void AppendNatal(JsonWriter& json, const ChartResult& r) {
    json.run(RunMostBytes(2), [&r](JsonRun& run) {
        run.raw("\"chart\":{\"gender\":").number(r.birth.Gender).raw(",\"yinYang\":").number(r.birth.YinYang);
    });
    AppendPalaces(json, r.chart);
    json.raw(",\"bureauNumber\":").number(r.bureauNumber);
    AppendStars(json, r.chart);
    json.run(RunMostBytes(3 + kBranches + kTransformationCount), [&r](JsonRun& run) {
        run.raw(",\"douJunBranch\":").number(r.birth.DouJunBranch);
        run.raw(",\"lifeMaster\":").number(r.birth.LifeMaster);
        run.raw(",\"bodyMaster\":").number(r.birth.BodyMaster);
        run.raw(",\"majorLimitStart\":[").list(kBranches, [&r](int i) { return r.majorLimitStart[i + 1]; });
        run.raw("],\"transformations\":");
        AppendQuartet(run, r.transformations);
        run.raw('}');
    });
}

void AppendLayer(JsonWriter& json, const LayerResult& layer) {
    json.raw("\"layer\":{\"index\":").number(layer.index).raw(",\"calendar\":");
    AppendCalendarJson(json, layer.shown);
    json.run(RunMostBytes(3 + kTransformationCount), [&layer](JsonRun& run) {
        run.raw(",\"nominalAge\":").number(layer.nominalAge);
        run.raw(",\"focusBranch\":").number(layer.focusBranch);
        run.raw(",\"markStem\":").number(layer.markStem);
        run.raw(",\"transformations\":");
        AppendQuartet(run, layer.transformations);
        run.raw(",\"flowingStars\":[");
    });
    bool first = true;
    for (const FlowingStar& star : layer.flowingStars) {
        if (!first) json.raw(',');
        first = false;
        // The names are the program's own (流祿 .. 直符), so they need no mending.
        json.raw('[').plainString(star.name).raw(',').number(star.branch).raw(']');
    }
    json.raw("]}");
}

// A leap month digit a JSON string holds as it stands (the calendar's are
// digits and letters); any other is left to the writer's escaping.
bool IsPlainDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

void AppendCalendarJson(JsonWriter& json, const CalendarDay& day) {
    const char digit = day.LeapMonthDigit;
    const bool plainDigit = digit == '\0' || IsPlainDigit(digit);
    json.run(RunMostBytes(8), [&day, digit, plainDigit](JsonRun& run) {
        run.raw("{\"solar\":[").number(day.SolarYear).raw(',').number(day.SolarMonth).raw(',').number(day.SolarDay);
        run.raw("],\"clockHour\":").number(day.ClockHour);
        run.raw(",\"lunar\":[").number(day.LunarYear).raw(',').number(day.LunarMonth).raw(',').number(day.LunarDay);
        run.raw("],\"leapKind\":").number(day.LeapKind);
        run.raw(",\"leapMonthDigit\":");
        if (plainDigit && digit == '\0') run.raw("\"\"");
        else if (plainDigit) run.raw('"').raw(digit).raw('"');
    });
    if (!plainDigit) json.string(std::string_view(&digit, 1));
    json.run(RunMostBytes(7), [&day](JsonRun& run) {
        run.raw(",\"hourBranch\":").number(day.HourBranch);
        const PillarTable& p = day.Pillars;
        AppendPillar(run, ",\"pillars\":{\"year\":", p.YearPillar);
        AppendPillar(run, ",\"month\":", p.MonthPillar);
        AppendPillar(run, ",\"day\":", p.DayPillar);
        AppendPillar(run, ",\"hour\":", p.HourPillar);
        AppendPillar(run, ",\"solarYear\":", p.SolarYearPillar);
        AppendPillar(run, ",\"solarMonth\":", p.SolarMonthPillar);
        run.raw('}');
    });
    // Written only when true, so that the days the tables settle keep their JSON as it was.
    if (IsUncertainCalendarDay(day)) json.raw(",\"uncertainDay\":true");
    json.raw('}');
}

void AppendChartJson(const ChartResult& result, const ReferenceTables* words, std::string& out,
                     const std::vector<ConventionDifference>* compare) {
    JsonWriter json(out);
    json.raw("{\"calendar\":");
    AppendCalendarJson(json, result.birthDay);
    json.raw(',');
    AppendNatal(json, result);
    if (result.layer) {
        json.raw(',');
        AppendLayer(json, *result.layer);
    }
    json.raw(",\"conventions\":");
    AppendConventionsJson(json, result.conventions);
    if (compare != nullptr) {
        json.raw(",\"compare\":");
        AppendCompareJson(json, *compare);
    }
    if (result.flying) {
        json.raw(',');
        AppendFlyingJson(json, *result.flying);
    }
    if (result.flyingReading) {
        json.raw(',');
        AppendFlyingReadingJson(json, *result.flyingReading);
    }
    AppendReadingJson(json, result.reading);
    if (words != nullptr) {
        json.raw(",\"names\":");
        AppendNamesJson(json, result, *words);
    }
    json.raw('}');
}

void AppendLineError(long long line, std::string_view message, std::string& out) {
    JsonWriter json(out);
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), line).ptr;
    json.raw("{\"line\":").raw(std::string_view(digits.data(), end)).raw(",\"error\":").string(message).raw('}');
}

}  // namespace velmora::tool
