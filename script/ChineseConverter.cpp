#include "script/ChineseConverter.h"

#include <opencc.h>

#include <array>
#include <exception>
#include <string_view>

namespace velmora {

namespace {
// OpenCC finds these in its own data folder (/usr/share/opencc). Towards
// Simplified the Taiwan phrases become the mainland's (滑鼠 → 鼠标, 匯出 → 导出),
// as a mainland reader expects; single characters convert as t2s does.
constexpr const char* kTraditionalToSimplified = "tw2sp.json";
constexpr const char* kSimplifiedToTraditional = "s2t.json";

// Columns: a Taiwan word OpenCC's Taiwan phrases leave as they are (in
// Simplified characters), the mainland word. Applied after OpenCC.
struct MainlandWord {
    std::string_view taiwan;
    std::string_view mainland;
};
constexpr std::array<MainlandWord, 2> kMainlandWords{{
    {"西元", "公元"},
    {"拷贝", "复制"},  // the Taiwan phrases turn 複製 into 拷贝; mainland menus say 复制
}};

void UseMainlandWords(std::string& text) {
    for (const MainlandWord& word : kMainlandWords) {
        for (std::size_t at = text.find(word.taiwan); at != std::string::npos;
             at = text.find(word.taiwan, at + word.mainland.size())) {
            text.replace(at, word.taiwan.size(), word.mainland);
        }
    }
}
}  // namespace

ChineseConverter::ChineseConverter(const char* configuration)
    : towardsSimplified_(std::string_view(configuration) == kTraditionalToSimplified) {
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
    std::string converted = converter_->Convert(text.data(), text.size());
    if (towardsSimplified_) UseMainlandWords(converted);
    return converted;
}

}  // namespace velmora
