#include "holidays/world/Astronomy.h"

#include <array>
#include <cmath>

namespace morvessa::world {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kJ2000 = 2451545.0;

double Radians(double degrees) { return degrees * kPi / 180.0; }

double Normalised(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// Terrestrial time runs ahead of universal time by delta T (seconds); polynomial fits of its
// observed and extrapolated values by Espenak and Meeus.
double DeltaTSeconds(double year)
{
    if (year < 1961) {
        const double t = year - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (year < 1986) {
        const double t = year - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (year < 2005) {
        const double t = year - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
               0.00002373599 * t * t * t * t * t;
    }
    if (year < 2050) {
        const double t = year - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

UnixDays FromDynamicalJulianDay(double jde, double year)
{
    return jde - DeltaTSeconds(year) / 86400.0 - kUnixEpochJulianDay;
}

struct PeriodicTerm {
    double a, b, c;
};

// Meeus table 27.C.
constexpr std::array<PeriodicTerm, 24> kTerms{{
    {485, 324.96, 1934.136}, {203, 337.23, 32964.467}, {199, 342.08, 20.186},  {182, 27.85, 445267.112},
    {156, 73.14, 45036.886}, {136, 171.52, 22518.443}, {77, 222.54, 65928.934}, {74, 296.72, 3034.906},
    {70, 243.58, 9037.513},  {58, 119.81, 33718.147},  {52, 297.17, 150.678},  {50, 21.02, 2281.226},
    {45, 247.54, 29929.562}, {44, 325.15, 31555.956},  {29, 60.93, 4443.417},  {18, 155.12, 67555.328},
    {17, 288.79, 4562.452},  {16, 198.04, 62894.029},  {14, 199.76, 31436.921}, {12, 95.39, 14577.848},
    {12, 287.11, 31931.756}, {12, 320.81, 34777.259},  {9, 227.73, 1222.114},  {8, 15.45, 16859.074},
}};

// Meeus table 27.B (years 1000 to 3000): the mean moments, in Julian ephemeris days.
double MeanSeasonStart(int month, double y)
{
    switch (month) {
    case 3: return 2451623.80984 + 365242.37404 * y + 0.05169 * y * y - 0.00411 * y * y * y - 0.00057 * y * y * y * y;
    case 6: return 2451716.56767 + 365241.62603 * y + 0.00325 * y * y + 0.00888 * y * y * y - 0.00030 * y * y * y * y;
    case 9: return 2451810.21715 + 365242.01767 * y - 0.11575 * y * y + 0.00337 * y * y * y + 0.00078 * y * y * y * y;
    default: return 2451900.05952 + 365242.74049 * y - 0.06223 * y * y - 0.00823 * y * y * y + 0.00032 * y * y * y * y;
    }
}

// The sun's apparent longitude in degrees at a Julian ephemeris day (Meeus chapter 25, low accuracy,
// about 0.01 degree).
double ApparentSunLongitude(double jde)
{
    const double t = (jde - kJ2000) / 36525;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = Radians(357.52911 + 35999.05029 * t - 0.0001537 * t * t);
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                          (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double omega = Radians(125.04 - 1934.136 * t);
    return Normalised(l0 + centre - 0.00569 - 0.00478 * std::sin(omega));
}

}  // namespace

UnixDays SeasonStart(int year, int month)
{
    const double jde0 = MeanSeasonStart(month, (year - 2000) / 1000.0);
    const double t = (jde0 - kJ2000) / 36525;
    const double w = Radians(35999.373 * t - 2.47);
    const double lambda = 1 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2 * w);
    double s = 0;
    for (const PeriodicTerm& term : kTerms)
        s += term.a * std::cos(Radians(term.b + term.c * t));
    return FromDynamicalJulianDay(jde0 + 0.00001 * s / lambda, year + month / 12.0);
}

UnixDays SunReachesLongitude(double degrees, UnixDays from)
{
    constexpr double kDegreesPerDay = 360.0 / 365.2422;
    double jde = from + kUnixEpochJulianDay;
    // Where the sun is at `from`, then how far it still has to go; Newton steps close the rest.
    double ahead = Normalised(degrees - ApparentSunLongitude(jde));
    jde += ahead / kDegreesPerDay;
    for (int i = 0; i < 6; ++i) {
        double miss = Normalised(degrees - ApparentSunLongitude(jde) + 180.0) - 180.0;
        jde += miss / kDegreesPerDay;
        if (std::fabs(miss) < 1e-7)
            break;
    }
    const double year = 1970 + (jde - kUnixEpochJulianDay) / 365.2425;
    return FromDynamicalJulianDay(jde, year);
}

}  // namespace morvessa::world
