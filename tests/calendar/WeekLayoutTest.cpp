#include "calendar/WeekLayout.h"

#include <gtest/gtest.h>

#include <QDate>

#include <stdexcept>

namespace morvessa {
namespace {

// Sunday = 1 from QDate's Monday = 1 .. Sunday = 7: an independent weekday source.
int QtWeekday(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1;
}

TEST(WeekLayoutTest, EveryDayStandsUnderItsWeekdayForEachWeekStart)
{
    for (const int weekStart : {kSunday, kMonday, kSaturday}) {
        for (int year = 1900; year <= 2100; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const int first = FirstColumn(year, month, weekStart);
                const QDate firstDate(year, month, 1);
                int lastWeek = 0;
                for (int day = 1; day <= firstDate.daysInMonth(); ++day) {
                    const GridPlace place = DayPlace(day, first);
                    ASSERT_EQ(WeekdayAtColumn(place.column, weekStart), QtWeekday(QDate(year, month, day)))
                        << year << "-" << month << "-" << day << " week start " << weekStart;
                    lastWeek = place.week;
                }
                ASSERT_EQ(WeekRowCount(year, month, weekStart), lastWeek) << year << "-" << month;
            }
        }
    }
}

TEST(WeekLayoutTest, KnownMonthsTakeTheirRowsForEachStart)
{
    // February 2026 begins on a Sunday: four rows from Sunday, five from Monday or Saturday.
    EXPECT_EQ(WeekRowCount(2026, 2, kSunday), 4);
    EXPECT_EQ(WeekRowCount(2026, 2, kMonday), 5);
    EXPECT_EQ(FirstColumn(2026, 2, kMonday), 7);
    EXPECT_EQ(WeekRowCount(2026, 2, kSaturday), 5);
    // February 2021 begins on a Monday: the only four-row month of the years around it from Monday.
    EXPECT_EQ(WeekRowCount(2021, 2, kMonday), 4);
    EXPECT_EQ(WeekRowCount(2021, 2, kSunday), 5);
    // January 2022 begins on a Saturday: six rows from Sunday or Monday, five from Saturday.
    EXPECT_EQ(WeekRowCount(2022, 1, kSunday), 6);
    EXPECT_EQ(WeekRowCount(2022, 1, kMonday), 6);
    EXPECT_EQ(WeekRowCount(2022, 1, kSaturday), 5);
    EXPECT_EQ((DayPlace(31, FirstColumn(2022, 1, kSaturday))), (GridPlace{5, 3}));
}

TEST(WeekLayoutTest, ColumnsAndWeekdaysAreInverse)
{
    for (int weekStart = 1; weekStart <= 7; ++weekStart) {
        EXPECT_EQ(WeekdayAtColumn(1, weekStart), weekStart);
        for (int weekday = 1; weekday <= 7; ++weekday)
            EXPECT_EQ(WeekdayAtColumn(WeekdayColumn(weekday, weekStart), weekStart), weekday);
    }
    EXPECT_EQ(WeekdayAtColumn(7, kMonday), kSunday);
    EXPECT_EQ(WeekdayAtColumn(2, kSaturday), kSunday);
    EXPECT_THROW(WeekdayColumn(0, kSunday), std::out_of_range);
    EXPECT_THROW(WeekdayAtColumn(1, 8), std::out_of_range);
}

TEST(WeekLayoutTest, IsoWeekNumbersMatchQt)
{
    for (QDate date(1899, 12, 1); date <= QDate(2101, 1, 31); date = date.addDays(1))
        ASSERT_EQ(IsoWeekNumber(date.year(), date.month(), date.day()), date.weekNumber())
            << date.toString(Qt::ISODate).toStdString();
}

TEST(WeekLayoutTest, WeekRowsTakeTheWeekOfTheirMonday)
{
    // January 2027 from Sunday: row 1 runs from Sunday 27 December 2026, whose Monday is in week 53.
    EXPECT_EQ(IsoWeekOfRow(2027, 1, 1, kSunday), 53);
    EXPECT_EQ(IsoWeekOfRow(2027, 1, 2, kSunday), 1);
    // From Monday the row is the ISO week itself.
    EXPECT_EQ(IsoWeekOfRow(2027, 1, 1, kMonday), 53);
    EXPECT_EQ(IsoWeekOfRow(2027, 1, 2, kMonday), 1);
    // From Saturday: row 1 of March 2025 is Saturday 1 .. Friday 7 March, Monday 3 March is week 10.
    EXPECT_EQ(IsoWeekOfRow(2025, 3, 1, kSaturday), 10);
    // December 2024's last row from Monday is 30 December 2024 .. 5 January 2025: week 1.
    EXPECT_EQ(IsoWeekOfRow(2024, 12, WeekRowCount(2024, 12, kMonday), kMonday), 1);
    for (int weekStart : {kSunday, kMonday, kSaturday})
        for (int week = 1; week <= WeekRowCount(2026, 6, weekStart); ++week) {
            const int rowStart = 1 - (FirstColumn(2026, 6, weekStart) - 1) + 7 * (week - 1);
            const QDate monday = QDate(2026, 6, 1).addDays(rowStart - 1 + (kMonday - weekStart + 7) % 7);
            EXPECT_EQ(monday.dayOfWeek(), 1);
            EXPECT_EQ(IsoWeekOfRow(2026, 6, week, weekStart), monday.weekNumber());
        }
    EXPECT_THROW(IsoWeekOfRow(2026, 6, 7, kSunday), std::out_of_range);
}

TEST(WeekLayoutTest, TwelveMonthsRunAcrossTheYearEnd)
{
    const auto schoolYear = TwelveMonthsFrom({2026, 9});
    EXPECT_EQ(schoolYear.front(), (YearMonth{2026, 9}));
    EXPECT_EQ(schoolYear[3], (YearMonth{2026, 12}));
    EXPECT_EQ(schoolYear[4], (YearMonth{2027, 1}));
    EXPECT_EQ(schoolYear.back(), (YearMonth{2027, 8}));
    const auto calendarYear = TwelveMonthsFrom({2024, 1});
    EXPECT_EQ(calendarYear.back(), (YearMonth{2024, 12}));
    EXPECT_EQ(AddMonths({2027, 1}, -1), (YearMonth{2026, 12}));
    EXPECT_EQ(AddMonths({2100, 12}, 1), (YearMonth{2101, 1}));
    EXPECT_EQ(AddMonths({1, 1}, -13), (YearMonth{-1, 12}));
    EXPECT_THROW(TwelveMonthsFrom({2026, 13}), std::out_of_range);
}

}  // namespace
}  // namespace morvessa
