#include "script/CachedConverter.h"

#include "script/ChineseConverter.h"

namespace velmora {

namespace {
bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }
}  // namespace

std::string_view CachedConverter::convertedRun(std::string_view run) {
    if (const auto found = remembered_.find(run); found != remembered_.end()) return found->second;
    std::string converted = ChineseConverter::TraditionalToSimplified().convert(run);
    if (remembered_.size() >= kMaxRemembered) {
        unremembered_ = std::move(converted);
        return unremembered_;
    }
    return remembered_.emplace(std::string(run), std::move(converted)).first->second;
}

void CachedConverter::appendConverted(std::string_view traditional, std::string& out) {
    out.reserve(out.size() + traditional.size());
    std::size_t at = 0;
    while (at < traditional.size()) {
        std::size_t end = at;
        const bool ascii = IsAscii(traditional[at]);
        while (end < traditional.size() && IsAscii(traditional[end]) == ascii) ++end;
        const std::string_view piece = traditional.substr(at, end - at);
        out += ascii ? piece : convertedRun(piece);
        at = end;
    }
}

std::string CachedConverter::convert(std::string_view traditional) {
    std::string out;
    appendConverted(traditional, out);
    return out;
}

}  // namespace velmora
