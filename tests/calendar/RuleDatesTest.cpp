#include "calendar/RuleDates.h"

#include "holidays/HolidayRules.h"

#include <gtest/gtest.h>

#include <utility>

namespace morvessa {
namespace {

HolidayRule Rule(const char* text, const char* name = "H")
{
    HolidayRule rule = ParseRuleText(QString::fromLatin1(text));
    rule.name = QString::fromUtf8(name);
    return rule;
}

std::optional<CalendarDate> On(int year, int month, int day)
{
    return CalendarDate{year, month, day};
}

TEST(RuleDatesTest, EasterOffsetsAroundMonthEndsAndTheCenturyYears)
{
    // 2024: Easter 31 March, so Good Friday and Easter Monday straddle the month end.
    EXPECT_EQ(RuleDate(Rule("easter -2"), 2024), On(2024, 3, 29));
    EXPECT_EQ(RuleDate(Rule("easter +1"), 2024), On(2024, 4, 1));
    // 2008: Easter 23 March; Shrove Tuesday and Ash Wednesday fall in early February.
    EXPECT_EQ(RuleDate(Rule("easter -47"), 2008), On(2008, 2, 5));
    EXPECT_EQ(RuleDate(Rule("easter -46"), 2008), On(2008, 2, 6));
    // 2011: Easter 24 April; Corpus Christi falls in June, Ascension in June too.
    EXPECT_EQ(RuleDate(Rule("easter +60"), 2011), On(2011, 6, 23));
    EXPECT_EQ(RuleDate(Rule("easter +39"), 2011), On(2011, 6, 2));
    EXPECT_EQ(RuleDate(Rule("easter +50"), 2011), On(2011, 6, 13));
    EXPECT_EQ(RuleDate(Rule("easter +49"), 2025), On(2025, 6, 8));
    // 1900 (Easter 15 April, a common year) and 2100 (Easter 28 March, a common year).
    EXPECT_EQ(RuleDate(Rule("easter -2"), 1900), On(1900, 4, 13));
    EXPECT_EQ(RuleDate(Rule("easter +60"), 1900), On(1900, 6, 14));
    EXPECT_EQ(RuleDate(Rule("easter -47"), 2100), On(2100, 2, 9));
    EXPECT_EQ(RuleDate(Rule("easter +1"), 2100), On(2100, 3, 29));
}

TEST(RuleDatesTest, WeekdayOnOrAfterAndOnOrBeforeIncludeTheDayItselfAndCrossMonths)
{
    // Victoria Day: the Monday on or before 24 May.
    EXPECT_EQ(RuleDate(Rule("mon on-or-before 05-24"), 2024), On(2024, 5, 20));
    EXPECT_EQ(RuleDate(Rule("mon on-or-before 05-24"), 2027), On(2027, 5, 24));  // 24 May is a Monday
    // Midsummer Day (Sweden): the Saturday on or after 20 June.
    EXPECT_EQ(RuleDate(Rule("sat on-or-after 06-20"), 2024), On(2024, 6, 22));
    EXPECT_EQ(RuleDate(Rule("sat on-or-after 06-20"), 2026), On(2026, 6, 20));
    // Running over the month and the year end.
    EXPECT_EQ(RuleDate(Rule("sun on-or-after 01-30"), 2024), On(2024, 2, 4));
    EXPECT_EQ(RuleDate(Rule("mon on-or-after 12-30"), 2026), On(2027, 1, 4));
    EXPECT_EQ(RuleDate(Rule("thu on-or-before 01-02"), 2027), On(2026, 12, 31));
    EXPECT_EQ(RuleDate(Rule("mon on-or-before 03-01"), 1900), On(1900, 2, 26));
    EXPECT_EQ(RuleDate(Rule("mon on-or-before 03-01"), 2100), On(2100, 3, 1));
    // An anchor of 29 February exists only in leap years.
    EXPECT_EQ(RuleDate(Rule("sun on-or-after 02-29"), 2100), std::nullopt);
    EXPECT_EQ(RuleDate(Rule("sun on-or-after 02-29"), 2028), On(2028, 3, 5));
}

TEST(RuleDatesTest, NthAndLastWeekdayFixedDatesAndDatedEvents)
{
    EXPECT_EQ(RuleDate(Rule("last mon 05"), 2024), On(2024, 5, 27));
    EXPECT_EQ(RuleDate(Rule("nth 4 thu 11"), 2100), On(2100, 11, 25));
    EXPECT_EQ(RuleDate(Rule("nth 5 mon 02"), 2024), std::nullopt);  // February 2024 has four Mondays
    EXPECT_EQ(RuleDate(Rule("nth 5 thu 02"), 2024), On(2024, 2, 29));
    EXPECT_EQ(RuleDate(Rule("fixed 02-29"), 1900), std::nullopt);
    EXPECT_EQ(RuleDate(Rule("fixed 02-29"), 2000), On(2000, 2, 29));
    EXPECT_EQ(RuleDate(Rule("date 2027-06-12"), 2027), On(2027, 6, 12));
    EXPECT_EQ(RuleDate(Rule("date 2027-06-12"), 2028), std::nullopt);
    EXPECT_EQ(RuleDate(Rule("fixed 06-19 from 2021"), 2020), std::nullopt);
    EXPECT_EQ(RuleDate(Rule("easter +1 until 1950"), 1951), std::nullopt);
}

std::vector<std::pair<CalendarDate, QString>> Days(const std::vector<HolidayRule>& rules, int year)
{
    std::vector<std::pair<CalendarDate, QString>> days;
    for (const HolidayOccurrence& occurrence : HolidaysInYear(rules, year))
        days.emplace_back(occurrence.date, occurrence.label);
    return days;
}

using Days_ = std::vector<std::pair<CalendarDate, QString>>;

TEST(RuleDatesTest, UsObservedDaysMoveSaturdayToFridayAndSundayToNextFreeWeekdayEvenAcrossNewYear)
{
    const std::vector<HolidayRule> rules = {Rule("fixed 01-01 observe=us", "New Year's Day"),
                                            Rule("fixed 07-04 observe=us", "Independence Day")};
    // 1 January 2022 was a Saturday: observed on 31 December 2021, in the calendar of 2021.
    EXPECT_EQ(Days(rules, 2021), (Days_{{{2021, 1, 1}, "New Year's Day"},
                                        {{2021, 12, 31}, "New Year's Day (observed)"},
                                        {{2021, 7, 4}, "Independence Day"},
                                        {{2021, 7, 5}, "Independence Day (observed)"}}));
    EXPECT_EQ(Days(rules, 2022),
              (Days_{{{2022, 1, 1}, "New Year's Day"}, {{2022, 7, 4}, "Independence Day"}}));
    // 2023: 1 January a Sunday, observed on Monday 2 January.
    EXPECT_EQ(Days(rules, 2023)[1],
              std::make_pair(CalendarDate{2023, 1, 2}, QStringLiteral("New Year's Day (observed)")));
    // 2100: 4 July is a Sunday.
    EXPECT_EQ(Days(rules, 2100).back(),
              std::make_pair(CalendarDate{2100, 7, 5}, QStringLiteral("Independence Day (observed)")));
}

TEST(RuleDatesTest, NextFreeWeekdayKeepsChristmasAndBoxingDayApart)
{
    const std::vector<HolidayRule> rules = {Rule("fixed 12-25 observe=next", "Christmas Day"),
                                            Rule("fixed 12-26 observe=next", "Boxing Day"),
                                            Rule("fixed 01-01 observe=next", "New Year's Day")};
    // 2021: Christmas on a Saturday, Boxing Day on a Sunday: 27 and 28 December.
    EXPECT_EQ(Days(rules, 2021), (Days_{{{2021, 12, 25}, "Christmas Day"},
                                        {{2021, 12, 27}, "Christmas Day (observed)"},
                                        {{2021, 12, 26}, "Boxing Day"},
                                        {{2021, 12, 28}, "Boxing Day (observed)"},
                                        {{2021, 1, 1}, "New Year's Day"}}));
    // 2022: Christmas on a Sunday, Boxing Day on the Monday: Christmas moves to Tuesday the 27th.
    const Days_ days2022 = Days(rules, 2022);
    EXPECT_EQ(days2022[1],
              std::make_pair(CalendarDate{2022, 12, 27}, QStringLiteral("Christmas Day (observed)")));
    EXPECT_EQ(days2022.size(), 5u);  // 1 January 2022, a Saturday, moves to Monday the 3rd
    EXPECT_EQ(days2022[4],
              std::make_pair(CalendarDate{2022, 1, 3}, QStringLiteral("New Year's Day (observed)")));
    // 2100: Christmas on a Saturday again.
    EXPECT_EQ(Days(rules, 2100)[3],
              std::make_pair(CalendarDate{2100, 12, 28}, QStringLiteral("Boxing Day (observed)")));
}

TEST(RuleDatesTest, NewZealandStyleFirstAndSecondOfJanuaryMoveInTurn)
{
    const std::vector<HolidayRule> rules = {Rule("fixed 01-02 observe=next", "Day after New Year's Day"),
                                            Rule("fixed 01-01 observe=next", "New Year's Day")};
    // 2022: 1 January a Saturday, 2 January a Sunday: observed on the 3rd and the 4th, in date order
    // whatever the order of the list.
    EXPECT_EQ(Days(rules, 2022), (Days_{{{2022, 1, 2}, "Day after New Year's Day"},
                                        {{2022, 1, 4}, "Day after New Year's Day (observed)"},
                                        {{2022, 1, 1}, "New Year's Day"},
                                        {{2022, 1, 3}, "New Year's Day (observed)"}}));
}

TEST(RuleDatesTest, SundayOnlyShiftLeavesSaturdayAloneAndSkipsTakenDays)
{
    // Irish style: Christmas 2022 on a Sunday, St Stephen's Day on the Monday: Tuesday the 27th.
    const std::vector<HolidayRule> irish = {Rule("fixed 12-25 observe=sunday", "Christmas Day"),
                                            Rule("fixed 12-26 observe=sunday", "St. Stephen's Day")};
    EXPECT_EQ(Days(irish, 2022), (Days_{{{2022, 12, 25}, "Christmas Day"},
                                        {{2022, 12, 27}, "Christmas Day (observed)"},
                                        {{2022, 12, 26}, "St. Stephen's Day"}}));
    // 2021: Christmas on the Saturday stays; St Stephen's Day on the Sunday moves to the Monday.
    EXPECT_EQ(Days(irish, 2021), (Days_{{{2021, 12, 25}, "Christmas Day"},
                                        {{2021, 12, 26}, "St. Stephen's Day"},
                                        {{2021, 12, 27}, "St. Stephen's Day (observed)"}}));

    const std::vector<HolidayRule> rules = {Rule("fixed 07-01 observe=sunday", "Canada Day")};
    EXPECT_EQ(Days(rules, 2029).size(), 2u);  // 1 July 2029 is a Sunday
    EXPECT_EQ(Days(rules, 2029)[1].first, (CalendarDate{2029, 7, 2}));
    EXPECT_EQ(Days(rules, 2028).size(), 1u);  // a Saturday
}

TEST(RuleDatesTest, HolidaysOfTheYearsAroundReachIntoTheYearAndEarlyYearsHaveNone)
{
    // The Monday on or after 30 December 2026 is 4 January 2027; that of 2027 falls in 2028.
    const std::vector<HolidayRule> rules = {Rule("mon on-or-after 12-30", "M")};
    EXPECT_EQ(Days(rules, 2027), (Days_{{{2027, 1, 4}, "M"}}));
    // Whit Monday of the year before never reaches into a year; Easter is Gregorian only.
    EXPECT_TRUE(Days({Rule("easter -2")}, 1500).empty());
}

}  // namespace
}  // namespace morvessa
