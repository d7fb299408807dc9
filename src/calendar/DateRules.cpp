#include "calendar/DateRules.h"

#include <chrono>
#include <stdexcept>

namespace morvessa {

namespace {

namespace chr = std::chrono;

chr::sys_days ToSysDays(const CalendarDate& date)
{
    return chr::sys_days{chr::year{date.year} / chr::month{static_cast<unsigned>(date.month)} /
                         chr::day{static_cast<unsigned>(date.day)}};
}

CalendarDate FromSysDays(chr::sys_days days)
{
    const chr::year_month_day ymd{days};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

void CheckMonth(int month)
{
    if (month < 1 || month > 12)
        throw std::out_of_range("Month " + std::to_string(month) + " is outside 1 to 12");
}

void CheckWeekday(int weekday)
{
    if (weekday < 1 || weekday > 7)
        throw std::out_of_range("Weekday " + std::to_string(weekday) + " is outside 1 to 7");
}

}  // namespace

CalendarDate MakeDate(int year, int month, int day)
{
    // Carry whole years out of the month first, then let the day run on from the 1st.
    const long monthIndex = static_cast<long>(year) * 12 + (month - 1);
    const long normalisedYear = monthIndex >= 0 ? monthIndex / 12 : -((-monthIndex + 11) / 12);
    const int normalisedMonth = static_cast<int>(monthIndex - normalisedYear * 12) + 1;
    if (normalisedYear < -32767 || normalisedYear > 32767)
        throw std::out_of_range("Year " + std::to_string(normalisedYear) + " is outside the calendar");
    const chr::sys_days first{chr::year{static_cast<int>(normalisedYear)} /
                              chr::month{static_cast<unsigned>(normalisedMonth)} / chr::day{1}};
    return FromSysDays(first + chr::days{day - 1});
}

int WeekdayOf(const CalendarDate& date)
{
    return static_cast<int>(chr::weekday{ToSysDays(date)}.c_encoding()) + 1;
}

CalendarDate AddDays(const CalendarDate& date, long days)
{
    return FromSysDays(ToSysDays(date) + chr::days{days});
}

long DayNumber(const CalendarDate& date)
{
    return static_cast<long>(ToSysDays(date).time_since_epoch().count());
}

int DaysInMonth(int year, int month)
{
    CheckMonth(month);
    const chr::year_month_day_last last{chr::year{year} / chr::month{static_cast<unsigned>(month)} /
                                        chr::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

int FirstWeekday(int year, int month)
{
    CheckMonth(month);
    return WeekdayOf({year, month, 1});
}

int WeekRowCount(int year, int month)
{
    const int cells = DaysInMonth(year, month) + FirstWeekday(year, month) - 1;
    return (cells + 6) / 7;
}

CalendarDate NthWeekdayDate(int year, int month, int weekday, int n)
{
    CheckMonth(month);
    CheckWeekday(weekday);
    const int first = FirstWeekday(year, month);
    const int firstMatch = 1 + (weekday - first + 7) % 7;
    return MakeDate(year, month, firstMatch + 7 * (n - 1));
}

int WeekdayCountInMonth(int year, int month, int weekday)
{
    CheckWeekday(weekday);
    const int length = DaysInMonth(year, month);
    const int firstMatch = NthWeekdayDate(year, month, weekday, 1).day;
    return (length - firstMatch) / 7 + 1;
}

CalendarDate EasterDate(long year)
{
    if (year < 1583 || year > 9999)
        throw std::out_of_range("Easter is computed for the years 1583 to 9999, not " + std::to_string(year));
    // The anonymous Gregorian computation (Meeus/Jones/Butcher): golden number, century corrections for
    // the solar and lunar drift, then the Sunday after the paschal full moon.
    const long a = year % 19;
    const long b = year / 100;
    const long c = year % 100;
    const long d = b / 4;
    const long e = b % 4;
    const long f = (b + 8) / 25;
    const long g = (b - f + 1) / 3;
    const long h = (19 * a + b - d - g + 15) % 30;
    const long i = c / 4;
    const long k = c % 4;
    const long l = (32 + 2 * e + 2 * i - h - k) % 7;
    const long m = (a + 11 * h + 22 * l) / 451;
    const long month = (h + l - 7 * m + 114) / 31;
    const long day = (h + l - 7 * m + 114) % 31 + 1;
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

}  // namespace morvessa
