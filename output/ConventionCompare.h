#pragma once
// What each other value of each switch would change in one chart: the chart is
// cast again under the active conventions with one switch turned, and every
// field of the JSON that differs is kept with its two values.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "chart/Conventions.h"
#include "output/ChartRun.h"

namespace velmora::tool {

// One field's value as a short list of numbers: one number for a scalar, two
// for a pair ([stem, branch], [branch, level]), more for a list.
struct FieldValue {
    static constexpr int kMaxNumbers = 12;
    std::array<std::int16_t, kMaxNumbers> numbers{};
    std::uint8_t count = 0;
    friend bool operator==(const FieldValue&, const FieldValue&) = default;
};

struct FieldChange {
    std::string_view field;  // as named in the JSON: "palace1", "star17", "layer.focusBranch", ..
    FieldValue active;       // under the active conventions
    FieldValue other;        // with the one switch turned
};

struct ConventionDifference {
    ConventionKey key;
    int value = 0;  // the other value's index among the switch's values
    std::vector<FieldChange> changes;
};

// Every field of `result` in a fixed order, with its name.
struct NamedField {
    std::string_view field;
    FieldValue value;
};
void CollectFields(const ChartResult& result, std::vector<NamedField>& fields);

// For every switch and each of its values other than the active one, in key
// order: the fields that value changes (none when it changes nothing). `active`
// is the query's chart as ComputeQuery cast it under the active conventions.
std::vector<ConventionDifference> CompareConventions(const Query& query, const ReferenceTables& tables,
                                                     const ChartResult& active);

}  // namespace velmora::tool
