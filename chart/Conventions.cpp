// The switches' names and values as files and the command line spell them,
// and the schools' profiles.

#include "chart/Conventions.h"

namespace velmora {

namespace {

using K = ConventionKey;
constexpr ConventionGroup kNatal = ConventionGroup::natal;
constexpr ConventionGroup kLayers = ConventionGroup::layers;

// Columns: key, name, values (default first), count of values, group. Rows in key order.
constexpr std::array<ConventionSwitch, kConventionCount> kSwitches = {{
    {K::yearPillar, "yearPillar", {"lunarNewYear", "lichun"}, 2, kNatal},
    {K::lateZi, "lateZi", {"nextDay", "sameDay"}, 2, kNatal},
    {K::leapBirth, "leapBirth", {"15", "16", "never", "always"}, 4, kNatal},
    {K::leapScope, "leapScope", {"life", "all"}, 2, kNatal},
    {K::lifeMaster, "lifeMaster", {"yearBranch", "lifeBranch"}, 2, kNatal},
    {K::bodyMasterWu, "bodyMasterWu", {"lingXing", "huoXing"}, 2, kNatal},
    {K::xunKong, "xunKong", {"both", "yearPolarity"}, 2, kNatal},
    {K::jieKong, "jieKong", {"pair", "single"}, 2, kNatal},
    {K::tianShang, "tianShang", {"fixed", "swap"}, 2, kNatal},
    {K::ageCount, "ageCount", {"lunarNewYear", "birthday"}, 2, kLayers},
    {K::flowingYear, "flowingYear", {"lunarNewYear", "lichun"}, 2, kLayers},
    {K::childhood, "childhood", {"previous", "tongXian"}, 2, kLayers},
    {K::layerStems, "layerStems", {"classic", "palace"}, 2, kLayers},
    {K::flowingMonth, "flowingMonth", {"ownSlot", "split16", "preceding"}, 3, kLayers},
}};

// 全書派: the leap month split at day 16 for the whole chart, the 命主 by the life
// palace, 火星 as the 身主 of 午 years, one void star each, the 童限 and the
// palace stems on the layers, the flowing month split at day 16.
constexpr Conventions QuanShu() {
    Conventions c;
    c.set(K::leapBirth, static_cast<int>(LeapBirthRule::day16));
    c.set(K::leapScope, static_cast<int>(LeapScopeRule::all));
    c.set(K::lifeMaster, static_cast<int>(LifeMasterRule::lifeBranch));
    c.set(K::bodyMasterWu, static_cast<int>(BodyMasterWuRule::huoXing));
    c.set(K::xunKong, static_cast<int>(XunKongRule::yearPolarity));
    c.set(K::childhood, static_cast<int>(ChildhoodRule::tongXian));
    c.set(K::layerStems, static_cast<int>(LayerStemsRule::palace));
    c.set(K::flowingMonth, static_cast<int>(FlowingMonthRule::split16));
    return c;
}

// 中州派: as 全書派, but the 命主 by the year branch, one 截空 star and 天傷/天使
// swapped for a chart whose yin-yang differs from the gender.
constexpr Conventions ZhongZhou() {
    Conventions c = QuanShu();
    c.set(K::lifeMaster, static_cast<int>(LifeMasterRule::yearBranch));
    c.set(K::jieKong, static_cast<int>(JieKongRule::single));
    c.set(K::tianShang, static_cast<int>(TianShangRule::swap));
    return c;
}

constexpr std::array<ConventionProfile, 3> kProfiles = {{
    {kDefaultProfileName, Conventions{}},
    {"全書派", QuanShu()},
    {"中州派", ZhongZhou()},
}};

// "a, b, c": the names of `items` by `nameOf`, joined by a comma and a blank.
template <class Items, class NameOf>
std::string JoinNames(const Items& items, NameOf nameOf) {
    std::string joined;
    for (const auto& item : items) {
        if (!joined.empty()) joined += ", ";
        joined += nameOf(item);
    }
    return joined;
}

}  // namespace

std::optional<std::string> SetConventionByName(Conventions& conventions, std::string_view key, std::string_view value) {
    const auto found = ConventionKeyNamed(key);
    if (!found) {
        return "unknown convention " + std::string(key) + "; the keys are " +
               JoinNames(kSwitches, [](const ConventionSwitch& s) { return s.name; });
    }
    const auto choice = ConventionValueNamed(*found, value);
    if (!choice) {
        const ConventionSwitch& s = SwitchOf(*found);
        const std::span<const std::string_view> values(s.values.data(), static_cast<std::size_t>(s.valueCount));
        return "unknown value " + std::string(value) + " of convention " + std::string(key) + "; it accepts " +
               JoinNames(values, [](std::string_view v) { return v; });
    }
    conventions.set(*found, *choice);
    return std::nullopt;
}

std::optional<std::string> SetConventionPiece(Conventions& conventions, std::string_view piece) {
    const auto equals = piece.find('=');
    if (equals == std::string_view::npos) return "a convention is KEY=VALUE, not " + std::string(piece);
    return SetConventionByName(conventions, piece.substr(0, equals), piece.substr(equals + 1));
}

std::string UnknownProfileMessage(std::string_view name) {
    return "unknown profile " + std::string(name) + "; the profiles are " +
           JoinNames(kProfiles, [](const ConventionProfile& p) { return p.name; });
}

std::span<const ConventionSwitch, kConventionCount> ConventionSwitches() { return kSwitches; }

const ConventionSwitch& SwitchOf(ConventionKey key) { return kSwitches[static_cast<int>(key)]; }

std::optional<ConventionKey> ConventionKeyNamed(std::string_view name) {
    for (const ConventionSwitch& s : kSwitches) {
        if (s.name == name) return s.key;
    }
    return std::nullopt;
}

std::optional<int> ConventionValueNamed(ConventionKey key, std::string_view value) {
    const ConventionSwitch& s = SwitchOf(key);
    for (int i = 0; i < s.valueCount; ++i) {
        if (s.values[i] == value) return i;
    }
    return std::nullopt;
}

std::string_view ConventionValueName(const Conventions& conventions, ConventionKey key) {
    const ConventionSwitch& s = SwitchOf(key);
    const int choice = conventions.choice(key);
    return choice < s.valueCount ? s.values[choice] : std::string_view{};
}

std::span<const ConventionProfile> ConventionProfiles() { return kProfiles; }

const ConventionProfile* ProfileNamed(std::string_view name) {
    for (const ConventionProfile& p : kProfiles) {
        if (p.name == name) return &p;
    }
    return nullptr;
}

}  // namespace velmora
