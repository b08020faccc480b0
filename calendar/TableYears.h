#pragma once
// The years the two calendar tables cover and the years the calendar converts.

#include <cstddef>

namespace velmora {

inline constexpr int kFirstTableYear = 1900;
inline constexpr int kLastTableYear = 2100;
inline constexpr std::size_t kTableYearCount = 201;
static_assert(kLastTableYear - kFirstTableYear + 1 == static_cast<int>(kTableYearCount));

// Conversion needs the record of the year before (dates ahead of the lunar new year, the
// 小寒 of January) and of the year after (new-year bounds), so the covered range is one
// year narrower on each side than the tables.
inline constexpr int kFirstSupportedYear = 1901;
inline constexpr int kLastSupportedYear = 2099;

inline constexpr std::size_t kLunarYearRecordLength = 18;
inline constexpr std::size_t kJieDayRecordLength = 12;

constexpr bool IsSupportedYear(int year) { return year >= kFirstSupportedYear && year <= kLastSupportedYear; }

// Position of a year's record in either table; the year must lie in kFirstTableYear..kLastTableYear.
constexpr std::size_t TableIndex(int year) { return static_cast<std::size_t>(year - kFirstTableYear); }

}  // namespace velmora
