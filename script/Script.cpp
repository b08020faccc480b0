#include "script/Script.h"

namespace velmora {

namespace {
constexpr std::string_view kTraditionalKey = "traditional";
constexpr std::string_view kSimplifiedKey = "simplified";
}  // namespace

std::string_view ScriptKey(Script script) {
    return script == Script::Simplified ? kSimplifiedKey : kTraditionalKey;
}

std::optional<Script> ScriptFromKey(std::string_view key) {
    if (key == kTraditionalKey) {
        return Script::Traditional;
    }
    if (key == kSimplifiedKey) {
        return Script::Simplified;
    }
    return std::nullopt;
}

}  // namespace velmora
