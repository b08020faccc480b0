#pragma once
// What every natal chart must satisfy, whatever the birth: each placed star on
// exactly one branch, the per-branch lists agreeing with the star table, the
// twelve palaces covering the twelve branches once, and a whole sixty-cycle.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "chart/BirthInput.h"
#include "chart/ChartState.h"

namespace velmora::test {

inline constexpr std::size_t kStarNumberWidth = 3;

// The stars listed in one branch's text; fails the test on any malformed item.
inline std::vector<int> ListedStars(const std::string& list) {
    std::vector<int> stars;
    for (std::size_t at = 0; at < list.size(); at += kStarNumberWidth + 1) {
        const std::string item = list.substr(at, kStarNumberWidth);
        EXPECT_EQ(item.size(), kStarNumberWidth) << '"' << list << '"';
        EXPECT_EQ(item.find_first_not_of("0123456789"), std::string::npos) << '"' << list << '"';
        if (at + kStarNumberWidth < list.size()) {
            EXPECT_EQ(list[at + kStarNumberWidth], ' ') << '"' << list << '"';
        }
        stars.push_back(std::stoi(item));
    }
    return stars;
}

inline void ExpectStarsAndLists(const ChartState& chart) {
    std::array<int, kPlacedStars + 1> timesListed{};
    for (int b = 1; b <= kBranches; ++b) {
        const std::string& list = chart.BranchStarList[b];
        EXPECT_FALSE(list.empty()) << "branch " << b;
        EXPECT_NE(list.back(), ' ') << "branch " << b;
        int previous = 0;
        for (const int star : ListedStars(list)) {
            ASSERT_GE(star, 1);
            ASSERT_LE(star, kPlacedStars);
            EXPECT_GT(star, previous) << "branch " << b << " not ascending";
            previous = star;
            EXPECT_EQ(chart.StarTable[star].branch, b) << "star " << star;
            ++timesListed[star];
        }
    }
    for (int star = 1; star <= kPlacedStars; ++star) {
        EXPECT_GE(chart.StarTable[star].branch, 1) << "star " << star;
        EXPECT_LE(chart.StarTable[star].branch, kBranches) << "star " << star;
        EXPECT_EQ(timesListed[star], 1) << "star " << star;
    }
    for (int star = kPlacedStars + 1; star <= kStarRows; ++star) EXPECT_EQ(chart.StarTable[star].branch, 0);
}

inline void ExpectPalaces(const ChartState& chart) {
    std::array<int, kBranches + 1> seen{};
    for (int k = 1; k <= kBranches; ++k) {
        const PalaceRow& palace = chart.PalaceTable[k];
        ASSERT_GE(palace.branch, 1);
        ASSERT_LE(palace.branch, kBranches);
        EXPECT_GE(palace.stem, 1);
        EXPECT_LE(palace.stem, kStems);
        EXPECT_EQ(palace.stem % 2, palace.branch % 2) << "palace " << k << ": a stem-branch pair of unlike parity";
        ++seen[palace.branch];
        const PalaceRow& body = chart.PalaceTable[kBodyPalaceRow];
        if (body.branch == palace.branch) {
            EXPECT_EQ(body.stem, palace.stem);
        }
    }
    for (int b = 1; b <= kBranches; ++b) EXPECT_EQ(seen[b], 1) << "branch " << b;
    EXPECT_GE(chart.PalaceTable[kBodyPalaceRow].branch, 1);
    EXPECT_LE(chart.PalaceTable[kBodyPalaceRow].branch, kBranches);
    EXPECT_GE(chart.BureauIndex, 1);
    EXPECT_LE(chart.BureauIndex, 5);
}

inline void ExpectSexagenaryTable(const ChartState& chart) {
    std::array<int, 61> seen{};
    int entries = 0;
    for (int s = 1; s <= kStems; ++s) {
        for (int b = 1; b <= kBranches; ++b) {
            const int n = chart.SexagenaryTable[s][b];
            if (n == 0) continue;
            ++entries;
            ASSERT_LE(n, 60);
            ++seen[n];
            EXPECT_EQ(s % 2, b % 2);
        }
    }
    EXPECT_EQ(entries, 60);
    for (int n = 1; n <= 60; ++n) EXPECT_EQ(seen[n], 1) << n;
}

inline void ExpectSoundChart(const BirthInput& input, const ChartState& chart) {
    ExpectPalaces(chart);
    ExpectStarsAndLists(chart);
    ExpectSexagenaryTable(chart);
    EXPECT_GE(input.DouJunBranch, 1);
    EXPECT_LE(input.DouJunBranch, kBranches);
    EXPECT_GE(input.LifeMaster, 1);
    EXPECT_LE(input.LifeMaster, 28);
    EXPECT_GE(input.BodyMaster, 1);
    EXPECT_LE(input.BodyMaster, 28);
}

}  // namespace velmora::test
