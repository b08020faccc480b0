#include "query/QueryItems.h"

#include <algorithm>
#include <array>
#include <optional>

namespace velmora::query {

namespace {

constexpr std::array<std::string_view, 5> kBlanks{" ", "\t", "\r", "\n", "\u3000"};
constexpr std::array<std::string_view, 2> kSeparators{"；", ";"};

// A byte that starts a character (not a UTF-8 continuation byte).
bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }

int CharactersIn(std::string_view text) {
    int count = 0;
    for (char byte : text) count += StartsCharacter(byte) ? 1 : 0;
    return count;
}

// The length of the blank or separator `text` starts with, or 0.
std::size_t MarkAt(std::string_view text, const auto& marks) {
    for (std::string_view mark : marks)
        if (text.starts_with(mark)) return mark.size();
    return 0;
}

// `word` as known words, the longest possible at each step such that the
// rest can still be split; unset when there is no such split. Worked from
// the end, so a long run costs one pass.
std::optional<std::vector<QueryItem>> Split(std::string_view word, int position, const QueryWords& words) {
    std::vector<std::size_t> taken(word.size() + 1, 0);  // [offset]: the word's length there; 0 for no split
    std::vector<bool> splits(word.size() + 1, false);
    splits[word.size()] = true;
    for (std::size_t start = word.size(); start-- > 0;) {
        if (!StartsCharacter(word[start])) continue;
        for (std::size_t length = std::min(word.size() - start, words.longestWord()); length > 0; --length) {
            if (splits[start + length] && words.find(word.substr(start, length)) != nullptr) {
                taken[start] = length;
                splits[start] = true;
                break;
            }
        }
    }
    if (!splits[0]) return std::nullopt;
    std::vector<QueryItem> parts;
    for (std::size_t start = 0; start < word.size(); start += taken[start]) {
        const std::string_view part = word.substr(start, taken[start]);
        parts.push_back({part, position, false, words.find(part)});
        position += CharactersIn(part);
    }
    return parts;
}

void AddWord(std::string_view word, int position, const QueryWords& words, std::vector<QueryItem>& items) {
    if (const WordMeaning* meaning = words.find(word)) {
        items.push_back({word, position, false, meaning});
    } else if (auto parts = Split(word, position, words)) {
        items.insert(items.end(), parts->begin(), parts->end());
    } else {
        items.push_back({word, position, false, nullptr});
    }
}

}  // namespace

QueryItems ReadQueryItems(std::string_view text, const QueryWords& words) {
    QueryItems read;
    std::size_t at = 0;
    std::size_t wordStart = 0;
    int position = 1;
    int wordPosition = 1;
    const auto endWord = [&] {
        if (at > wordStart) AddWord(text.substr(wordStart, at - wordStart), wordPosition, words, read.items);
    };
    while (at < text.size()) {
        const std::string_view rest = text.substr(at);
        const std::size_t blank = MarkAt(rest, kBlanks);
        const std::size_t separator = blank > 0 ? 0 : MarkAt(rest, kSeparators);
        if (blank > 0 || separator > 0) {
            endWord();
            if (separator > 0) read.items.push_back({rest.substr(0, separator), position, true, nullptr});
            at += blank + separator;
            ++position;
            wordStart = at;
            wordPosition = position;
            continue;
        }
        ++at;
        while (at < text.size() && !StartsCharacter(text[at])) ++at;
        ++position;
    }
    endWord();
    read.end = position;
    return read;
}

}  // namespace velmora::query
