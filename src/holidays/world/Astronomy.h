#pragma once
// The moments of the equinoxes, solstices, the Chinese solar terms and new moons, computed from the
// sun's and moon's positions (the periodic-term methods of Meeus, "Astronomical Algorithms",
// chapters 25, 27 and 49).

namespace morvessa::world {

// Days since 1970-01-01 00:00 UT, with the fraction of the day.
using UnixDays = double;

// The march (3), june (6), september (9) or december (12) equinox or solstice of `year`.
UnixDays SeasonStart(int year, int month);

// The moment in or after `from` when the sun's apparent longitude reaches `degrees` (0..360).
UnixDays SunReachesLongitude(double degrees, UnixDays from);

// The new moon nearest to `near` (within half a lunation), to about a minute.
UnixDays NewMoonNear(UnixDays near);

}  // namespace morvessa::world
