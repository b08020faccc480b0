#pragma once
// Which script the program shows its text in. The reference files and User
// are always Traditional (Big5); Simplified is a way of showing them only.

#include <optional>
#include <string_view>

namespace velmora {

enum class Script { Traditional, Simplified };

// "traditional" or "simplified", as the command line and the settings spell it.
std::string_view ScriptKey(Script script);
// The script a key names; unset for any other text.
std::optional<Script> ScriptFromKey(std::string_view key);

}  // namespace velmora
