#pragma once
// Calendar facts the generation needs: month lengths, the weekday of the 1st, week rows, the n-th or
// last weekday of a month, and Easter. Gregorian calendar, whole days, weekday 1 = Sunday .. 7 =
// Saturday; the week starts on Sunday.

#include <compare>

namespace morvessa {

// A calendar day. Built through MakeDate it is always a real date.
struct CalendarDate {
    int year = 1900;
    int month = 1;  // 1..12
    int day = 1;    // 1..31

    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// The date of year/month/day with day and month allowed to run over: day 0 is the last day of the
// previous month, days past the month's end run on into the next month, month 13 is January of the
// next year, month 0 December of the previous one.
CalendarDate MakeDate(int year, int month, int day);

// Weekday number of a date, 1 = Sunday .. 7 = Saturday.
int WeekdayOf(const CalendarDate& date);

// The date `days` days later (earlier when negative).
CalendarDate AddDays(const CalendarDate& date, long days);

// Days since 1 January 1970 (negative before), for comparisons and differences.
long DayNumber(const CalendarDate& date);

// Length, weekday of the 1st and week rows of a month (1..12; others throw std::out_of_range).
int DaysInMonth(int year, int month);
int FirstWeekday(int year, int month);
int WeekRowCount(int year, int month);

// The n-th `weekday` (1..7) of the month: the first such weekday on or after the 1st, plus n - 1
// weeks. n = 5 in a month with only four of them runs on into the next month, as MakeDate does.
// weekday outside 1..7 or month outside 1..12 throws std::out_of_range.
CalendarDate NthWeekdayDate(int year, int month, int weekday, int n);

// How often `weekday` (1..7) occurs in the month: 4 or 5. With NthWeekdayDate it gives the "Last".
int WeekdayCountInMonth(int year, int month, int weekday);

// Easter Sunday of the Gregorian calendar, for any year from 1583 on (28 March 2100, 31 March 2024).
CalendarDate EasterDate(long year);

}  // namespace morvessa
