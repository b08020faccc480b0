#include "moment/EquationOfTime.h"

#include <cmath>
#include <numbers>

namespace velmora::moment {
namespace {

inline constexpr double kJ2000 = 2451545.0;           // 2000-01-01 12:00 TT
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kArcsecondsPerDegree = 3600.0;
inline constexpr double kSecondsOfTimePerRadian = 86400.0 / (2.0 * std::numbers::pi);

constexpr double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Meeus eq. 25.2: the Sun's geometric mean longitude, degrees.
double MeanLongitude(double t) { return 280.46646 + 36000.76983 * t + 0.0003032 * t * t; }

// Meeus eq. 25.3: the Sun's mean anomaly, degrees.
double MeanAnomaly(double t) { return 357.52911 + 35999.05029 * t - 0.0001537 * t * t; }

// Meeus eq. 25.4: the eccentricity of the Earth's orbit.
double Eccentricity(double t) { return 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t; }

// Meeus eq. 22.2: the mean obliquity of the ecliptic, degrees.
double MeanObliquity(double t) {
    const double arcseconds = 21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t;
    return 23.0 + 26.0 / 60.0 + arcseconds / kArcsecondsPerDegree;
}

}  // namespace

double EquationOfTimeSeconds(double julianDay) {
    const double t = (julianDay - kJ2000) / kDaysPerJulianCentury;
    const double l0 = Radians(MeanLongitude(t));
    const double m = Radians(MeanAnomaly(t));
    const double e = Eccentricity(t);
    const double y = std::pow(std::tan(Radians(MeanObliquity(t)) / 2.0), 2.0);
    // Meeus eq. 28.3, in radians of hour angle.
    const double radians = y * std::sin(2.0 * l0) - 2.0 * e * std::sin(m) +
                           4.0 * e * y * std::sin(m) * std::cos(2.0 * l0) -
                           0.5 * y * y * std::sin(4.0 * l0) - 1.25 * e * e * std::sin(2.0 * m);
    return radians * kSecondsOfTimePerRadian;
}

}  // namespace velmora::moment
