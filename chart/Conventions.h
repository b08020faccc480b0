#pragma once
// The conventions a chart is cast under: one choice per switch where schools
// differ (where the year begins, how the late 子 hour counts, how a leap month
// is split, ...). Choice 0 of every switch is Velmora's own rule, so a
// default-constructed Conventions charts exactly as the engine always has.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

enum class ConventionKey : std::uint8_t {
    yearPillar, lateZi, leapBirth, leapScope, lifeMaster, bodyMasterWu, xunKong, jieKong, tianShang,
    ageCount, flowingYear, childhood, layerStems, flowingMonth,
};
inline constexpr int kConventionCount = 14;
inline constexpr int kMaxConventionValues = 4;

// The choices of each switch; the first of each is the default.
enum class YearPillarRule : std::uint8_t { lunarNewYear, lichun };
enum class LateZiRule : std::uint8_t { nextDay, sameDay };
enum class LeapBirthRule : std::uint8_t { day15, day16, never, always };
enum class LeapScopeRule : std::uint8_t { life, all };
enum class LifeMasterRule : std::uint8_t { yearBranch, lifeBranch };
enum class BodyMasterWuRule : std::uint8_t { lingXing, huoXing };
enum class XunKongRule : std::uint8_t { both, yearPolarity };
enum class JieKongRule : std::uint8_t { pair, single };
enum class TianShangRule : std::uint8_t { fixed, swap };
enum class AgeCountRule : std::uint8_t { lunarNewYear, birthday };
enum class FlowingYearRule : std::uint8_t { lunarNewYear, lichun };
enum class ChildhoodRule : std::uint8_t { previous, tongXian };
enum class LayerStemsRule : std::uint8_t { classic, palace };
enum class FlowingMonthRule : std::uint8_t { ownSlot, split16, preceding };

struct Conventions {
    // [key]: the index of the chosen value, 0 = default.
    std::array<std::uint8_t, kConventionCount> choices{};

    constexpr int choice(ConventionKey key) const { return choices[static_cast<int>(key)]; }
    constexpr void set(ConventionKey key, int value) { choices[static_cast<int>(key)] = static_cast<std::uint8_t>(value); }
    constexpr bool isDefault() const { return *this == Conventions{}; }

    YearPillarRule yearPillar() const { return YearPillarRule(choice(ConventionKey::yearPillar)); }
    LateZiRule lateZi() const { return LateZiRule(choice(ConventionKey::lateZi)); }
    LeapBirthRule leapBirth() const { return LeapBirthRule(choice(ConventionKey::leapBirth)); }
    LeapScopeRule leapScope() const { return LeapScopeRule(choice(ConventionKey::leapScope)); }
    LifeMasterRule lifeMaster() const { return LifeMasterRule(choice(ConventionKey::lifeMaster)); }
    BodyMasterWuRule bodyMasterWu() const { return BodyMasterWuRule(choice(ConventionKey::bodyMasterWu)); }
    XunKongRule xunKong() const { return XunKongRule(choice(ConventionKey::xunKong)); }
    JieKongRule jieKong() const { return JieKongRule(choice(ConventionKey::jieKong)); }
    TianShangRule tianShang() const { return TianShangRule(choice(ConventionKey::tianShang)); }
    AgeCountRule ageCount() const { return AgeCountRule(choice(ConventionKey::ageCount)); }
    FlowingYearRule flowingYear() const { return FlowingYearRule(choice(ConventionKey::flowingYear)); }
    ChildhoodRule childhood() const { return ChildhoodRule(choice(ConventionKey::childhood)); }
    LayerStemsRule layerStems() const { return LayerStemsRule(choice(ConventionKey::layerStems)); }
    FlowingMonthRule flowingMonth() const { return FlowingMonthRule(choice(ConventionKey::flowingMonth)); }

    friend bool operator==(const Conventions&, const Conventions&) = default;
};

// Where a switch acts: on the natal chart (本命) or on the time layers (運限).
enum class ConventionGroup : std::uint8_t { natal, layers };

// One switch as it is named in files and on the command line.
struct ConventionSwitch {
    ConventionKey key;
    std::string_view name;
    std::array<std::string_view, kMaxConventionValues> values;  // default first
    int valueCount;
    ConventionGroup group;
};

// Every switch in key order.
std::span<const ConventionSwitch, kConventionCount> ConventionSwitches();
const ConventionSwitch& SwitchOf(ConventionKey key);
std::optional<ConventionKey> ConventionKeyNamed(std::string_view name);
// The index of `value` among the switch's values.
std::optional<int> ConventionValueNamed(ConventionKey key, std::string_view value);
std::string_view ConventionValueName(const Conventions& conventions, ConventionKey key);

// Sets `key` to `value` by their names; a message naming what is unknown and
// what is accepted otherwise.
std::optional<std::string> SetConventionByName(Conventions& conventions, std::string_view key, std::string_view value);
// The same for one "KEY=VALUE" piece.
std::optional<std::string> SetConventionPiece(Conventions& conventions, std::string_view piece);

// A school's named set of choices.
struct ConventionProfile {
    std::string_view name;
    Conventions conventions;
};
inline constexpr std::string_view kDefaultProfileName = "Velmora";
// Velmora (all defaults), 全書派, 中州派, in that order.
std::span<const ConventionProfile> ConventionProfiles();
const ConventionProfile* ProfileNamed(std::string_view name);
// "unknown profile NAME; the profiles are Velmora, 全書派, 中州派".
std::string UnknownProfileMessage(std::string_view name);

}  // namespace velmora
