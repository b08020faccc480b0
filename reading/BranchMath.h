#pragma once
// Arithmetic on branches 1 子 .. 12 亥 and sets of branches as bit masks
// (bit b for branch b), so that "is this star in these palaces" is one AND.

#include <cstdint>

namespace velmora::reading {

inline constexpr int kBranchCount = 12;

// Any whole number brought into 1..12 modulo 12 (0 is 亥, 13 is 子).
constexpr int WrapBranch(int value) {
    const int rest = ((value - 1) % kBranchCount + kBranchCount) % kBranchCount;
    return rest + 1;
}

using BranchMask = std::uint16_t;

// The mask of one branch, wrapped; bit 0 is never set.
constexpr BranchMask BranchBit(int branch) { return static_cast<BranchMask>(1u << WrapBranch(branch)); }

// 四正 of the palace on `branch`: itself, its two trines and its opposite.
constexpr BranchMask FourSquareMask(int branch) {
    return static_cast<BranchMask>(BranchBit(branch) | BranchBit(branch + 4) | BranchBit(branch + 6) |
                                   BranchBit(branch + 8));
}

// 六合 (暗合): the branch p with (b - 1) + (p - 1) ≡ 1 (mod 12): 子丑, 寅亥,
// 卯戌, 辰酉, 巳申, 午未.
constexpr int HiddenPartner(int branch) { return WrapBranch(3 - WrapBranch(branch)); }

}  // namespace velmora::reading
