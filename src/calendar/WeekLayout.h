#pragma once
// Where the days of a month stand when the week may start on any weekday, the ISO week number of
// each week row, and the twelve consecutive months a calendar may start anywhere with. Weekday
// numbers are 1 = Sunday .. 7 = Saturday everywhere; columns of a week row are 1..7 from its first
// day.

#include <array>
#include <compare>

namespace morvessa {

inline constexpr int kSunday = 1;
inline constexpr int kMonday = 2;
inline constexpr int kSaturday = 7;

// Column 1..7 of `weekday` in a week starting on `weekStart`; and the weekday shown in a column.
// Weekdays and columns outside 1..7 throw std::out_of_range.
int WeekdayColumn(int weekday, int weekStart);
int WeekdayAtColumn(int column, int weekStart);

// Column of the month's 1st, and how many week rows (4..6) the month spans.
int FirstColumn(int year, int month, int weekStart);
int WeekRowCount(int year, int month, int weekStart);

// The week row (1..6) and column (1..7) of day `day` in a month whose 1st stands in `firstColumn`.
struct GridPlace {
    int week;
    int column;
    friend bool operator==(const GridPlace&, const GridPlace&) = default;
};
GridPlace DayPlace(int day, int firstColumn);

// The ISO 8601 week number (1..53) of a date.
int IsoWeekNumber(int year, int month, int day);
// The ISO week of week row `week` (1..6) of the month: the week its Monday belongs to, which holds
// most of the row's days whichever day the row starts on.
int IsoWeekOfRow(int year, int month, int week, int weekStart);

// A month of a given year.
struct YearMonth {
    int year;
    int month;  // 1..12
    friend auto operator<=>(const YearMonth&, const YearMonth&) = default;
};
// The month `count` months later (earlier when negative), across year ends.
YearMonth AddMonths(YearMonth start, int count);
// The twelve months from `first` on, in order: September 2026 gives September 2026 .. August 2027.
std::array<YearMonth, 12> TwelveMonthsFrom(YearMonth first);

}  // namespace morvessa
