#include "holidays/world/OtherCalendars.h"

#include "holidays/world/Astronomy.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <unordered_map>

namespace morvessa::world {

namespace {

const QDate kUnixEpoch(1970, 1, 1);
constexpr double kMillisecondsPerDay = 86400000.0;

const char* LocaleOf(OtherCalendar calendar)
{
    switch (calendar) {
    case OtherCalendar::Hebrew: return "en@calendar=hebrew";
    case OtherCalendar::Hijri: return "en@calendar=islamic-umalqura";
    case OtherCalendar::Persian: return "en@calendar=persian";
    case OtherCalendar::Korean: return "en@calendar=dangi";
    // ICU has no Vietnamese calendar: the Chinese one names the months, and the first days are then
    // taken in Hanoi's time (see LunarMonthStart).
    default: return "en@calendar=chinese";
    }
}

// One calendar object per calendar and thread: making one costs far more than using it.
icu::Calendar* CalendarOf(OtherCalendar calendar)
{
    thread_local std::array<std::unique_ptr<icu::Calendar>, 7> calendars;
    auto& slot = calendars[static_cast<size_t>(calendar)];
    if (!slot) {
        UErrorCode status = U_ZERO_ERROR;
        slot.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(),
                                                 icu::Locale(LocaleOf(calendar)), status));
        if (U_FAILURE(status))
            slot.reset();
    }
    return slot.get();
}

bool HebrewLeapYear(int year) { return (7 * year + 1) % 19 < 7; }

// The grammar counts Hebrew months Tishrei = 1 ... Adar I = 6, Adar (II) = 7 ... Elul = 13; ICU counts
// from 0 with Adar I at 5, which a common year skips.
int IcuHebrewMonth(int month, int year)
{
    if (month == kAdarI && !HebrewLeapYear(year))
        return kAdarII - 1;
    return month - 1;
}

// The hours east of Greenwich in which a lunisolar calendar's months begin (on the day of the new
// moon), or nothing where ICU's own reckoning is kept.
std::optional<double> NewMoonZoneHours(OtherCalendar calendar, int gregorianYear)
{
    switch (calendar) {
    case OtherCalendar::Chinese: return 8.0;
    case OtherCalendar::Vietnamese: return gregorianYear >= 1968 ? 7.0 : 8.0;
    case OtherCalendar::Korean:
        if (gregorianYear >= 1961)
            return 9.0;
        return std::nullopt;
    default: return std::nullopt;
    }
}

// ICU's moon is a few minutes off now and then, which puts a month's first day a day early or late
// when the moon is new close to midnight; the month it names is kept, its first day is the day of
// the true new moon in the calendar's time zone.
QDate LunarMonthStart(OtherCalendar calendar, QDate icuFirstDay)
{
    const std::optional<double> zone = NewMoonZoneHours(calendar, icuFirstDay.year());
    if (!zone)
        return icuFirstDay;
    const double icuDays = static_cast<double>(kUnixEpoch.daysTo(icuFirstDay)) + 0.5;
    const double local = NewMoonNear(icuDays) + *zone / 24.0;
    return kUnixEpoch.addDays(static_cast<qint64>(std::floor(local)));
}

std::optional<QDate> ComputeFirstDay(const OtherDate& date, int extendedYear)
{
    icu::Calendar* calendar = CalendarOf(date.calendar);
    if (!calendar)
        return std::nullopt;
    calendar->clear();
    calendar->set(UCAL_EXTENDED_YEAR, extendedYear);
    const int month = date.calendar == OtherCalendar::Hebrew ? IcuHebrewMonth(date.month, extendedYear)
                                                             : date.month - 1;
    calendar->set(UCAL_MONTH, month);
    if (date.leapMonth)
        calendar->set(UCAL_IS_LEAP_MONTH, 1);
    calendar->set(UCAL_DATE, 1);
    UErrorCode status = U_ZERO_ERROR;
    const UDate moment = calendar->getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    // A leap month asked of a year without it: ICU gives the common month, which is not the date.
    if (date.leapMonth && calendar->get(UCAL_IS_LEAP_MONTH, status) != 1)
        return std::nullopt;
    const QDate first = kUnixEpoch.addDays(static_cast<qint64>(std::floor(moment / kMillisecondsPerDay)));
    return LunarMonthStart(date.calendar, first);
}

// The Hebrew calendar is pure arithmetic (the molad of Tishrei and the four postponements), and
// Debian's ICU 72 puts some new years (5807: 1 October 2046) a day late, so it is computed here.
constexpr qint64 kHebrewEpochJulianDay = 347998;  // 1 Tishrei AM 1, the Julian day at noon

qint64 HebrewElapsedDays(qint64 year)
{
    const qint64 months = (235 * year - 234) / 19;
    const qint64 parts = 12084 + 13753 * months;
    qint64 day = 29 * months + parts / 25920;
    if ((3 * (day + 1)) % 7 < 3)
        ++day;
    return day;
}

