#pragma once
// A set of star numbers 1..127 as two machine words: a palace's stars, or the
// stars a query word names. Tested against each other without a loop.

#include <array>
#include <cstdint>

namespace velmora::query {

class StarMask {
public:
    static constexpr int kLargestStar = 127;

    constexpr void add(int star) {
        if (star >= 1 && star <= kLargestStar) words_[Word(star)] |= Bit(star);
    }
    constexpr bool has(int star) const {
        return star >= 1 && star <= kLargestStar && (words_[Word(star)] & Bit(star)) != 0;
    }
    constexpr bool meets(const StarMask& other) const {
        return ((words_[0] & other.words_[0]) | (words_[1] & other.words_[1])) != 0;
    }
    constexpr bool empty() const { return (words_[0] | words_[1]) == 0; }
    constexpr StarMask& operator|=(const StarMask& other) {
        words_[0] |= other.words_[0];
        words_[1] |= other.words_[1];
        return *this;
    }
    friend constexpr bool operator==(const StarMask&, const StarMask&) = default;

private:
    static constexpr int kWordBits = 64;
    static constexpr int Word(int star) { return star / kWordBits; }
    static constexpr std::uint64_t Bit(int star) { return std::uint64_t{1} << (star % kWordBits); }
    std::array<std::uint64_t, 2> words_{};
};

}  // namespace velmora::query
