#pragma once
// The years the two calendar tables cover and the years the calendar converts.

#include <cstddef>

namespace velmora {

inline constexpr int kFirstTableYear = 1799;
inline constexpr int kLastTableYear = 2201;
inline constexpr std::size_t kTableYearCount = 403;
static_assert(kLastTableYear - kFirstTableYear + 1 == static_cast<int>(kTableYearCount));

// Conversion needs the record of the year before (dates ahead of the lunar new year, the
// 小寒 of January) and of the year after (new-year bounds), so the covered range is one
// year narrower on each side than the tables.
inline constexpr int kFirstSupportedYear = 1800;
inline constexpr int kLastSupportedYear = 2200;

inline constexpr std::size_t kLunarYearRecordLength = 18;
inline constexpr std::size_t kJieDayRecordLength = 12;

// Before the Republic took up the Gregorian calendar in 1912, the lunar date is the one the
// Qing almanac printed, not a modern computation.
inline constexpr int kFirstRepublicYear = 1912;

constexpr bool IsSupportedYear(int year) { return year >= kFirstSupportedYear && year <= kLastSupportedYear; }

// Position of a year's record in either table; the year must lie in kFirstTableYear..kLastTableYear.
constexpr std::size_t TableIndex(int year) { return static_cast<std::size_t>(year - kFirstTableYear); }

}  // namespace velmora
