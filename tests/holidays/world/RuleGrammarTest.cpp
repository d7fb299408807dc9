// Each form of the holiday data's rule grammar, evaluated where it is most easily wrong: at the ends
// of months and years, on the weekday it moves from, in the calendars other than the Gregorian.
#include "holidays/world/RuleEvaluator.h"

#include <gtest/gtest.h>

namespace morvessa::world {
namespace {

// The days a rule gives for a year, "yyyy-MM-dd" with "*" for a substitute day, space-separated.
std::string Days(const char* rule, int year)
{
    QStringList days;
    for (const RuleDay& day : EvaluateRule(ParseRule(QString::fromUtf8(rule)), year))
        days.append(day.date.toString(Qt::ISODate) + (day.substitute ? QStringLiteral("*") : QString()));
    return days.join(u' ').toStdString();
}

TEST(RuleGrammar, WeekdayStepsCountFromTheDayOrStrictlyBeforeIt)
{
    EXPECT_EQ(Days("1st monday in January", 2024), "2024-01-01");       // the 1st itself
    EXPECT_EQ(Days("monday before February", 2024), "2024-01-29");
    EXPECT_EQ(Days("sunday before 12-25", 2022), "2022-12-18");        // 25th is a Sunday
    EXPECT_EQ(Days("6th sunday before 12-25", 2026), "2026-11-15");
    EXPECT_EQ(Days("5th sunday in November", 2026), "2026-11-29");
    EXPECT_EQ(Days("5th thursday in November", 2026), "2026-12-03");  // runs on into December
    EXPECT_EQ(Days("5th monday in March", 2026), "2026-03-30");
    EXPECT_EQ(Days("friday after 4th thursday in November", 2026), "2026-11-27");
    EXPECT_EQ(Days("Thursday before easter -46", 2026), "2026-02-12");
    EXPECT_EQ(Days("1 day before vietnamese 1-0-1 P5D", 2026), "2026-02-16");
}

TEST(RuleGrammar, MovesAcrossTheYearEndAndKeepTheDayOnlyWhenAsked)
{
    // 1 January 2022 is a Saturday: observed on Friday 31 December 2021, the day itself kept.
    EXPECT_EQ(Days("01-01 and if sunday then next monday if saturday then previous friday", 2022),
              "2022-01-01 2021-12-31*");
    EXPECT_EQ(Days("12-31 if saturday then next monday", 2022), "2023-01-02");
    EXPECT_EQ(Days("12-31 if saturday then next monday", 2021), "2021-12-31");
    // "substitutes": only the moved day; nothing when it does not move.
    EXPECT_EQ(Days("substitutes 05-03 if sunday then next monday", 2027), "");
    EXPECT_EQ(Days("substitutes 05-03 if sunday then next monday", 2026), "2026-05-04*");
    // Only the moves after "and" keep the day; "since YEAR and" just joins.
    EXPECT_EQ(Days("06-04 if thursday,friday then next monday and if tuesday then previous monday", 2024),
              "2024-06-04 2024-06-03*");
    EXPECT_EQ(Days("04-28 since 2022 and if sunday then next monday", 2024), "2024-04-29");
    EXPECT_EQ(Days("12-24 14:00 if sunday then 00:00", 2023), "2023-12-24");
}

TEST(RuleGrammar, YearsAndWeekdaysInForce)
{
    EXPECT_EQ(Days("12-01 every 6 years since 1980", 1986), "1986-12-01");
    EXPECT_EQ(Days("12-01 every 6 years since 1980", 1987), "");
    EXPECT_EQ(Days("12-01 every 6 years since 1980", 1974), "");
    EXPECT_EQ(Days("03-02 in even years", 2025), "");
    EXPECT_EQ(Days("02-29 in leap years", 2024), "2024-02-29");
    EXPECT_EQ(Days("02-29", 2023), "");
    EXPECT_EQ(Days("05-04 not on sunday, monday", 2026), "");  // a Monday
    EXPECT_EQ(Days("02-01 on monday, tuesday", 2027), "2027-02-01");
    EXPECT_EQ(Days("03-08 since 2019", 2018), "");
    EXPECT_EQ(Days("03-08 since 2019 and prior to 2020", 2019), "2019-03-08");
    EXPECT_EQ(Days("Monday after 2nd saturday in June prior to 2022-09-09", 2022), "2022-06-13");
    EXPECT_EQ(Days("2023-09-1", 2023), "2023-09-01");
}

TEST(RuleGrammar, EasterJulianAndTheLunarAndSolarCalendars)
{
    EXPECT_EQ(Days("easter -47", 2026), "2026-02-17");
    EXPECT_EQ(Days("orthodox", 2026), "2026-04-12");
    EXPECT_EQ(Days("julian 12-25", 2026), "2027-01-07");  // Christmas of the Julian year 2026
    EXPECT_EQ(Days("15 Nisan P8D", 2026), "2026-04-02");
    EXPECT_EQ(Days("1 Tishrei", 2026), "2026-09-12");
    EXPECT_EQ(Days("1 Tishrei", 2046), "2046-10-01");  // a year ICU 72 starts a day late
    EXPECT_EQ(Days("14 AdarII", 2024), "2024-03-24");  // a leap year: Purim in the second Adar
    EXPECT_EQ(Days("1 Shawwal", 2026), "2026-03-20");
    EXPECT_EQ(Days("9 Dhu al-Hijjah P4D", 2006), "2006-01-09 2006-12-30");  // twice in one year
    EXPECT_EQ(Days("1 Farvardin", 2026), "2026-03-21");
    EXPECT_EQ(Days("chinese 01-0-00", 2026), "2026-02-16");  // New Year's Eve, "day 0"
    EXPECT_EQ(Days("chinese 08-0-15", 2026), "2026-09-25");
    EXPECT_EQ(Days("korean 01-0-01 P3D", 2026), "2026-02-17");
    // New moons minutes from midnight: 15:56 UT (23:56 in China, 22:56 in Hanoi) and 16:07 UT
    EXPECT_EQ(Days("chinese 01-0-01", 2027), "2027-02-06");
    EXPECT_EQ(Days("chinese 01-0-01", 2030), "2030-02-03");
    EXPECT_EQ(Days("vietnamese 1-0-1", 2030), "2030-02-02");
    EXPECT_EQ(Days("chinese 5-01 solarterm", 2026), "2026-04-05");
    EXPECT_EQ(Days("march equinox in +09:00", 2026), "2026-03-20");
    EXPECT_EQ(Days("september equinox in +09:00", 2026), "2026-09-23");
    EXPECT_EQ(Days("december solstice", 2026), "2026-12-21");
    EXPECT_EQ(Days("june solstice in America/Santiago", 2026), "2026-06-21");
    EXPECT_EQ(Days("bengali-revised 9-2", 2026), "2026-12-16");
    EXPECT_EQ(Days("bengali-revised 12-3", 2024), "2024-03-17");  // after a 31-day Falgun
}

TEST(RuleGrammar, UnreadableRulesSayWhere)
{
    for (const char* rule : {"13-45", "3rd funday in May", "15 Nisanuary", "easter if", "chinese 13-0-01",
                             "01-01 if sunday then later monday", "every 0 years since 1980"}) {
        try {
            ParseRule(QString::fromLatin1(rule));
            ADD_FAILURE() << rule << " was read";
        } catch (const RuleGrammarError& error) {
            EXPECT_NE(std::string(error.what()).find(rule), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace morvessa::world
