#pragma once
// Traditional ↔ Simplified conversion of UTF-8 text through OpenCC's tw2sp
// and s2t configurations (phrase tables first, then single characters). Each
// direction is loaded once, on first use, and is safe to share between
// threads: OpenCC's converters keep no state between calls.

#include <memory>
#include <string>
#include <string_view>

namespace opencc {
class SimpleConverter;
}

namespace velmora {

class ChineseConverter {
public:
    // The shared converters; loading their dictionaries takes a few
    // milliseconds, so they are made when first asked for.
    static const ChineseConverter& TraditionalToSimplified();
    static const ChineseConverter& SimplifiedToTraditional();

    // `text` converted; returned unchanged when OpenCC's data could not be
    // loaded (see loadProblem), so the program still shows something.
    std::string convert(std::string_view text) const;
    // Why the dictionaries could not be loaded; empty when they were.
    const std::string& loadProblem() const { return loadProblem_; }

    ~ChineseConverter();
    ChineseConverter(const ChineseConverter&) = delete;
    ChineseConverter& operator=(const ChineseConverter&) = delete;

private:
    explicit ChineseConverter(const char* configuration);

    std::unique_ptr<opencc::SimpleConverter> converter_;
    std::string loadProblem_;
    bool towardsSimplified_ = false;  // Taiwan words become the mainland's
};

}  // namespace velmora
