#pragma once
// The equation of time: how far the true Sun runs ahead of the mean Sun.
// Smart's formula as given by Meeus, "Astronomical Algorithms" (2nd ed.),
// eq. 28.3, with the Sun's mean longitude, mean anomaly and the Earth's orbital
// eccentricity of ch. 25 and the mean obliquity of ch. 22 (eq. 22.2). Within
// about 4 s of a full VSOP87 computation over 1800..2200. Plain numbers only.

namespace velmora::moment {

// The Julian Day of the Unix epoch, 1970-01-01 00:00 UTC.
inline constexpr double kJulianDayOfUnixEpoch = 2440587.5;
inline constexpr double kSecondsPerDay = 86400.0;

// Seconds since 1970-01-01 00:00 UTC to a Julian Day.
constexpr double JulianDayOfUnixSeconds(double unixSeconds) {
    return kJulianDayOfUnixEpoch + unixSeconds / kSecondsPerDay;
}

// Apparent minus mean solar time in seconds at the Julian Day (UT; the
// difference from dynamical time changes the result by far less than a second).
double EquationOfTimeSeconds(double julianDay);

}  // namespace velmora::moment