qint64 HebrewNewYear(qint64 year)
{
    const qint64 previous = HebrewElapsedDays(year - 1), now = HebrewElapsedDays(year),
                 next = HebrewElapsedDays(year + 1);
    const qint64 delay = next - now == 356 ? 2 : now - previous == 382 ? 1 : 0;
    return kHebrewEpochJulianDay + now + delay;
}

// The first day of a month numbered as the grammar numbers them (Tishrei = 1, Adar I = 6, Adar = 7,
// Elul = 13); nothing for Adar I of a common year.
std::optional<QDate> HebrewMonthStart(int month, int year)
{
    const qint64 start = HebrewNewYear(year);
    const qint64 length = HebrewNewYear(year + 1) - start;
    const bool leap = HebrewLeapYear(year);
    qint64 day = start;
    for (int m = 1; m < month; ++m) {
        int days = m % 2 ? 30 : 29;  // Tishrei 30, Cheshvan 29, Kislev 30, Tevet 29, Shvat 30, ...
        if (m == 2 && length % 10 == 5)
            days = 30;  // a complete year's Cheshvan
        if (m == 3 && length % 10 == 3)
            days = 29;  // a deficient year's Kislev
        if (m == kAdarI)
            days = leap ? 30 : 0;
        if (m == kAdarII)
            days = 29;
        if (m > kAdarII)
            days = m % 2 ? 29 : 30;  // Nisan 30, Iyyar 29, Sivan 30, Tamuz 29, Av 30, Elul 29
        day += days;
    }
    if (month == kAdarI && !leap)
        return std::nullopt;
    return QDate::fromJulianDay(day);
}

// A place's rules ask for the same months again and again (the first lunar month for New Year's Eve,
// New Year and the days after it), and ICU's lunisolar arithmetic is the costly part.
std::optional<QDate> FirstDayOf(const OtherDate& date, int extendedYear)
{
    constexpr size_t kMostRemembered = 4096;
    thread_local std::unordered_map<qint64, std::optional<QDate>> remembered;
    const qint64 key = ((static_cast<qint64>(extendedYear) * 16 + date.month) * 2 + date.leapMonth) * 8 +
                       static_cast<qint64>(date.calendar);
    if (const auto it = remembered.find(key); it != remembered.end())
        return it->second;
    if (remembered.size() >= kMostRemembered)
        remembered.clear();
    return remembered[key] = ComputeFirstDay(date, extendedYear);
}

// The revised Bengali calendar of Bangladesh (1987): the year begins on 14 April; Boishakh to Bhadro
// have 31 days, the others 30, and Falgun 31 when its February has 29 days.
std::optional<QDate> BengaliMonthStart(int month, int bengaliYear)
{
    const int gregorianYear = bengaliYear + 593;
    QDate day(gregorianYear, 4, 14);
    for (int m = 1; m < month; ++m) {
        int length = m <= 5 ? 31 : 30;
        if (m == 11 && QDate::isLeapYear(gregorianYear + 1))
            length = 31;
        day = day.addDays(length);
    }
    return day;
}

}  // namespace

std::vector<QDate> GregorianDays(const OtherDate& date, int year)
{
    std::vector<QDate> days;
    auto keep = [&](std::optional<QDate> first) {
        if (!first)
            return;
        const QDate day = first->addDays(date.day - 1);
        if (day.year() == year && std::find(days.begin(), days.end(), day) == days.end())
            days.push_back(day);
    };
    switch (date.calendar) {
    case OtherCalendar::Bengali:
        for (int b = year - 594; b <= year - 593; ++b)
            keep(BengaliMonthStart(date.month, b));
        break;
    case OtherCalendar::Hebrew:
        for (int h = year + 3760; h <= year + 3761; ++h)
            keep(HebrewMonthStart(date.month, h));
        break;
    case OtherCalendar::Persian:
        for (int p = year - 622; p <= year - 621; ++p)
            keep(FirstDayOf(date, p));
        break;
    case OtherCalendar::Hijri: {
        const int approx = static_cast<int>((year - 622) * 33.0 / 32.0);
        for (int h = approx - 1; h <= approx + 2; ++h)
            keep(FirstDayOf(date, h));
        break;
    }
    default: {
        // ICU counts Chinese years from 2637 BC, Korean ones from 2333 BC.
        const int offset = date.calendar == OtherCalendar::Korean ? 2333 : 2637;
        for (int c = year + offset - 1; c <= year + offset; ++c) {
            if (date.cycleYear == 0 || c == date.cycleYear)
                keep(FirstDayOf(date, c));
        }
        break;
    }
    }
    std::sort(days.begin(), days.end());
    return days;
}

}  // namespace morvessa::world
