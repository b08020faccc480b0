#include "script/ChineseConverter.h"

#include <opencc.h>

#include <exception>

namespace velmora {

namespace {
// OpenCC finds these in its own data folder (/usr/share/opencc).
constexpr const char* kTraditionalToSimplified = "t2s.json";
constexpr const char* kSimplifiedToTraditional = "s2t.json";
}  // namespace

ChineseConverter::ChineseConverter(const char* configuration) {
    try {
        converter_ = std::make_unique<opencc::SimpleConverter>(configuration);
    } catch (const std::exception& problem) {
        loadProblem_ = std::string("OpenCC ") + configuration + ": " + problem.what();
    }
}

ChineseConverter::~ChineseConverter() = default;

const ChineseConverter& ChineseConverter::TraditionalToSimplified() {
    static const ChineseConverter converter(kTraditionalToSimplified);
    return converter;
}

const ChineseConverter& ChineseConverter::SimplifiedToTraditional() {
    static const ChineseConverter converter(kSimplifiedToTraditional);
    return converter;
}

std::string ChineseConverter::convert(std::string_view text) const {
    if (!converter_ || text.empty()) {
        return std::string(text);
    }
    return converter_->Convert(text.data(), text.size());
}

}  // namespace velmora
