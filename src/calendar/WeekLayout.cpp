#include "calendar/WeekLayout.h"

#include "calendar/DateRules.h"

#include <stdexcept>
#include <string>

namespace morvessa {

namespace {

void CheckOneToSeven(int value, const char* what)
{
    if (value < 1 || value > 7)
        throw std::out_of_range(std::string(what) + " " + std::to_string(value) + " is outside 1 to 7");
}

// 1 = Monday .. 7 = Sunday, as ISO 8601 counts.
int IsoWeekday(const CalendarDate& date)
{
    return (WeekdayOf(date) + 5) % 7 + 1;
}

}  // namespace

int WeekdayColumn(int weekday, int weekStart)
{
    CheckOneToSeven(weekday, "Weekday");
    CheckOneToSeven(weekStart, "Week start");
    return (weekday - weekStart + 7) % 7 + 1;
}

int WeekdayAtColumn(int column, int weekStart)
{
    CheckOneToSeven(column, "Column");
    CheckOneToSeven(weekStart, "Week start");
    return (weekStart - 1 + column - 1) % 7 + 1;
}

int FirstColumn(int year, int month, int weekStart)
{
    return WeekdayColumn(FirstWeekday(year, month), weekStart);
}

int WeekRowCount(int year, int month, int weekStart)
{
    return (DaysInMonth(year, month) + FirstColumn(year, month, weekStart) - 1 + 6) / 7;
}

GridPlace DayPlace(int day, int firstColumn)
{
    const int offset = day + firstColumn - 2;
    return {offset / 7 + 1, offset % 7 + 1};
}

int IsoWeekNumber(int year, int month, int day)
{
    // The ISO week belongs to the year of its Thursday and is counted from that year's first one.
    const CalendarDate date = MakeDate(year, month, day);
    const CalendarDate thursday = AddDays(date, 4 - IsoWeekday(date));
    const long dayOfYear = DayNumber(thursday) - DayNumber(MakeDate(thursday.year, 1, 1));
    return static_cast<int>(dayOfYear / 7) + 1;
}

int IsoWeekOfRow(int year, int month, int week, int weekStart)
{
    if (week < 1 || week > 6)
        throw std::out_of_range("Week row " + std::to_string(week) + " is outside 1 to 6");
    // Day numbers may run outside the month here: MakeDate carries them into the neighbours.
    const int rowStartDay = 1 - (FirstColumn(year, month, weekStart) - 1) + 7 * (week - 1);
    const int mondayDay = rowStartDay + WeekdayColumn(kMonday, weekStart) - 1;
    const CalendarDate monday = MakeDate(year, month, mondayDay);
    return IsoWeekNumber(monday.year, monday.month, monday.day);
}

YearMonth AddMonths(YearMonth start, int count)
{
    const long index = static_cast<long>(start.year) * 12 + (start.month - 1) + count;
    const long year = index >= 0 ? index / 12 : -((-index + 11) / 12);
    return {static_cast<int>(year), static_cast<int>(index - year * 12) + 1};
}

std::array<YearMonth, 12> TwelveMonthsFrom(YearMonth first)
{
    if (first.month < 1 || first.month > 12)
        throw std::out_of_range("Month " + std::to_string(first.month) + " is outside 1 to 12");
    std::array<YearMonth, 12> months{};
    for (int i = 0; i < 12; ++i)
        months[static_cast<std::size_t>(i)] = AddMonths(first, i);
    return months;
}

}  // namespace morvessa
