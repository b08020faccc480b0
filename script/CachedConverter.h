#pragma once
// Traditional → Simplified for text made of a small vocabulary, such as a
// run of charts: each stretch of non-ASCII characters (a word or a few words
// with their Chinese punctuation) is converted once and remembered, so the
// thousandth chart costs a table look-up a word instead of a pass through
// OpenCC's dictionaries (about a hundred times slower). ASCII stays as it is,
// and no dictionary phrase holds an ASCII character, so the result is the
// one converting the whole text gives. Not for sharing between threads.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace velmora {

class CachedConverter {
public:
    // Appends `traditional` converted to `out`.
    void appendConverted(std::string_view traditional, std::string& out);
    std::string convert(std::string_view traditional);

private:
    std::string_view convertedRun(std::string_view run);

    // Texts a batch quotes from its input (error messages) could grow the
    // table without end; past this many stretches they are converted each time.
    static constexpr std::size_t kMaxRemembered = 1 << 14;
    // Looked up by the run's bytes in place: no key is made for a hit.
    struct ViewHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, std::string, ViewHash, std::equal_to<>> remembered_;
    std::string unremembered_;
};

}  // namespace velmora
