#pragma once
// The civil days whose lunar date or month pillar hangs on an instant within minutes of
// midnight UTC+8, or on the Earth's rotation far ahead: a month whose new moon could
// fall on either side of midnight (every day of the month moves with its first day), or
// a 節 that could. Generated with the year tables by scripts/calendar-tables/make_year_tables.mjs.

#include <array>

namespace velmora {

struct UncertainSpan {
    int firstYear, firstMonth, firstDay;  // the first civil day in doubt
    int lastYear, lastMonth, lastDay;     // the last civil day in doubt
};

// Columns: first day in doubt, last day in doubt; the comment names the month (lunar year,
// month, 1 = leap) or the 節 (year, term 1 立春 .. 12 小寒) and the instant in UTC+8.
inline constexpr std::array<UncertainSpan, 37> kUncertainSpans = {{
    {2057, 9, 28, 2057, 10, 27},  // 2057,9,0: new moon 2057-09-29T00:00:40 UTC+8
    {2097, 8, 7, 2097, 9, 5},  // 2097,7,0: new moon 2097-08-08T00:00:15 UTC+8
    {2101, 6, 26, 2101, 7, 25},  // 2101,6,0: new moon 2101-06-27T00:04:51 UTC+8
    {2103, 7, 7, 2103, 7, 7},  // jie 2103,6: term 2103-07-08T00:09:10 UTC+8
    {2103, 9, 1, 2103, 9, 30},  // 2103,8,0: new moon 2103-09-01T23:50:07 UTC+8
    {2106, 7, 30, 2106, 8, 28},  // 2106,7,0: new moon 2106-07-31T00:06:27 UTC+8
    {2107, 3, 24, 2107, 4, 22},  // 2107,3,0: new moon 2107-03-25T00:06:21 UTC+8
    {2107, 8, 18, 2107, 9, 16},  // 2107,7,0: new moon 2107-08-19T00:03:18 UTC+8
    {2113, 3, 17, 2113, 4, 15},  // 2113,2,0: new moon 2113-03-18T00:04:58 UTC+8
    {2113, 9, 7, 2113, 9, 7},  // jie 2113,8: term 2113-09-07T23:52:01 UTC+8
    {2115, 2, 24, 2115, 3, 25},  // 2115,2,0: new moon 2115-02-24T23:56:45 UTC+8
    {2116, 5, 12, 2116, 6, 10},  // 2116,4,0: new moon 2116-05-12T23:56:36 UTC+8
    {2119, 5, 9, 2119, 6, 7},  // 2119,4,0: new moon 2119-05-10T00:03:01 UTC+8
    {2126, 5, 5, 2126, 5, 5},  // jie 2126,4: term 2126-05-06T00:08:00 UTC+8
    {2126, 8, 18, 2126, 9, 16},  // 2126,7,0: new moon 2126-08-19T00:09:56 UTC+8
    {2126, 11, 7, 2126, 11, 7},  // jie 2126,10: term 2126-11-07T23:52:36 UTC+8
    {2127, 7, 9, 2127, 8, 7},  // 2127,6,0: new moon 2127-07-10T00:06:42 UTC+8
    {2133, 9, 28, 2133, 10, 27},  // 2133,9,0: new moon 2133-09-28T23:58:51 UTC+8
    {2135, 10, 8, 2135, 10, 8},  // jie 2135,9: term 2135-10-09T00:01:37 UTC+8
    {2142, 9, 7, 2142, 9, 7},  // jie 2142,8: term 2142-09-07T23:56:44 UTC+8
    {2144, 6, 1, 2144, 6, 30},  // 2144,5,0: new moon 2144-06-02T00:04:25 UTC+8
    {2148, 4, 18, 2148, 5, 17},  // 2148,3,0: new moon 2148-04-19T00:02:57 UTC+8
    {2155, 1, 5, 2155, 1, 5},  // jie 2154,12: term 2155-01-05T23:51:37 UTC+8
    {2156, 12, 6, 2156, 12, 6},  // jie 2156,11: term 2156-12-06T23:53:33 UTC+8
    {2164, 6, 19, 2164, 7, 18},  // 2164,5,0: new moon 2164-06-20T00:04:21 UTC+8
    {2165, 12, 3, 2166, 1, 1},  // 2165,11,0: new moon 2165-12-03T23:56:38 UTC+8
    {2170, 4, 4, 2170, 4, 4},  // jie 2170,3: term 2170-04-04T23:50:02 UTC+8
    {2172, 10, 17, 2172, 11, 15},  // 2172,9,0: new moon 2172-10-17T23:56:53 UTC+8
    {2175, 6, 18, 2175, 7, 17},  // 2175,5,0: new moon 2175-06-18T23:50:08 UTC+8
    {2177, 4, 28, 2177, 5, 27},  // 2177,4,0: new moon 2177-04-29T00:03:21 UTC+8
    {2184, 8, 6, 2184, 8, 6},  // jie 2184,7: term 2184-08-07T00:09:25 UTC+8
    {2186, 2, 3, 2186, 2, 3},  // jie 2186,1: term 2186-02-03T23:57:14 UTC+8
    {2192, 5, 11, 2192, 6, 9},  // 2192,4,0: new moon 2192-05-12T00:02:57 UTC+8
    {2194, 7, 6, 2194, 7, 6},  // jie 2194,6: term 2194-07-06T23:50:34 UTC+8
    {2197, 10, 7, 2197, 10, 7},  // jie 2197,9: term 2197-10-08T00:08:53 UTC+8
    {2199, 4, 4, 2199, 4, 4},  // jie 2199,3: term 2199-04-04T23:58:22 UTC+8
    {2201, 11, 26, 2201, 12, 25},  // 2201,11,0: new moon 2201-11-27T00:04:52 UTC+8
}};

}  // namespace velmora
