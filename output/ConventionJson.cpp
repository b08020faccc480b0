// The "conventions" and "compare" members of a chart's JSON object.

#include "output/ChartJson.h"

#include <optional>
#include <string>

namespace velmora::tool {

namespace {

// A scalar as a number, anything longer as an array of numbers.
void AppendFieldValue(JsonWriter& json, const FieldValue& value) {
    if (value.count == 1) {
        json.number(value.numbers[0]);
        return;
    }
    json.raw('[');
    for (int i = 0; i < value.count; ++i) {
        if (i > 0) json.raw(',');
        json.number(value.numbers[i]);
    }
    json.raw(']');
}

void AppendChanges(JsonWriter& json, const std::vector<FieldChange>& changes) {
    json.raw('{');
    bool first = true;
    for (const FieldChange& change : changes) {
        if (!first) json.raw(',');
        first = false;
        json.string(change.field).raw(":[");
        AppendFieldValue(json, change.active);
        json.raw(',');
        AppendFieldValue(json, change.other);
        json.raw(']');
    }
    json.raw('}');
}

// The object as written, kept for the conventions last asked: a batch asks
// for the same ones line after line, and their fourteen names would
// otherwise cost a fifth of each chart's writing.
struct WrittenConventions {
    std::optional<Conventions> conventions;  // none before the first
    std::string text;
};

void WriteConventions(JsonWriter& json, const Conventions& conventions) {
    json.raw('{');
    bool first = true;
    for (const ConventionSwitch& s : ConventionSwitches()) {
        if (!first) json.raw(',');
        first = false;
        json.string(s.name).raw(':').string(ConventionValueName(conventions, s.key));
    }
    json.raw('}');
}

}  // namespace

void AppendConventionsJson(JsonWriter& json, const Conventions& conventions) {
    thread_local WrittenConventions last;
    if (last.conventions != conventions) {
        last.conventions = conventions;
        last.text.clear();
        JsonWriter text(last.text);
        WriteConventions(text, conventions);
    }
    json.raw(last.text);
}

void AppendCompareJson(JsonWriter& json, const std::vector<ConventionDifference>& compare) {
    json.raw('[');
    bool first = true;
    for (const ConventionDifference& difference : compare) {
        if (!first) json.raw(',');
        first = false;
        const ConventionSwitch& s = SwitchOf(difference.key);
        json.raw("{\"key\":").string(s.name).raw(",\"value\":").string(s.values[difference.value]);
        json.raw(",\"changes\":");
        AppendChanges(json, difference.changes);
        json.raw('}');
    }
    json.raw(']');
}

}  // namespace velmora::tool
