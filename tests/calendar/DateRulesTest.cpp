#include "calendar/DateRules.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QString>

#include <stdexcept>

namespace morvessa {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

// Sunday = 1 from QDate's Monday = 1 .. Sunday = 7.
int QtWeekday(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1;
}

// Gauss's Easter rule with its two Gregorian exceptions: a second, independent computation.
QDate GaussEaster(int year)
{
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int k = year / 100;
    const int p = (13 + 8 * k) / 25;
    const int q = k / 4;
    const int m = (15 - p + k - q) % 30;
    const int n = (4 + k - q) % 7;
    const int d = (19 * a + m) % 30;
    const int e = (2 * b + 4 * c + 6 * d + n) % 7;
    if (d == 29 && e == 6)
        return QDate(year, 4, 19);
    if (d == 28 && e == 6 && (11 * m + 11) % 30 < 19)
        return QDate(year, 4, 18);
    return QDate(year, 3, 22).addDays(d + e);
}

// The short rule that holds from 1900 to 2099.
QDate ShortRuleEaster(int year)
{
    const int d = ((255 - 11 * (year % 19) - 21) % 30) + 21;
    const int e = d > 48 ? -1 : 0;
    const int k = (year + year / 4 + d + e + 1) % 7;
    return QDate(year, 3, 1).addDays(d + e + 6 - k);
}

QDate ToQDate(const CalendarDate& date)
{
    return QDate(date.year, date.month, date.day);
}

TEST(DateRules, MonthFactsMatchQDateForEveryMonthOf1900To2100)
{
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const int length = first.daysInMonth();
            ASSERT_EQ(DaysInMonth(year, month), length) << year << "-" << month;
            ASSERT_EQ(FirstWeekday(year, month), QtWeekday(first)) << year << "-" << month;
            // Week rows: the Sunday-started weeks the month touches.
            int rows = 1;
            for (int day = 2; day <= length; ++day)
                if (QtWeekday(QDate(year, month, day)) == 1)
                    ++rows;
            ASSERT_EQ(WeekRowCount(year, month), rows) << year << "-" << month;
        }
    }
}

TEST(DateRules, NthAndLastWeekdayMatchACountOfTheDays)
{
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int length = QDate(year, month, 1).daysInMonth();
            for (int weekday = 1; weekday <= 7; ++weekday) {
                int seen = 0;
                for (int day = 1; day <= length; ++day) {
                    if (QtWeekday(QDate(year, month, day)) != weekday)
                        continue;
                    ++seen;
                    ASSERT_EQ(NthWeekdayDate(year, month, weekday, seen), (CalendarDate{year, month, day}))
                        << year << "-" << month << " weekday " << weekday << " n " << seen;
                }
                ASSERT_EQ(WeekdayCountInMonth(year, month, weekday), seen);
            }
        }
    }
}

TEST(DateRules, EasterMatchesTwoIndependentRulesFrom1900To2100)
{
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const QDate easter = ToQDate(EasterDate(year));
        ASSERT_EQ(easter, GaussEaster(year)) << year;
        ASSERT_EQ(QtWeekday(easter), 1) << year;
        if (year <= 2099) {
            ASSERT_EQ(easter, ShortRuleEaster(year)) << year;
        }
    }
    // Where the short rule fails, the true date holds.
    EXPECT_EQ(ShortRuleEaster(2100), QDate(2100, 3, 27));
    EXPECT_EQ(EasterDate(2100), (CalendarDate{2100, 3, 28}));
    EXPECT_EQ(EasterDate(2024), (CalendarDate{2024, 3, 31}));
    EXPECT_EQ(EasterDate(2025), (CalendarDate{2025, 4, 20}));
    EXPECT_EQ(EasterDate(2026), (CalendarDate{2026, 4, 5}));
    EXPECT_EQ(EasterDate(1954), (CalendarDate{1954, 4, 18}));
    EXPECT_EQ(EasterDate(1981), (CalendarDate{1981, 4, 19}));  // Gauss's first exception
    EXPECT_EQ(EasterDate(2049), (CalendarDate{2049, 4, 18}));  // and the second
    EXPECT_THROW(EasterDate(1000), std::out_of_range);
}

TEST(DateRules, ListedExamples)
{
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(WeekRowCount(2015, 2), 4);
    EXPECT_EQ(WeekRowCount(2026, 2), 4);
    EXPECT_EQ(WeekRowCount(2024, 3), 6);  // 31 days from a Friday
    EXPECT_EQ(FirstWeekday(2022, 1), 7);
    EXPECT_EQ(NthWeekdayDate(2026, 5, 6, WeekdayCountInMonth(2026, 5, 6)), (CalendarDate{2026, 5, 29}));
    EXPECT_EQ(WeekdayCountInMonth(2026, 5, 6), 5);
    EXPECT_EQ(NthWeekdayDate(2024, 5, 2, WeekdayCountInMonth(2024, 5, 2)), (CalendarDate{2024, 5, 27}));
    EXPECT_EQ(WeekdayCountInMonth(2024, 5, 2), 4);
    EXPECT_EQ(NthWeekdayDate(2024, 1, 2, 3), (CalendarDate{2024, 1, 15}));
    EXPECT_EQ(NthWeekdayDate(2024, 6, 7, 1), (CalendarDate{2024, 6, 1}));
    EXPECT_EQ(NthWeekdayDate(2024, 11, 5, 4), (CalendarDate{2024, 11, 28}));  // Thanksgiving
}

TEST(DateRules, DatesRunOverIntoNeighbouringMonths)
{
    EXPECT_EQ(MakeDate(2024, 3, 0), (CalendarDate{2024, 2, 29}));
    EXPECT_EQ(MakeDate(2023, 13, 0), (CalendarDate{2023, 12, 31}));
    EXPECT_EQ(MakeDate(2024, 1, 32), (CalendarDate{2024, 2, 1}));
    EXPECT_EQ(MakeDate(2024, 0, 1), (CalendarDate{2023, 12, 1}));
    EXPECT_EQ(MakeDate(2024, -11, 1), (CalendarDate{2023, 1, 1}));
    EXPECT_EQ(MakeDate(2024, 25, 1), (CalendarDate{2026, 1, 1}));
    // A fifth Monday in a month of four runs on into the next month.
    EXPECT_EQ(NthWeekdayDate(2024, 5, 2, 5), (CalendarDate{2024, 6, 3}));
    EXPECT_EQ(AddDays({2024, 2, 28}, 2), (CalendarDate{2024, 3, 1}));
    EXPECT_EQ(DayNumber({1970, 1, 2}), 1);
    EXPECT_EQ(WeekdayOf({2024, 3, 31}), 1);
}

TEST(DateRules, RejectsWhatIsNotADate)
{
    EXPECT_THROW(DaysInMonth(2024, 13), std::out_of_range);
    EXPECT_THROW(NthWeekdayDate(2024, 1, 8, 1), std::out_of_range);
    EXPECT_THROW(WeekdayCountInMonth(2024, 1, 0), std::out_of_range);
}

}  // namespace
}  // namespace morvessa
