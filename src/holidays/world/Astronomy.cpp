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

// Meeus chapter 49: the periodic terms of the true new moon, as sine coefficients of
// M' (moon's anomaly), M (sun's anomaly) and F (moon's argument of latitude), with the power of the
// eccentricity factor E each carries.
struct LunarTerm {
    double coefficient;
    int moonAnomaly, sunAnomaly, latitude, powerOfE;
};

constexpr std::array<LunarTerm, 24> kNewMoonTerms{{
    {-0.40720, 1, 0, 0, 0}, {0.17241, 0, 1, 0, 1},  {0.01608, 2, 0, 0, 0},  {0.01039, 0, 0, 2, 0},
    {0.00739, 1, -1, 0, 1}, {-0.00514, 1, 1, 0, 1}, {0.00208, 0, 2, 0, 2},  {-0.00111, 1, 0, -2, 0},
    {-0.00057, 1, 0, 2, 0}, {0.00056, 2, 1, 0, 1},  {-0.00042, 3, 0, 0, 0}, {0.00042, 0, 1, 2, 1},
    {0.00038, 0, 1, -2, 1}, {-0.00024, 2, -1, 0, 1}, {-0.00007, 1, 2, 0, 0}, {0.00004, 2, 0, -2, 0},
    {0.00004, 0, 3, 0, 0},  {0.00003, 1, 1, -2, 0}, {0.00003, 2, 0, 2, 0},  {-0.00003, 1, 1, 2, 0},
    {0.00003, 1, -1, 2, 0}, {-0.00002, 1, -1, -2, 0}, {-0.00002, 3, 1, 0, 0}, {0.00002, 4, 0, 0, 0},
}};

// The planets' small pull on the moment (Meeus 49, "additional corrections"): amplitude, then the
// argument's constant and rate per lunation.
constexpr std::array<PeriodicTerm, 14> kPlanetaryTerms{{
    {0.000325, 299.77, 0.107408}, {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886},
    {0.000126, 349.42, 36.412478}, {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771},
    {0.000060, 207.14, 2.453732}, {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},
    {0.000042, 207.19, 0.121824}, {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154},
    {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
}};

// The true new moon of lunation `k` (0 = the one of 6 January 2000), in Julian ephemeris days.
double NewMoonOfLunation(double k)
{
    const double t = k / 1236.85;
    const double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * t * t - 0.000000150 * t * t * t +
                       0.00000000073 * t * t * t * t;
    const double e = 1 - 0.002516 * t - 0.0000074 * t * t;
    const double sun = Radians(2.5534 + 29.10535670 * k - 0.0000014 * t * t - 0.00000011 * t * t * t);
    const double moon = Radians(201.5643 + 385.81693528 * k + 0.0107582 * t * t + 0.00001238 * t * t * t -
                                0.000000058 * t * t * t * t);
    const double latitude = Radians(160.7108 + 390.67050284 * k - 0.0016118 * t * t - 0.00000227 * t * t * t +
                                    0.000000011 * t * t * t * t);
    const double node = Radians(124.7746 - 1.56375588 * k + 0.0020672 * t * t + 0.00000215 * t * t * t);
    double correction = -0.00017 * std::sin(node);
    for (const LunarTerm& term : kNewMoonTerms) {
        const double angle = term.moonAnomaly * moon + term.sunAnomaly * sun + term.latitude * latitude;
        correction += term.coefficient * std::pow(e, term.powerOfE) * std::sin(angle);
    }
    for (size_t i = 0; i < kPlanetaryTerms.size(); ++i) {
        const PeriodicTerm& term = kPlanetaryTerms[i];
        double argument = term.b + term.c * k;
        if (i == 0)
            argument -= 0.009173 * t * t;
        correction += term.a * std::sin(Radians(argument));
    }
    return jde + correction;
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

UnixDays NewMoonNear(UnixDays near)
{
    constexpr double kSynodicMonth = 29.530588861;
    const double k = std::round((near + kUnixEpochJulianDay - 2451550.09766) / kSynodicMonth);
    const double jde = NewMoonOfLunation(k);
    return FromDynamicalJulianDay(jde, 2000 + k / 12.3685);
}

}  // namespace morvessa::world
