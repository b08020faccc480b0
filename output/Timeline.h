#pragma once
// A life read along time: the twelve decades (大限) of a natal chart, the ten
// flowing years (流年) of one decade and the lunar months (流月) of one year,
// each with the palace it points at, as the time layers compute them. And the
// names the palaces take in a decade and a year (大命, 年財 ..), the natal
// layout turned to start at that layer's palace.

#include <array>
#include <string>
#include <vector>

#include "calendar/CalendarDay.h"
#include "chart/BirthInput.h"
#include "chart/ChartState.h"
#include "chart/ReferenceData.h"

namespace velmora::tool {

struct SolarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const SolarDate&, const SolarDate&) = default;
};

struct DecadeEntry {
    int palace = 0;     // natal palace 1..12
    Pillar pillar;      // its stem and branch
    int firstAge = 0;   // nominal ages firstAge..lastAge
    int lastAge = 0;
    int firstYear = 0;  // lunar years (named by their Gregorian year)
    int lastYear = 0;
};

struct YearEntry {
    int year = 0;      // lunar year, named by its Gregorian year
    Pillar pillar;     // the year's stem and branch
    int age = 0;       // nominal age in that year
    int branch = 0;    // the flowing year's palace: the year's branch
};

struct MonthEntry {
    int month = 0;     // lunar month 1..12
    bool leap = false; // the leap month after `month`
    SolarDate first;   // its first day
    int branch = 0;    // the flowing month's palace
};

// The twelve decades in order of age.
std::vector<DecadeEntry> Decades(const BirthInput& birth, const ChartState& chart);

// The decade holding nominal age `age`; -1 when none does (before the first).
int DecadeOfAge(const std::vector<DecadeEntry>& decades, int age);

// The ten years of `decade`.
std::vector<YearEntry> YearsOf(const DecadeEntry& decade, const BirthInput& birth);

// The months of lunar year `year` (12 or 13), with the flowing-month palace
// for the birth and chart given.
std::vector<MonthEntry> MonthsOf(int year, const BirthInput& birth, const ChartState& chart, int bureauNumber);

// The palace (1..12) that `branch` is in a layer whose life palace stands on
// `lifeBranch`: the natal order of palaces, started there.
int LayerPalaceOn(int branch, int lifeBranch, const ChartState& chart);

// A palace's one-character name ("命", "財" ..): the first of its natal name.
std::string ShortPalaceName(const NameList& names, int palace);

}  // namespace velmora::tool
