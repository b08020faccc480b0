#pragma once
// A person's name typed in Simplified, in Traditional: what the record
// window offers when Big5 cannot hold the name as typed (张伟 → 張偉).

#include <string>
#include <string_view>

namespace velmora {

// `simplifiedName` through OpenCC's s2t, except that a leading surname that
// s2t would read as a common word (范 as 範, 余 as 餘, 于 as 於, ...) is
// kept: those surnames are written the same in both scripts.
std::string TraditionalNameOf(std::string_view simplifiedName);

}  // namespace velmora
