#pragma once
// Dates of the lunar, lunisolar and solar calendars the holiday data uses, as Gregorian days. ICU
// does the calendar arithmetic; the revised Bengali calendar, fixed to the Gregorian one by law, is
// computed here.

#include <QDate>

#include <vector>

namespace morvessa::world {

enum class OtherCalendar { Hebrew, Hijri, Persian, Chinese, Korean, Vietnamese, Bengali };

struct OtherDate {
    OtherCalendar calendar = OtherCalendar::Hijri;
    int month = 1;        // 1-based, in the calendar's own order (Hebrew: Tishrei = 1 ... Elul = 13)
    bool leapMonth = false;  // Chinese, Korean and Vietnamese leap months
    int day = 1;          // may be 0 or past the month's end: counted on from the month's first day
    int cycleYear = 0;    // Chinese calendars: one year only, (cycle - 1) * 60 + year of cycle; 0 = every year
};

// Every day of Gregorian `year` that is `date` in its calendar (an Islamic date can fall twice).
std::vector<QDate> GregorianDays(const OtherDate& date, int year);

// Hebrew month numbers as the grammar names them, for OtherDate::month.
constexpr int kAdarI = 6;
constexpr int kAdarII = 7;

}  // namespace morvessa::world
